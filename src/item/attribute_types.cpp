// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/attribute_types.h"

#include "core/number.h"

namespace item {

std::optional<core::ListEntry> attributeRow(int slot, int type, std::string_view value) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= attributeSlots.size())
        return std::nullopt;
    if (type < 0 || static_cast<std::size_t>(type) >= attributeTypes.size())
        return std::nullopt;
    std::string text(attributeTypes[static_cast<std::size_t>(type)].linePrefix);
    text += value;
    return core::ListEntry{std::move(text), slot};
}

std::string attributeAddedStatus(int minute, int second) {
    return core::formatInteger(minute) + "分" + core::formatInteger(second) + "秒:添加属性成功!";
}

} // namespace item
