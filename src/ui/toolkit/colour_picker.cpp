// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/colour_picker.h"

#include <QColorDialog>

namespace ui {
namespace {

ColourPicker &colourPicker() {
    static ColourPicker picker;
    return picker;
}

} // namespace

std::optional<QColor> pickColour(QWidget *owner, const QColor &initial, const QString &title) {
    if (const ColourPicker &picker = colourPicker())
        return picker(initial);
    const QColor chosen = QColorDialog::getColor(initial, owner, title);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void setColourPicker(ColourPicker picker) {
    colourPicker() = std::move(picker);
}

} // namespace ui
