// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/widgets.h"

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    ui::setUpApplication(application);
    auto *mainWindow = new ui::MainWindow;
    ui::openWindow(mainWindow, false);
    application.exec();
    return 0;
}
