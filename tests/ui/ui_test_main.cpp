// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <clocale>

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/toolkit/application.h"

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    // What the windows remember goes to a folder of this run, never to the user's settings.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    ui::setUpApplication(application);
    return RUN_ALL_TESTS();
}
