// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/toolkit/application.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/main_window.h"

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    ui::setUpApplication(application);
    auto *mainWindow = new ui::MainWindow;
    if (qEnvironmentVariableIntValue("VELTRANE_QUIT_AFTER_FIRST_FRAME") == 1)
        ui::quitAfterFirstPaint(mainWindow);
    ui::openWindow(mainWindow, false);
    application.exec();
    return 0;
}
