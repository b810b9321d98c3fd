// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/banner_layer_dialog.h"

#include <optional>
#include <string>

#include "item/banner_patterns.h"
#include "ui/toolkit/widgets.h"

namespace ui {

BannerLayerDialog::BannerLayerDialog(QWidget *owner, QListWidget *layerList)
    : QWidget(owner), layerList_(layerList) {
    setObjectName(QStringLiteral("BannerLayerDialog"));
    setUpWindow(this, bannerLayerDialogSpec);
    controls_ = buildControls<BannerLayerDialogControls>(this, bannerLayerDialogControls);
    const BannerLayerDialogControls &c = controls_;
    for (const item::DyeColour &dye : item::dyeColours)
        comboAddRow(c.colourBox, toQString(dye.caption),
                    colourSwatch(QColor(dye.swatch.red, dye.swatch.green, dye.swatch.blue)));
    for (const item::BannerPattern &pattern : item::bannerPatterns)
        comboAddRow(c.patternBox, toQString(std::string(pattern.caption) + " (" +
                                            std::string(pattern.modernKey) + ")"));
    makeFilterable(c.patternBox);
    connect(c.confirmButton, &QPushButton::clicked, this,
            &BannerLayerDialog::onLayerConfirmClicked);
}

void BannerLayerDialog::onLayerConfirmClicked() {
    const std::optional<core::ListEntry> row = item::bannerLayerRow(
        selectedIndex(controls_.colourBox), selectedIndex(controls_.patternBox));
    if (row)
        listAddRow(layerList_, toQString(row->text), row->tag,
                   toQString(item::bannerLayerListText(*row)));
}

} // namespace ui
