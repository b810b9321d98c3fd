// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/potion_effect_dialog.h"

#include <string>

#include "item/potion_effects.h"
#include "ui/toolkit/colour_picker.h"
#include "ui/toolkit/outcome_message.h"
#include "ui/toolkit/widgets.h"

namespace ui {

PotionEffectDialog::PotionEffectDialog(QWidget *owner, QListWidget *effectList,
                                       std::optional<item::RgbColour> &potionColour,
                                       std::function<void()> colourChanged)
    : QWidget(owner), effectList_(effectList), potionColour_(potionColour),
      colourChanged_(std::move(colourChanged)) {
    setObjectName(QStringLiteral("PotionEffectDialog"));
    setUpWindow(this, potionEffectDialogSpec);
    controls_ = buildControls<PotionEffectDialogControls>(this, potionEffectDialogControls);
    const PotionEffectDialogControls &c = controls_;
    // The key in the caption lets the user find an effect by either name.
    for (const item::PotionEffectType &type : item::potionEffectTypes)
        comboAddRow(c.effectBox, toQString(std::string(type.caption) + " (" +
                                           std::string(type.modernKey) + ")"));
    makeFilterable(c.effectBox);
    connect(c.secondsEdit, &QLineEdit::textChanged, this, &PotionEffectDialog::onSecondsEdited);
    connect(c.colourButton, &QPushButton::clicked, this, &PotionEffectDialog::onColourClicked);
    connect(c.clearColourButton, &QPushButton::clicked, this,
            &PotionEffectDialog::onClearColourClicked);
    connect(c.confirmButton, &QPushButton::clicked, this,
            &PotionEffectDialog::onEffectConfirmClicked);
    pressOnEnter(c.secondsEdit, c.confirmButton);
    pressOnEnter(c.levelEdit, c.confirmButton);
    showColour();
}

void PotionEffectDialog::onSecondsEdited() {
    const std::optional<std::int32_t> ticks =
        item::potionEffectTicks(readText(controls_.secondsEdit).toStdString());
    writeText(controls_.ticksLabel, ticks ? QStringLiteral("= %1 刻").arg(*ticks) : QString());
}

void PotionEffectDialog::onColourClicked() {
    const QColor initial =
        potionColour_ ? QColor(potionColour_->red, potionColour_->green, potionColour_->blue)
                      : QColor(Qt::white);
    const std::optional<QColor> chosen =
        pickColour(this, initial, QStringLiteral("Veltrane-选择药水颜色"));
    if (!chosen)
        return;
    potionColour_ = item::RgbColour{static_cast<std::uint8_t>(chosen->red()),
                                    static_cast<std::uint8_t>(chosen->green()),
                                    static_cast<std::uint8_t>(chosen->blue())};
    showColour();
    colourChanged_();
}

void PotionEffectDialog::onClearColourClicked() {
    potionColour_.reset();
    showColour();
    colourChanged_();
}

void PotionEffectDialog::onEffectConfirmClicked() {
    const PotionEffectDialogControls &c = controls_;
    const std::optional<core::ListEntry> row = rowToPlace(
        item::potionEffectRow(selectedIndex(c.effectBox), readText(c.secondsEdit).toStdString(),
                              readText(c.levelEdit).toStdString()));
    if (row)
        listAddRow(effectList_, toQString(row->text), row->tag,
                   toQString(item::potionEffectListText(*row)));
}

void PotionEffectDialog::showColour() {
    const PotionEffectDialogControls &c = controls_;
    if (!potionColour_) {
        writeText(c.colourButton, QStringLiteral("默认"));
        setButtonIcon(c.colourButton, QIcon());
        return;
    }
    writeText(c.colourButton, toQString(item::formatRgbColour(*potionColour_)));
    setButtonIcon(c.colourButton, colourSwatch(QColor(potionColour_->red, potionColour_->green,
                                                      potionColour_->blue)));
}

} // namespace ui
