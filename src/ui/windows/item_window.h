// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include <QPointer>
#include <QWidget>

#include "core/target_server.h"
#include "item/item_sheet.h"
#include "storage/config_reading.h"
#include "ui/windows/item_layouts.h"
#include "ui/windows/shared_texts.h"

namespace ui {

// The item sheet: base fields, description, attribute, enchantment, potion effect and banner
// layer rows, the potion colour, and the buttons that preview and save its config. Not modal; the
// dialogs it opens are its children and close with it. A window of its own, without a parent
// widget: its window-modal dialogs then block it alone, not MainWindow too, and MainWindow
// deletes it.
class ItemWindow : public QWidget {
  public:
    // shared holds the text of the latest item generation, which outlives the window, and the
    // target server.
    explicit ItemWindow(SharedTexts &shared);

    // A snapshot of the controls that make up the item config.
    item::ItemSheet readItemSheet() const;
    // Opens an item file: one entry at once, one of several as the user picks it. The sheet
    // then saves back into that file (in item_window_open.cpp).
    void openConfigFile(const QString &path);

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void onItemWindowCreated();
    void onAttributeAddClicked();
    void onEnchantmentAddClicked();
    void onPotionEffectAddClicked();
    void onBannerLayerAddClicked();
    void onBannerLayersChanged();
    void showPotionColour();
    void onItemClearClicked();
    void onItemPreviewClicked();
    void onItemGenerateClicked();
    // Generates the config of the current sheet into the shared text, or shows why not.
    bool generateItemConfig();
    // In item_window_open.cpp.
    void onOpenConfigClicked();
    void writeItemSheet(const item::ItemSheet &sheet);
    // Asks whether to save the edits of an opened entry before they would be lost; false
    // when the user cancels or the save fails, so the caller stops.
    bool settleUnsavedEdits();

    // The server generation the config is written for.
    core::TargetServer target() const;

    ItemWindowControls controls_;
    std::optional<item::RgbColour> potionColour_; // set through the potion effect dialog
    SharedTexts &shared_;
    // The file the sheet was opened from, which 生成配置 writes back into.
    std::optional<storage::LoadedConfigFile> loaded_;
    item::ItemSheet savedSheet_; // the opened entry as last opened or saved
    QPointer<QWidget> enchantmentDialog_;
};

} // namespace ui
