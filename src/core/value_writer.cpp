// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/value_writer.h"

#include <array>
#include <cstdio>

#include "core/named_text.h"
#include "core/yaml11.h"
#include "core/yaml_scalar.h"

namespace core {
namespace {

bool isBooleanWord(std::string_view text) {
    return resolvePlainScalar(text) == PlainScalarKind::Bool;
}

} // namespace

std::string Place::text() const {
    return isRow_ ? rowPlace(name_, row_) : std::string(name_);
}

std::string visibleText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::string_view rest = text.substr(i);
        // A character is shown as it is when it alone is writable.
        std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        length = std::min(length, rest.size());
        const std::string_view character = rest.substr(0, length);
        if (!holdsUnwritableCharacter(character)) {
            out += character;
            i += length - 1;
            continue;
        }
        static constexpr std::array<std::pair<char, const char *>, 4> named = {
            {{'\r', "\\r"}, {'\n', "\\n"}, {'\t', "\\t"}, {'\0', "\\0"}}};
        bool done = false;
        for (const auto &[c, escape] : named)
            if (text[i] == c) {
                out += escape;
                done = true;
            }
        if (!done) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        }
    }
    return out;
}

void ValueWriter::refuse(Place place, std::string_view typed, std::string_view why) {
    if (refused())
        return;
    warning_ = place.text() + "“" + visibleText(typed) + "”" + std::string(why);
}

bool ValueWriter::writable(Place place, std::string_view typed) {
    if (!holdsUnwritableCharacter(typed))
        return true;
    refuse(place, typed, "含有换行符或控制字符，服务器无法原样读取，请修改后再生成配置！");
    return false;
}

void ValueWriter::text(std::string &out, Place place, std::string_view typed) {
    if (writable(place, typed))
        appendYamlScalar(out, typed);
}

void ValueWriter::quoted(std::string &out, Place place, std::string_view typed) {
    if (writable(place, typed))
        appendSingleQuoted(out, typed);
}

void ValueWriter::number(std::string &out, Place place, std::string_view typed) {
    if (!writable(place, typed))
        return;
    if (const std::optional<std::string> ascii = decimalNumber(typed)) {
        out += *ascii;
        return;
    }
    // Quoting would keep such a text, but as a text where the key wants the number it looks
    // like: no writing gives the server what was meant.
    switch (resolvePlainScalar(typed)) {
    case PlainScalarKind::Int:
    case PlainScalarKind::Float:
    case PlainScalarKind::Bool:
    case PlainScalarKind::Timestamp:
        refuse(place, typed, "会被服务器读成别的数值、日期或是非值，请修改后再生成配置！");
        return;
    default:
        break;
    }
    appendYamlScalar(out, typed);
}

void ValueWriter::optionValue(std::string &out, Place place, std::string_view typed) {
    if (writable(place, typed) && isBooleanWord(typed))
        out += typed;
    else
        number(out, place, typed);
}

void ValueWriter::identifier(std::string &out, Place place, std::string_view typed) {
    if (!writable(place, typed))
        return;
    if (typed.find_first_of(" .") != std::string_view::npos ||
        typed.find("\xE3\x80\x80") != std::string_view::npos ||
        resolvePlainScalar(typed) != PlainScalarKind::String) {
        refuse(place, typed,
               "不能含有空格或“.”，也不能是数字、true、false或null这样的词，请修改编号！");
        return;
    }
    appendYamlScalar(out, typed);
}

} // namespace core
