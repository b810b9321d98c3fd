// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "ui/toolkit/window_layout.h"

namespace ui {

struct EntryChoiceControls {
    QListWidget *entryList;
    QPushButton *openButton;
    QPushButton *cancelButton;
};

inline constexpr WindowSpec entryChoiceSpec = {"Veltrane-选择条目", {360, 300}};

inline constexpr std::array entryChoiceControls = std::to_array<ControlSpec<EntryChoiceControls>>({
    {ControlKind::ListBox, "列表框1", "", 8, 8, 340, 220, nullptr,
     bind<&EntryChoiceControls::entryList>},
    {ControlKind::PushButton, "按钮1", "打开", 200, 236, 70, 24, nullptr,
     bind<&EntryChoiceControls::openButton>},
    {ControlKind::PushButton, "按钮2", "取消", 278, 236, 70, 24, nullptr,
     bind<&EntryChoiceControls::cancelButton>},
});

// Lists the entries of a file, one row each in file order, the first selected. Enter, a double
// click or 打开 hands the selected row to chosen and closes; Esc or 取消 closes without.
// Opened modal with openWindow, so it waits for the user without blocking the caller.
class EntryChoiceDialog : public QWidget {
  public:
    EntryChoiceDialog(QWidget *owner, const std::vector<QString> &rows,
                      std::function<void(int row)> chosen);

  private:
    void choose();

    EntryChoiceControls controls_;
    std::function<void(int row)> chosen_;
};

} // namespace ui
