// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "ui/windows/item_layouts.h"

namespace ui {

// Appends banner layers to the end of the item's layer list, which is the order the game
// paints them in; stays open for further additions.
class BannerLayerDialog : public QWidget {
  public:
    BannerLayerDialog(QWidget *owner, QListWidget *layerList);

  private:
    void onLayerConfirmClicked();

    BannerLayerDialogControls controls_;
    QListWidget *layerList_;
};

} // namespace ui
