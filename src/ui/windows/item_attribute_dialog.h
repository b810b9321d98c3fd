// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "ui/windows/item_layouts.h"

namespace ui {

// Appends attribute rows, tagged with their slot, to the item's attribute list; stays open
// for further additions.
class ItemAttributeDialog : public QWidget {
  public:
    ItemAttributeDialog(QWidget *owner, QListWidget *attributeList);

  private:
    void onAttributeConfirmClicked();

    ItemAttributeDialogControls controls_;
    QListWidget *attributeList_;
};

} // namespace ui
