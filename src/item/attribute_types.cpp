// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/attribute_types.h"

#include "core/number.h"
#include "core/table_row.h"

namespace item {

std::optional<core::ListEntry> attributeRow(int slot, int type, std::string_view value) {
    const AttributeType *attribute = core::tableRow(attributeTypes, type);
    if (!core::tableRow(attributeSlots, slot) || !attribute)
        return std::nullopt;
    std::string text(attribute->linePrefix);
    text += value;
    return core::ListEntry{std::move(text), slot};
}

std::string duplicateAttributeWarning(const std::vector<core::ListEntry> &rows, int slot,
                                      int type) {
    const AttributeSlot *slotRow = core::tableRow(attributeSlots, slot);
    const AttributeType *attribute = core::tableRow(attributeTypes, type);
    if (!slotRow || !attribute)
        return {};
    for (const core::ListEntry &row : rows)
        if (row.tag == slot && std::string_view(row.text).starts_with(attribute->linePrefix))
            return "“" + std::string(slotRow->caption) + "”中已有“" +
                   std::string(attribute->caption) + "”，不能重复添加！";
    return {};
}

std::string attributeAddedStatus(int minute, int second) {
    return core::formatInteger(minute) + "分" + core::formatInteger(second) + "秒:添加属性成功!";
}

} // namespace item
