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

std::string attributeAddedStatus(int minute, int second) {
    return core::formatInteger(minute) + "分" + core::formatInteger(second) + "秒:添加属性成功!";
}

} // namespace item
