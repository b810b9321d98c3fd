// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/entry_save.h"

#include <variant>

namespace core {

std::string describeConfigError(const ConfigError &error) {
    return "第" + std::to_string(error.line) + "行第" + std::to_string(error.column) + "列：" +
           error.message;
}

EntrySave saveEntryIntoFile(std::string_view fileText, const std::optional<LoadedEntry> &loaded,
                            std::string_view identifier, std::string_view newEntryText) {
    auto read = readConfigDocument(fileText);
    if (const auto *error = std::get_if<ConfigError>(&read))
        return {{},
                "文件中已有的内容无法读取（" + describeConfigError(*error) +
                    "），为免丢失其中的条目，没有保存。"};
    const ConfigDocument &document = std::get<ConfigDocument>(read);
    const ConfigNode *same = findEntry(document, identifier);
    const ConfigNode *own = loaded ? findEntry(document, loaded->name) : same;
    if (loaded && same && same != own)
        return {{}, "文件中已有名为“" + std::string(identifier) + "”的条目，请换一个编号！"};
    if (!own)
        return {appendEntry(fileText, newEntryText), {}};
    return {spliceEntry(fileText, own->range, newEntryText, loaded ? loaded->kept : KeptText{}),
            {}};
}

} // namespace core
