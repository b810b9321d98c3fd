// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <QPointer>
#include <QWidget>

#include "item/item_sheet.h"
#include "ui/windows/item_layouts.h"

namespace ui {

// The item sheet: base fields, description, attribute and enchantment rows, and the
// buttons that preview and save its config. Not modal; the dialogs it opens are its children
// and close with it.
class ItemWindow : public QWidget {
  public:
    // itemConfigText is the shared text of the latest item generation; it outlives the window.
    ItemWindow(QWidget *owner, std::string &itemConfigText);

    // A snapshot of the controls that make up the item config.
    item::ItemSheet readItemSheet() const;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void onItemWindowCreated();
    void onAttributeAddClicked();
    void onEnchantmentAddClicked();
    void onItemClearClicked();
    void onItemPreviewClicked();
    void onItemGenerateClicked();

    ItemWindowControls controls_;
    std::string &itemConfigText_;
    QPointer<QWidget> enchantmentDialog_;
};

} // namespace ui
