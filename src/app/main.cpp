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
    ui::openWindow(mainWindow, false);
    application.exec();
    return 0;
}
