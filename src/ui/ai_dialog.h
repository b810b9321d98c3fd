// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ui {

// Adds goal and target lines, each with its priority, to 列表框5 of the main window. It
// stays open after each addition.
class AiDialog : public QWidget {
  public:
    explicit AiDialog(QWidget *mainWindow);

  private:
    void onAiGoalAddClicked();
    void onAiTargetAddClicked();

    QWidget *mainWindow_;
};

} // namespace ui
