// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The least a window of the editor's size can do: one label of Chinese text in the editor's
// font, quitting after its first frame. tools/startup-ratio.sh measures Veltrane against it.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "ui/toolkit/application.h"

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    ui::setUpApplication(application);
    QWidget window;
    window.resize(746, 496);
    auto *label = new QLabel(QStringLiteral("怪物编号: 骷髅之王"), &window);
    label->move(8, 8);
    ui::quitAfterFirstPaint(&window);
    window.show();
    return application.exec();
}
