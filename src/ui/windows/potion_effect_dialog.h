// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <QWidget>

#include "item/rgb_colour.h"
#include "ui/windows/item_layouts.h"

namespace ui {

// Appends potion effect rows to the item's effect list and sets the item's potion colour;
// stays open for further additions. The colour belongs to the item window, which hears of
// every change through colourChanged.
class PotionEffectDialog : public QWidget {
  public:
    PotionEffectDialog(QWidget *owner, QListWidget *effectList,
                       std::optional<item::RgbColour> &potionColour,
                       std::function<void()> colourChanged);

  private:
    void onSecondsEdited();
    void onColourClicked();
    void onClearColourClicked();
    void onEffectConfirmClicked();
    void showColour();

    PotionEffectDialogControls controls_;
    QListWidget *effectList_;
    std::optional<item::RgbColour> &potionColour_;
    std::function<void()> colourChanged_;
};

} // namespace ui
