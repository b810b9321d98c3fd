// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/item_attribute_dialog.h"

#include <optional>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "item/attribute_types.h"
#include "ui/host.h"
#include "ui/item_layouts.h"
#include "ui/widgets.h"

namespace ui {

ItemAttributeDialog::ItemAttributeDialog(QWidget *owner, QListWidget *attributeList)
    : QWidget(owner), attributeList_(attributeList) {
    setObjectName(QStringLiteral("ItemAttributeDialog"));
    setUpWindow(this, itemAttributeDialogSpec);
    buildControls(this, itemAttributeDialogControls);
    auto *slotBox = control<QComboBox>(this, "组合框2");
    for (const item::AttributeSlot &slot : item::attributeSlots)
        comboAddRow(slotBox, toQString(slot.caption));
    auto *typeBox = control<QComboBox>(this, "组合框1");
    for (const item::AttributeType &type : item::attributeTypes)
        comboAddRow(typeBox, toQString(type.caption));
    bindClick(this, "物品数据添加按钮", &ItemAttributeDialog::onAttributeConfirmClicked);
    pressOnEnter(this, "编辑框1", "物品数据添加按钮");
}

void ItemAttributeDialog::onAttributeConfirmClicked() {
    const std::optional<core::ListEntry> row =
        item::attributeRow(selectedIndex(control<QComboBox>(this, "组合框2")),
                           selectedIndex(control<QComboBox>(this, "组合框1")),
                           readText(control<QLineEdit>(this, "编辑框1")).toStdString());
    if (!row)
        return;
    listAddRow(attributeList_, toQString(row->text), row->tag);
    const int minute = clockMinute();
    const int second = clockSecond();
    writeText(control<QLabel>(this, "透明标签2"), toQString(item::attributeAddedStatus(minute, second)));
}

} // namespace ui
