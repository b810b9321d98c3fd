// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace ui {

// Adds option lines to 列表框2 of the main window: the general options and those of the
// entity selected there when the dialog opened. It stays open after each addition.
class MobOptionDialog : public QWidget {
  public:
    explicit MobOptionDialog(QWidget *mainWindow);

  private:
    void onMobOptionDialogCreated();
    void onMobOptionConfirmClicked();

    QWidget *mainWindow_;
};

} // namespace ui
