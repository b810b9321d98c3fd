// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <clocale>

#include <QApplication>

#include <gtest/gtest.h>

#include "ui/toolkit/application.h"

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    ui::setUpApplication(application);
    return RUN_ALL_TESTS();
}
