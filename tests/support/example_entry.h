// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QComboBox>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "support/example_sheets.h"
#include "ui/windows/main_window.h"

// Enters the example sheets through the windows and their dialogs.
namespace testsupport {

// How the example reaches the controls: straight into them, or typed and clicked as a user
// does (a test that checks the input path passes its own).
struct SheetInput {
    std::function<void(QWidget *field, const QString &text)> type; // replaces the text
    std::function<void(QComboBox *list, int row)> choose;
    std::function<void(QPushButton *button)> press;
};
SheetInput directInput();

// Fills MainWindow with the example, opening and closing the option and AI dialogs.
void enterMob(ui::MainWindow &main, const ExampleMob &example,
              const SheetInput &input = directInput());

// Opens ItemWindow from MainWindow, fills it through its dialogs and returns it.
QWidget *enterItem(ui::MainWindow &main, const ExampleItem &example,
                   const SheetInput &input = directInput());

} // namespace testsupport
