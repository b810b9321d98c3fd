// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include "mob/row_outcome.h"

namespace ui {

struct AiDialogControls {
    QComboBox *goalBox;
    QLineEdit *goalPriorityEdit;
    QPushButton *goalAddButton;
    QComboBox *targetBox;
    QLineEdit *targetPriorityEdit;
    QPushButton *targetAddButton;
};

// Adds goal and target lines, each with its priority, to the AI list it is handed. It
// stays open after each addition.
class AiDialog : public QWidget {
  public:
    AiDialog(QWidget *owner, QListWidget *aiList);

  private:
    using ComposeLine = mob::RowOutcome (*)(int rowIndex, std::string_view priority);
    // The goal and the target 添加 differ only in their controls and their keys.
    void onAiLineAddClicked(const QComboBox *keys, const QLineEdit *priority, ComposeLine compose);

    AiDialogControls controls_;
    QListWidget *aiList_;
};

} // namespace ui
