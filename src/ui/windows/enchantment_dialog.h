// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "ui/windows/item_layouts.h"

namespace ui {

// Appends enchantment rows, tagged with their level, to the item's enchantment list. Not
// modal: the item window stays usable beside it.
class EnchantmentDialog : public QWidget {
  public:
    EnchantmentDialog(QWidget *owner, QListWidget *enchantmentList);

  private:
    void onEnchantmentSelected();
    void onEnchantmentConfirmClicked();

    EnchantmentDialogControls controls_;
    QListWidget *enchantmentList_;
};

} // namespace ui
