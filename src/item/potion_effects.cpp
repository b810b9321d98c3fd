// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/potion_effects.h"

#include <charconv>
#include <cstdint>
#include <variant>

#include "item/config_words.h"
#include "item/typed_decimal.h"

namespace item {

// Minecraft 1.20.5 renamed nine of the Bukkit constants after the game's own ids; the rest
// kept their names.
const std::array<PotionEffectType, 33> potionEffectTypes = {{
    {"速度", "SPEED", "SPEED"},
    {"缓慢", "SLOW", "SLOWNESS"},
    {"急迫", "FAST_DIGGING", "HASTE"},
    {"挖掘疲劳", "SLOW_DIGGING", "MINING_FATIGUE"},
    {"力量", "INCREASE_DAMAGE", "STRENGTH"},
    {"瞬间治疗", "HEAL", "INSTANT_HEALTH"},
    {"瞬间伤害", "HARM", "INSTANT_DAMAGE"},
    {"跳跃提升", "JUMP", "JUMP_BOOST"},
    {"反胃", "CONFUSION", "NAUSEA"},
    {"生命恢复", "REGENERATION", "REGENERATION"},
    {"抗性提升", "DAMAGE_RESISTANCE", "RESISTANCE"},
    {"抗火", "FIRE_RESISTANCE", "FIRE_RESISTANCE"},
    {"水下呼吸", "WATER_BREATHING", "WATER_BREATHING"},
    {"隐身", "INVISIBILITY", "INVISIBILITY"},
    {"失明", "BLINDNESS", "BLINDNESS"},
    {"夜视", "NIGHT_VISION", "NIGHT_VISION"},
    {"饥饿", "HUNGER", "HUNGER"},
    {"虚弱", "WEAKNESS", "WEAKNESS"},
    {"中毒", "POISON", "POISON"},
    {"凋零", "WITHER", "WITHER"},
    {"生命提升", "HEALTH_BOOST", "HEALTH_BOOST"},
    {"伤害吸收", "ABSORPTION", "ABSORPTION"},
    {"饱和", "SATURATION", "SATURATION"},
    {"发光", "GLOWING", "GLOWING"},
    {"飘浮", "LEVITATION", "LEVITATION"},
    {"幸运", "LUCK", "LUCK"},
    {"霉运", "UNLUCK", "UNLUCK"},
    {"缓降", "SLOW_FALLING", "SLOW_FALLING"},
    {"潮涌能量", "CONDUIT_POWER", "CONDUIT_POWER"},
    {"海豚的恩惠", "DOLPHINS_GRACE", "DOLPHINS_GRACE"},
    {"不祥之兆", "BAD_OMEN", "BAD_OMEN"},
    {"村庄英雄", "HERO_OF_THE_VILLAGE", "HERO_OF_THE_VILLAGE"},
    {"黑暗", "DARKNESS", "DARKNESS"},
}};

namespace {

// The longest effect a row may ask for, so that the ticks fit Bukkit's int duration.
constexpr std::int64_t longestSeconds = 107374182;
constexpr int highestLevel = 255;

struct PotionEffect {
    std::size_t typeRow;
    std::int32_t ticks;
    int fileLevel;
};

bool allZeros(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

// The typed seconds in whole ticks, or the warning that refuses them.
std::variant<std::int64_t, std::string_view> secondsToTicks(std::string_view text) {
    if (text.empty())
        return potionSecondsEmptyWarning;
    const std::optional<TypedDecimal> seconds = readTypedDecimal(text);
    if (!seconds)
        return potionSecondsNotNumberWarning;
    if (seconds->negative && !(seconds->wholeDigits.empty() && allZeros(seconds->fractionDigits)))
        return potionSecondsNegativeWarning;
    // Nine digits hold the longest duration; more cannot be a duration a row may ask for.
    if (seconds->wholeDigits.size() > 9)
        return potionSecondsTooLongWarning;
    std::int64_t whole = 0;
    for (char digit : seconds->wholeDigits)
        whole = whole * 10 + (digit - '0');
    // Every half-tick boundary (2k + 1) / 40 s has three decimals, so the first three
    // fraction digits decide the rounding exactly.
    std::string thousandths = seconds->fractionDigits.substr(0, 3);
    thousandths.resize(3, '0');
    const std::int64_t fraction = std::stoll(thousandths);
    const std::int64_t ticks = whole * ticksPerSecond + (fraction * ticksPerSecond + 500) / 1000;
    if (ticks < 1)
        return potionSecondsTooShortWarning;
    if (ticks > longestSeconds * ticksPerSecond)
        return potionSecondsTooLongWarning;
    return ticks;
}

// The level as the game shows it, or the warning that refuses it.
std::variant<int, std::string_view> readLevel(std::string_view text) {
    if (text.empty())
        return potionLevelEmptyWarning;
    const std::optional<TypedDecimal> level = readTypedDecimal(text);
    if (!level || !allZeros(level->fractionDigits))
        return potionLevelNotWholeWarning;
    if (level->wholeDigits.empty() || level->negative || level->wholeDigits.size() > 3)
        return potionLevelRangeWarning;
    const int value = std::stoi(level->wholeDigits);
    if (value > highestLevel)
        return potionLevelRangeWarning;
    return value;
}

std::optional<std::size_t> typeRowOfKey(std::string_view word) {
    const std::string key = upperAscii(word);
    for (std::size_t row = 0; row < potionEffectTypes.size(); ++row) {
        if (potionEffectTypes[row].legacyKey == key || potionEffectTypes[row].modernKey == key)
            return row;
    }
    return std::nullopt;
}

// A file's number: ASCII digits only, as the plugin writes and reads them.
template <typename Int> std::optional<Int> readPlainInteger(std::string_view word) {
    if (word.empty() || word.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    Int value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::optional<PotionEffect> readEffectLine(std::string_view line) {
    const std::vector<std::string_view> words = splitWords(line);
    if (words.size() != 3)
        return std::nullopt;
    const std::optional<std::size_t> typeRow = typeRowOfKey(words[0]);
    const std::optional<std::int32_t> ticks = readPlainInteger<std::int32_t>(words[1]);
    const std::optional<int> fileLevel = readPlainInteger<int>(words[2]);
    if (!typeRow || !ticks || *ticks < 1 || !fileLevel || *fileLevel > highestLevel - 1)
        return std::nullopt;
    return PotionEffect{*typeRow, *ticks, *fileLevel};
}

std::string effectLine(const PotionEffect &effect, core::TargetServer target) {
    std::string line(potionEffectKey(potionEffectTypes[effect.typeRow], target));
    line += ' ';
    line += std::to_string(effect.ticks);
    line += ' ';
    line += std::to_string(effect.fileLevel);
    return line;
}

// Ticks are twentieths of a second, so two decimals always show them exactly.
std::string secondsCaption(std::int32_t ticks) {
    std::string text = std::to_string(ticks / ticksPerSecond);
    const int hundredths = ticks % ticksPerSecond * (100 / ticksPerSecond);
    if (hundredths != 0) {
        text += '.';
        text += static_cast<char>('0' + hundredths / 10);
        if (hundredths % 10 != 0)
            text += static_cast<char>('0' + hundredths % 10);
    }
    return text;
}

} // namespace

std::string_view potionEffectKey(const PotionEffectType &type, core::TargetServer target) {
    return target == core::TargetServer::Mm4 ? type.legacyKey : type.modernKey;
}

bool takesPotionEffects(std::string_view itemId) {
    const std::string name = materialName(itemId);
    return name == "potion" || name == "splash_potion" || name == "lingering_potion" ||
           name == "tipped_arrow";
}

mob::RowOutcome potionEffectRow(int typeRow, std::string_view secondsText,
                                std::string_view levelText) {
    if (typeRow < 0 || static_cast<std::size_t>(typeRow) >= potionEffectTypes.size())
        return mob::RowOutcome::nothing();
    const auto ticks = secondsToTicks(secondsText);
    if (const auto *warning = std::get_if<std::string_view>(&ticks))
        return mob::RowOutcome::warn(*warning);
    const auto level = readLevel(levelText);
    if (const auto *warning = std::get_if<std::string_view>(&level))
        return mob::RowOutcome::warn(*warning);
    const PotionEffect effect{static_cast<std::size_t>(typeRow),
                              static_cast<std::int32_t>(std::get<std::int64_t>(ticks)),
                              std::get<int>(level) - 1};
    return mob::RowOutcome::add(effectLine(effect, core::TargetServer::Mm5));
}

std::optional<std::int32_t> potionEffectTicks(std::string_view secondsText) {
    const auto ticks = secondsToTicks(secondsText);
    if (const auto *whole = std::get_if<std::int64_t>(&ticks))
        return static_cast<std::int32_t>(*whole);
    return std::nullopt;
}

std::optional<core::ListEntry> potionEffectRowFromLine(std::string_view line) {
    const std::optional<PotionEffect> effect = readEffectLine(line);
    if (!effect)
        return std::nullopt;
    return core::ListEntry{effectLine(*effect, core::TargetServer::Mm5), 0};
}

std::string potionEffectListText(const core::ListEntry &row) {
    const std::optional<PotionEffect> effect = readEffectLine(row.text);
    if (!effect)
        return row.text;
    std::string text(potionEffectTypes[effect->typeRow].caption);
    text += ' ';
    text += secondsCaption(effect->ticks);
    text += "秒 等级";
    text += std::to_string(effect->fileLevel + 1);
    return text;
}

std::string buildPotionEffectBlock(const std::vector<core::ListEntry> &rows,
                                   core::TargetServer target) {
    std::string entries;
    for (const core::ListEntry &row : rows) {
        const std::optional<PotionEffect> effect = readEffectLine(row.text);
        if (!effect)
            continue;
        entries += "  - ";
        entries += effectLine(*effect, target);
        entries += "\r\n";
    }
    return entries.empty() ? std::string() : "  PotionEffects:\r\n" + entries;
}

} // namespace item
