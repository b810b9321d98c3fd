// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/entry_choice_dialog.h"

#include "ui/toolkit/widgets.h"

namespace ui {

EntryChoiceDialog::EntryChoiceDialog(QWidget *owner, const std::vector<QString> &rows,
                                     std::function<void(int row)> chosen)
    : QWidget(owner), chosen_(std::move(chosen)) {
    setObjectName(QStringLiteral("EntryChoiceDialog"));
    setUpWindow(this, entryChoiceSpec);
    controls_ = buildControls<EntryChoiceControls>(this, entryChoiceControls);
    for (const QString &row : rows)
        listAddRow(controls_.entryList, row, 0);
    setSelectedIndex(controls_.entryList, rows.empty() ? -1 : 0);
    // Activation is Enter and, on most systems, a double click; the double click is bound
    // too for the systems where a single click activates.
    connect(controls_.entryList, &QListWidget::itemActivated, this, &EntryChoiceDialog::choose);
    connect(controls_.entryList, &QListWidget::itemDoubleClicked, this, &EntryChoiceDialog::choose);
    connect(controls_.openButton, &QPushButton::clicked, this, &EntryChoiceDialog::choose);
    connect(controls_.cancelButton, &QPushButton::clicked, this, &QWidget::close);
    controls_.openButton->setDefault(true);
    controls_.entryList->setFocus();
}

void EntryChoiceDialog::choose() {
    const int row = selectedIndex(controls_.entryList);
    if (row < 0 || !chosen_)
        return;
    // Once: a double click also activates.
    const std::function<void(int)> chosen = std::exchange(chosen_, nullptr);
    close();
    chosen(row);
}

} // namespace ui
