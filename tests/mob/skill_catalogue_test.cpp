// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/skill_catalogue.h"

#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "mob/skill_line.h"
#include "skill_line_checks.h"

namespace {

using mob::ArgumentType;
using mob::SkillArgument;

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// A value the field accepts: the documented default where there is one.
std::string sampleValue(const SkillArgument &argument) {
    if (!argument.defaultValue.empty())
        return std::string(argument.defaultValue);
    switch (argument.type) {
    case ArgumentType::Number:
        return "2.5";
    case ArgumentType::Integer:
        return "3";
    case ArgumentType::YesNo:
        return "true";
    case ArgumentType::Choice:
        return std::string(mob::listEntries(argument.choices).back());
    case ArgumentType::Text:
        return "Sample_Skill";
    }
    return {};
}

// Composes, expects a line in the plugin's syntax and keeps it in composed, for the server's
// reader to read back all at once.
std::string composedReadable(const mob::SkillLine &line, std::vector<std::string> &composed) {
    const mob::RowOutcome outcome = mob::composeSkillLine(line);
    EXPECT_EQ(outcome.warning, "");
    if (!outcome.row)
        return {};
    const std::string &text = outcome.row->text;
    EXPECT_TRUE(skilltest::inSkillSyntax(text)) << text;
    composed.push_back(text);
    return text;
}

template <typename Rows> void expectUniqueKeysAndCaptions(const Rows &rows) {
    std::set<std::string> keys;
    std::set<std::string_view> captions;
    for (const auto &row : rows) {
        EXPECT_FALSE(row.caption.empty()) << row.key;
        EXPECT_TRUE(keys.insert(lowered(row.key)).second) << "key " << row.key;
        EXPECT_TRUE(captions.insert(row.caption).second) << "caption " << row.caption;
    }
}

TEST(SkillCatalogue, KeysAndCaptionsAreUniquePerTable) {
    expectUniqueKeysAndCaptions(mob::mechanics);
    expectUniqueKeysAndCaptions(mob::targeters);
    expectUniqueKeysAndCaptions(mob::triggers);
}

// The plugin matches argument names and aliases without regard to case, so two arguments of
// one mechanic, universal attributes included, must never share a spelling.
void expectWellFormedArguments(std::string_view owner, std::size_t count, const auto &argumentOf) {
    std::set<std::string> spellings;
    for (std::size_t i = 0; i < count; ++i) {
        const SkillArgument &argument = argumentOf(i);
        SCOPED_TRACE(std::string(owner) + " " + std::string(argument.name));
        EXPECT_FALSE(argument.name.empty());
        EXPECT_TRUE(spellings.insert(lowered(argument.name)).second);
        for (const std::string_view alias : mob::listEntries(argument.aliases)) {
            EXPECT_FALSE(alias.empty());
            EXPECT_TRUE(spellings.insert(lowered(alias)).second) << alias;
        }
        const auto choices = mob::listEntries(argument.choices);
        EXPECT_EQ(argument.type == ArgumentType::Choice, !choices.empty());
        if (argument.type == ArgumentType::Choice && !argument.defaultValue.empty()) {
            EXPECT_NE(std::find(choices.begin(), choices.end(), argument.defaultValue),
                      choices.end());
        }
    }
}

TEST(SkillCatalogue, ArgumentsAreWellFormed) {
    for (const mob::Mechanic &mechanic : mob::mechanics)
        expectWellFormedArguments(mechanic.key, mob::argumentCount(mechanic),
                                  [&](std::size_t i) { return mob::argumentAt(mechanic, i); });
    for (const mob::Targeter &targeter : mob::targeters)
        expectWellFormedArguments(targeter.key, targeter.options.size(),
                                  [&](std::size_t i) { return targeter.options[i]; });
}

// Every default is a value its own field accepts, and every field written alone or all
// together gives a line in the plugin's syntax that the server reads back from the file.
TEST(SkillCatalogue, EveryMechanicComposesWithDefaultsAndEachArgument) {
    std::vector<std::string> composed;
    for (std::size_t row = 0; row < mob::mechanics.size(); ++row) {
        const mob::Mechanic &mechanic = mob::mechanics[row];
        SCOPED_TRACE(mechanic.key);
        mob::SkillLine line{.mechanic = row};
        EXPECT_EQ(composedReadable(line, composed), mechanic.key);
        mob::SkillLine everything = line;
        for (std::size_t i = 0; i < mob::argumentCount(mechanic); ++i) {
            const SkillArgument &argument = mob::argumentAt(mechanic, i);
            mob::SkillLine one = line;
            one.arguments[i] = sampleValue(argument);
            everything.arguments[i] = sampleValue(argument);
            const std::string text = composedReadable(one, composed);
            EXPECT_EQ(
                text.rfind(std::string(mechanic.key) + "{" + std::string(argument.name) + "=", 0),
                0u)
                << text;
        }
        composedReadable(everything, composed);
    }
    SKIP_WITHOUT_SERVER_READER();
    skilltest::expectReadBackAsComposed(composed);
}

TEST(SkillCatalogue, EveryTargeterComposesWithDefaultsAndEachOption) {
    std::vector<std::string> composed;
    for (std::size_t row = 0; row < mob::targeters.size(); ++row) {
        const mob::Targeter &targeter = mob::targeters[row];
        SCOPED_TRACE(targeter.key);
        mob::SkillLine line{.mechanic = 0, .targeter = row};
        const std::string plain = composedReadable(line, composed);
        EXPECT_EQ(plain, std::string(mob::mechanics[0].key) + " @" + std::string(targeter.key));
        mob::SkillLine everything = line;
        for (std::size_t i = 0; i < targeter.options.size(); ++i) {
            mob::SkillLine one = line;
            one.targeterOptions[i] = sampleValue(targeter.options[i]);
            everything.targeterOptions[i] = sampleValue(targeter.options[i]);
            const std::string text = composedReadable(one, composed);
            EXPECT_NE(text.find(" @" + std::string(targeter.key) + "{" +
                                std::string(targeter.options[i].name) + "="),
                      std::string::npos)
                << text;
        }
        composedReadable(everything, composed);
    }
    SKIP_WITHOUT_SERVER_READER();
    skilltest::expectReadBackAsComposed(composed);
}

TEST(SkillCatalogue, EveryTriggerComposesWithItsValue) {
    std::vector<std::string> composed;
    for (std::size_t row = 0; row < mob::triggers.size(); ++row) {
        const mob::Trigger &trigger = mob::triggers[row];
        SCOPED_TRACE(trigger.key);
        std::string value;
        if (trigger.value == mob::TriggerValue::Ticks)
            value = "100";
        else if (trigger.value == mob::TriggerValue::Signal)
            value = "ATTACK";
        mob::SkillLine line{.mechanic = 0, .trigger = row, .triggerValue = value};
        EXPECT_EQ(composedReadable(line, composed), std::string(mob::mechanics[0].key) + " ~" +
                                                        std::string(trigger.key) +
                                                        (value.empty() ? "" : ":" + value));
    }
    SKIP_WITHOUT_SERVER_READER();
    skilltest::expectReadBackAsComposed(composed);
}

TEST(SkillCatalogue, FilterMatchesCaptionOrKeyAsTyped) {
    const auto keysOf = [](const std::vector<std::size_t> &rows) {
        std::vector<std::string_view> keys;
        for (const std::size_t row : rows)
            keys.push_back(mob::mechanics[row].key);
        return keys;
    };
    using Keys = std::vector<std::string_view>;
    EXPECT_EQ(keysOf(mob::matchingMechanics("治疗")), (Keys{"heal", "healpercent"}));
    EXPECT_EQ(keysOf(mob::matchingMechanics("HEAL")), (Keys{"heal", "healpercent"}));
    EXPECT_EQ(keysOf(mob::matchingMechanics("粒子")),
              (Keys{"effect:particles", "effect:particlesphere", "effect:particlering",
                    "effect:particleline"}));
    EXPECT_EQ(mob::matchingMechanics("").size(), mob::mechanics.size());
    EXPECT_TRUE(mob::matchingMechanics("不存在的机制").empty());

    const std::vector<std::size_t> timer = mob::matchingTriggers("timer");
    ASSERT_EQ(timer.size(), 1u);
    EXPECT_EQ(mob::triggers[timer[0]].key, "onTimer");
    const std::vector<std::size_t> radius = mob::matchingTargeters("半径内");
    EXPECT_EQ(radius.size(), 3u);
}

} // namespace
