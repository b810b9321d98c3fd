// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/skill_line.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "mob/skill_catalogue.h"

namespace mob {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0u) == 0x80u;
}

// Whether the text is well-formed UTF-8 whose every character can stand on one line of the
// mob file: no C0 or C1 control character (tab, CR, LF and NUL among them), no DEL, no
// encoded surrogate, no U+2028 or U+2029 (line breaks to YAML 1.1 readers) and no U+FFFE
// or U+FFFF, which YAML does not allow.
bool holdsOnlyLineCharacters(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            if (b0 < 0x20 || b0 == 0x7F)
                return false;
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t cp = 0;
        char32_t smallest = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2, cp = b0 & 0x1Fu, smallest = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3, cp = b0 & 0x0Fu, smallest = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4, cp = b0 & 0x07u, smallest = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(b))
                return false;
            cp = (cp << 6) | (b & 0x3Fu);
        }
        if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) ||
            (cp >= 0x80 && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029 || cp == 0xFFFE ||
            cp == 0xFFFF)
            return false;
        i += length;
    }
    return true;
}

// Full-width forms U+FF01..U+FF5E become their ASCII characters and the ideographic space a
// space, as core::parseNumber reads them; every other character stays. The text is valid
// UTF-8 by the time this runs.
std::string foldFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (i + 2 < text.size() && (b0 == 0xE3 || b0 == 0xEF)) {
            const unsigned cp = ((b0 & 0x0Fu) << 12) |
                                ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                                (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            if (cp == 0x3000) {
                out += ' ';
                i += 3;
                continue;
            }
            if (cp >= 0xFF01 && cp <= 0xFF5E) {
                out += static_cast<char>(cp - 0xFEE0);
                i += 3;
                continue;
            }
        }
        out += text[i];
        ++i;
    }
    return out;
}

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// What the user typed in a field that is read rather than copied: full-width folded,
// surrounding blanks dropped.
std::string readField(std::string_view typed) {
    return std::string(trimSpaces(foldFullWidth(typed)));
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// Digits with an optional fraction, "5", "0.25", ".5" or "5.", and no sign.
bool isUnsignedDecimal(std::string_view text) {
    const std::size_t integerEnd = skipDigits(text, 0);
    if (integerEnd == text.size())
        return integerEnd > 0;
    if (text[integerEnd] != '.')
        return false;
    const std::size_t fractionEnd = skipDigits(text, integerEnd + 1);
    return fractionEnd == text.size() && fractionEnd > 1;
}

std::string_view withoutSign(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    return text;
}

bool isDecimal(std::string_view text) {
    return isUnsignedDecimal(withoutSign(text));
}

bool isInteger(std::string_view text) {
    const std::string_view digits = withoutSign(text);
    return !digits.empty() && skipDigits(digits, 0) == digits.size();
}

// Compares two unsigned decimals digit by digit, so that no rounding lets 1.00000000000000001
// pass for 1: negative, zero or positive as a is below, equal to or above b.
int compareDecimals(std::string_view a, std::string_view b) {
    const auto split = [](std::string_view text) {
        const std::size_t point = std::min(text.find('.'), text.size());
        std::string_view integer = text.substr(0, point);
        while (!integer.empty() && integer.front() == '0')
            integer.remove_prefix(1);
        return std::pair(integer, text.substr(std::min(point + 1, text.size())));
    };
    const auto [aInteger, aFraction] = split(a);
    const auto [bInteger, bFraction] = split(b);
    if (aInteger.size() != bInteger.size())
        return aInteger.size() < bInteger.size() ? -1 : 1;
    if (const int c = aInteger.compare(bInteger); c != 0)
        return c;
    for (std::size_t i = 0; i < std::max(aFraction.size(), bFraction.size()); ++i) {
        const char x = i < aFraction.size() ? aFraction[i] : '0';
        const char y = i < bFraction.size() ? bFraction[i] : '0';
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

std::string joinedChoices(std::string_view choices) {
    std::string joined;
    for (const std::string_view choice : listEntries(choices)) {
        if (!joined.empty())
            joined += "、";
        joined += choice;
    }
    return joined;
}

// Whether the braces of a text close properly: every "}" closes an earlier "{".
bool bracesBalanced(std::string_view text) {
    int depth = 0;
    for (const char c : text) {
        if (c == '{')
            ++depth;
        else if (c == '}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

// The characters that end a value or split an argument unless the value is in quotes.
bool needsQuotes(std::string_view text) {
    return text.find_first_of(";= '") != std::string_view::npos ||
           text.find("\u3000") != std::string_view::npos;
}

std::string outsideBraces(std::string_view text) {
    std::string outside;
    int depth = 0;
    for (const char c : text) {
        if (c == '{')
            ++depth;
        else if (c == '}')
            --depth;
        else if (depth == 0)
            outside += c;
    }
    return outside;
}

// The plugin reads a value up to the next ";" or "}" unless it is in double quotes, and has
// no escape inside them: a double quote must be typed as <&dq>. Braces in a value only work
// when they nest, as in target=@NearestPlayer{r=30}; the plugin's own quotes cannot hold them.
std::string writeText(std::string_view typed, std::string_view field, std::string &written) {
    if (typed.find('"') != std::string_view::npos)
        return std::string(field) + "不能含英文双引号，请用 <&dq> 代替！";
    if (typed.find_first_of("{}") != std::string_view::npos) {
        if (!bracesBalanced(typed) || needsQuotes(outsideBraces(typed)))
            return std::string(field) + "的花括号无法写入，请用 <&lc> 和 <&rc> 代替！";
        written = typed;
        return {};
    }
    written = needsQuotes(typed) ? "\"" + std::string(typed) + "\"" : std::string(typed);
    return {};
}

// Checks one filled argument or option and sets the text its "name=" is followed by, or
// returns the warning.
std::string writeValue(const SkillArgument &argument, std::string_view typed,
                       std::string_view field, std::string &written) {
    if (!holdsOnlyLineCharacters(typed))
        return std::string(field) + "含有换行、制表符等控制字符或无效字符！";
    const std::string read = readField(typed);
    switch (argument.type) {
    case ArgumentType::Number:
        if (!isDecimal(read))
            return std::string(field) + "必须是数字！";
        written = read;
        return {};
    case ArgumentType::Integer:
        if (!isInteger(read))
            return std::string(field) + "必须是整数！";
        written = read;
        return {};
    case ArgumentType::YesNo:
        for (const std::string_view yes : {"true", "yes", "是"})
            if (equalIgnoringAsciiCase(read, yes)) {
                written = "true";
                return {};
            }
        for (const std::string_view no : {"false", "no", "否"})
            if (equalIgnoringAsciiCase(read, no)) {
                written = "false";
                return {};
            }
        return std::string(field) + "只能填 true 或 false！";
    case ArgumentType::Choice:
        for (const std::string_view choice : listEntries(argument.choices))
            if (equalIgnoringAsciiCase(read, choice)) {
                written = choice;
                return {};
            }
        return std::string(field) + "只能是以下之一：" + joinedChoices(argument.choices) + "！";
    case ArgumentType::Text:
        return writeText(typed, field, written);
    }
    return {};
}

// "{name=value;…}" of the filled values, empty when none is filled; the warning of the
// first refused value otherwise. Sets outOfRange for an index past the arguments.
template <typename ArgumentOf>
std::string writeArguments(const std::map<std::size_t, std::string> &filled, std::size_t count,
                           ArgumentOf argumentOf, std::string_view fieldKind, std::string &braces,
                           bool &outOfRange) {
    std::string joined;
    for (const auto &[index, typed] : filled) {
        if (index >= count) {
            outOfRange = true;
            return {};
        }
        if (typed.empty())
            continue;
        const SkillArgument &argument = argumentOf(index);
        const std::string field = std::string(fieldKind) + "“" + std::string(argument.name) + "”";
        std::string written;
        if (std::string warning = writeValue(argument, typed, field, written); !warning.empty())
            return warning;
        if (!joined.empty())
            joined += ';';
        joined += std::string(argument.name) + "=" + written;
    }
    braces = joined.empty() ? std::string() : "{" + joined + "}";
    return {};
}

constexpr std::string_view freeMechanicField = "自定义技能";

std::string writeFreeMechanic(std::string_view typed, std::string &written) {
    if (!holdsOnlyLineCharacters(typed))
        return std::string(freeMechanicField) + "含有换行、制表符等控制字符或无效字符！";
    const std::string_view text = trimSpaces(typed);
    if (text.empty())
        return "请选择技能机制或填写自定义技能！";
    if (!isAsciiLetter(text.front()))
        return std::string(freeMechanicField) + "应以技能机制名开头，例如 damage{amount=10}！";
    std::size_t quotes = 0;
    std::string unquoted;
    for (const char c : text) {
        if (c == '"')
            ++quotes;
        else if (quotes % 2 == 0)
            unquoted += c;
    }
    if (quotes % 2 != 0)
        return std::string(freeMechanicField) + "的双引号不成对！";
    if (!bracesBalanced(unquoted))
        return std::string(freeMechanicField) + "的花括号不成对！";
    written = text;
    return {};
}

constexpr std::string_view ticksWarning = "定时触发的间隔必须是大于0的整数(tick)！";

// onTimer reads its ticks as a Java int.
std::string writeTicks(std::string_view typed, std::string &written) {
    if (!holdsOnlyLineCharacters(typed))
        return std::string(ticksWarning);
    std::string digits = readField(typed);
    if (digits.empty() || skipDigits(digits, 0) != digits.size())
        return std::string(ticksWarning);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    constexpr std::string_view intMax = "2147483647";
    if (digits.empty() || digits.size() > intMax.size() ||
        (digits.size() == intMax.size() && digits > intMax))
        return std::string(ticksWarning);
    written = digits;
    return {};
}

std::string writeSignal(std::string_view typed, std::string &written) {
    for (const char c : typed)
        if (!isAsciiLetter(c) && !isDigit(c) && c != '_')
            return "信号名称只能含英文字母、数字和下划线！";
    written = typed;
    return {};
}

constexpr std::string_view healthFormatWarning =
    "血量条件格式不正确，应如 <50%、>500 或 =30%-50%！";

// One bound of a health modifier: a number of health points or a percentage up to 100.
struct HealthBound {
    std::string_view number;
    bool percent;
};

HealthBound splitBound(std::string_view text) {
    const bool percent = !text.empty() && text.back() == '%';
    if (percent)
        text.remove_suffix(1);
    return {text, percent};
}

std::string writeHealthModifier(std::string_view typed, std::string &written) {
    if (!holdsOnlyLineCharacters(typed))
        return "血量条件含有换行、制表符等控制字符或无效字符！";
    const std::string read = readField(typed);
    if (read.empty() || std::string_view("=<>").find(read.front()) == std::string_view::npos)
        return std::string(healthFormatWarning);
    const std::string_view body = std::string_view(read).substr(1);
    // Only "=" takes a range, two percentages joined by "-" as in =30%-50%.
    const std::size_t dash = read.front() == '=' ? body.find('-') : std::string_view::npos;
    std::vector<HealthBound> bounds = {splitBound(body.substr(0, dash))};
    if (dash != std::string_view::npos)
        bounds.push_back(splitBound(body.substr(dash + 1)));
    for (const HealthBound &bound : bounds) {
        if (!isUnsignedDecimal(bound.number))
            return std::string(healthFormatWarning);
        if (bound.percent && compareDecimals(bound.number, "100") > 0)
            return "血量百分比不能超过100%！";
    }
    if (bounds.size() == 2) {
        if (!bounds[0].percent || !bounds[1].percent)
            return std::string(healthFormatWarning);
        if (compareDecimals(bounds[0].number, bounds[1].number) > 0)
            return "血量范围应从小到大写，例如 =30%-50%！";
    }
    written = read;
    return {};
}

constexpr std::string_view chanceWarning = "触发几率必须是0到1之间的数字！";

std::string writeChance(std::string_view typed, std::string &written) {
    if (!holdsOnlyLineCharacters(typed))
        return "触发几率含有换行、制表符等控制字符或无效字符！";
    const std::string read = readField(typed);
    if (!isUnsignedDecimal(read) || compareDecimals(read, "1") > 0)
        return std::string(chanceWarning);
    written = read;
    return {};
}

} // namespace

RowOutcome composeSkillLine(const SkillLine &line) {
    std::string text;
    bool outOfRange = false;
    if (line.mechanic) {
        if (*line.mechanic >= mechanics.size())
            return RowOutcome::nothing();
        const Mechanic &mechanic = mechanics[*line.mechanic];
        std::string braces;
        const std::string warning = writeArguments(
            line.arguments, argumentCount(mechanic),
            [&](std::size_t i) -> const SkillArgument & { return argumentAt(mechanic, i); }, "参数",
            braces, outOfRange);
        if (outOfRange)
            return RowOutcome::nothing();
        if (!warning.empty())
            return RowOutcome::warn(warning);
        text = std::string(mechanic.key) + braces;
    } else if (std::string warning = writeFreeMechanic(line.freeMechanic, text); !warning.empty()) {
        return RowOutcome::warn(warning);
    }

    if (line.targeter) {
        if (*line.targeter >= targeters.size())
            return RowOutcome::nothing();
        const Targeter &targeter = targeters[*line.targeter];
        std::string braces;
        const std::string warning = writeArguments(
            line.targeterOptions, targeter.options.size(),
            [&](std::size_t i) -> const SkillArgument & { return targeter.options[i]; }, "目标选项",
            braces, outOfRange);
        if (outOfRange)
            return RowOutcome::nothing();
        if (!warning.empty())
            return RowOutcome::warn(warning);
        text += " @" + std::string(targeter.key) + braces;
    }

    if (line.trigger) {
        if (*line.trigger >= triggers.size())
            return RowOutcome::nothing();
        const Trigger &trigger = triggers[*line.trigger];
        std::string value;
        std::string warning;
        if (trigger.value == TriggerValue::Ticks)
            warning = writeTicks(line.triggerValue, value);
        else if (trigger.value == TriggerValue::Signal)
            warning = writeSignal(line.triggerValue, value);
        if (!warning.empty())
            return RowOutcome::warn(warning);
        text += " ~" + std::string(trigger.key) + (value.empty() ? "" : ":" + value);
    }

    if (!line.healthModifier.empty()) {
        std::string modifier;
        if (std::string warning = writeHealthModifier(line.healthModifier, modifier);
            !warning.empty())
            return RowOutcome::warn(warning);
        text += " " + modifier;
    }
    if (!line.chance.empty()) {
        std::string chance;
        if (std::string warning = writeChance(line.chance, chance); !warning.empty())
            return RowOutcome::warn(warning);
        text += " " + chance;
    }
    return RowOutcome::add(std::move(text));
}

} // namespace mob
