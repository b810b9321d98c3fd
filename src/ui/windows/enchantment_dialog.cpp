// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/enchantment_dialog.h"

#include <optional>

#include "core/table_row.h"
#include "item/enchantment_types.h"
#include "ui/toolkit/widgets.h"

namespace ui {

EnchantmentDialog::EnchantmentDialog(QWidget *owner, QListWidget *enchantmentList)
    : QWidget(owner), enchantmentList_(enchantmentList) {
    setObjectName(QStringLiteral("EnchantmentDialog"));
    setUpWindow(this, enchantmentDialogSpec);
    controls_ = buildControls<EnchantmentDialogControls>(this, enchantmentDialogControls);
    for (const item::EnchantmentType &type : item::enchantmentTypes)
        comboAddRow(controls_.enchantmentBox, toQString(type.caption));
    makeFilterable(controls_.enchantmentBox);
    connect(controls_.enchantmentBox, &QComboBox::currentIndexChanged, this,
            &EnchantmentDialog::onEnchantmentSelected);
    connect(controls_.confirmButton, &QPushButton::clicked, this,
            &EnchantmentDialog::onEnchantmentConfirmClicked);
    pressOnEnter(controls_.levelEdit, controls_.confirmButton);
}

void EnchantmentDialog::onEnchantmentSelected() {
    if (const item::EnchantmentType *type =
            core::tableRow(item::enchantmentTypes, selectedIndex(controls_.enchantmentBox)))
        writeText(controls_.highestLevelLabel, toQString(type->highestLevel));
}

void EnchantmentDialog::onEnchantmentConfirmClicked() {
    const std::optional<core::ListEntry> row = item::enchantmentRow(
        selectedIndex(controls_.enchantmentBox), readText(controls_.levelEdit).toStdString());
    if (row)
        listAddRow(enchantmentList_, toQString(row->text), row->tag);
}

} // namespace ui
