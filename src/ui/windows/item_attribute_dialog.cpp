// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/item_attribute_dialog.h"

#include <optional>

#include "item/attribute_types.h"
#include "ui/toolkit/clock.h"
#include "ui/toolkit/message.h"
#include "ui/toolkit/widgets.h"

namespace ui {

ItemAttributeDialog::ItemAttributeDialog(QWidget *owner, QListWidget *attributeList)
    : QWidget(owner), attributeList_(attributeList) {
    setObjectName(QStringLiteral("ItemAttributeDialog"));
    setUpWindow(this, itemAttributeDialogSpec);
    controls_ = buildControls<ItemAttributeDialogControls>(this, itemAttributeDialogControls);
    for (const item::AttributeSlot &slot : item::attributeSlots)
        comboAddRow(controls_.slotBox, toQString(slot.caption));
    for (const item::AttributeType &type : item::attributeTypes)
        comboAddRow(controls_.typeBox, toQString(type.caption));
    makeFilterable(controls_.typeBox);
    connect(controls_.confirmButton, &QPushButton::clicked, this,
            &ItemAttributeDialog::onAttributeConfirmClicked);
    pressOnEnter(controls_.valueEdit, controls_.confirmButton);
}

void ItemAttributeDialog::onAttributeConfirmClicked() {
    const std::optional<core::ListEntry> row =
        item::attributeRow(selectedIndex(controls_.slotBox), selectedIndex(controls_.typeBox),
                           readText(controls_.valueEdit).toStdString());
    if (!row)
        return;
    const std::string duplicate =
        item::duplicateAttributeWarning(listRows(attributeList_), selectedIndex(controls_.slotBox),
                                        selectedIndex(controls_.typeBox));
    if (!duplicate.empty()) {
        showMessage(toQString(duplicate), true);
        return;
    }
    listAddRow(attributeList_, toQString(row->text), row->tag);
    const int minute = clockMinute();
    const int second = clockSecond();
    writeText(controls_.statusLabel, toQString(item::attributeAddedStatus(minute, second)));
}

} // namespace ui
