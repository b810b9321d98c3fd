// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/enchantment_dialog.h"

#include <optional>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "item/enchantment_types.h"
#include "ui/item_layouts.h"
#include "ui/widgets.h"

namespace ui {

EnchantmentDialog::EnchantmentDialog(QWidget *owner, QListWidget *enchantmentList)
    : QWidget(owner), enchantmentList_(enchantmentList) {
    setObjectName(QStringLiteral("EnchantmentDialog"));
    setUpWindow(this, enchantmentDialogSpec);
    buildControls(this, enchantmentDialogControls);
    auto *typeBox = control<QComboBox>(this, "组合框1");
    for (const item::EnchantmentType &type : item::enchantmentTypes)
        comboAddRow(typeBox, toQString(type.caption));
    connect(typeBox, &QComboBox::currentIndexChanged, this, &EnchantmentDialog::onEnchantmentSelected);
    bindClick(this, "掉落数据添加按钮", &EnchantmentDialog::onEnchantmentConfirmClicked);
    pressOnEnter(this, "编辑框1", "掉落数据添加按钮");
}

void EnchantmentDialog::onEnchantmentSelected() {
    const int index = selectedIndex(control<QComboBox>(this, "组合框1"));
    if (index < 0 || static_cast<std::size_t>(index) >= item::enchantmentTypes.size())
        return;
    writeText(control<QLabel>(this, "透明标签2"),
              toQString(item::enchantmentTypes[static_cast<std::size_t>(index)].highestLevel));
}

void EnchantmentDialog::onEnchantmentConfirmClicked() {
    const std::optional<core::ListEntry> row =
        item::enchantmentRow(selectedIndex(control<QComboBox>(this, "组合框1")),
                             readText(control<QLineEdit>(this, "编辑框1")).toStdString());
    if (row)
        listAddRow(enchantmentList_, toQString(row->text), row->tag);
}

} // namespace ui
