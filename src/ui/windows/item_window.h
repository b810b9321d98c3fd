// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <QPointer>
#include <QWidget>

#include "item/item_sheet.h"
#include "ui/windows/item_layouts.h"
#include "ui/windows/shared_texts.h"

namespace ui {

// The item sheet: base fields, description, attribute and enchantment rows, and the
// buttons that preview and save its config. Not modal; the dialogs it opens are its children
// and close with it.
class ItemWindow : public QWidget {
  public:
    // shared holds the text of the latest item generation, which outlives the window, and the
    // target server.
    ItemWindow(QWidget *owner, SharedTexts &shared);

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
    // Generates the config of the current sheet into the shared text, or shows why not.
    bool generateItemConfig();

    ItemWindowControls controls_;
    SharedTexts &shared_;
    QPointer<QWidget> enchantmentDialog_;
};

} // namespace ui
