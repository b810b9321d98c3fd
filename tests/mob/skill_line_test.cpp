// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/skill_line.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "mob/skill_catalogue.h"
#include "skill_line_checks.h"

namespace {

using mob::RowOutcome;
using mob::SkillLine;

template <typename Rows> std::size_t rowOf(const Rows &rows, std::string_view key) {
    const auto found =
        std::find_if(rows.begin(), rows.end(), [&](const auto &row) { return row.key == key; });
    EXPECT_NE(found, rows.end()) << key;
    return static_cast<std::size_t>(found - rows.begin());
}

std::size_t mechanic(std::string_view key) {
    return rowOf(mob::mechanics, key);
}
std::size_t targeter(std::string_view key) {
    return rowOf(mob::targeters, key);
}
std::size_t trigger(std::string_view key) {
    return rowOf(mob::triggers, key);
}

std::size_t argument(std::string_view mechanicKey, std::string_view name) {
    const mob::Mechanic &m = mob::mechanics[mechanic(mechanicKey)];
    for (std::size_t i = 0; i < mob::argumentCount(m); ++i)
        if (mob::argumentAt(m, i).name == name)
            return i;
    ADD_FAILURE() << mechanicKey << " has no " << name;
    return 0;
}

std::size_t option(std::string_view targeterKey, std::string_view name) {
    const mob::Targeter &t = mob::targeters[targeter(targeterKey)];
    for (std::size_t i = 0; i < t.options.size(); ++i)
        if (t.options[i].name == name)
            return i;
    ADD_FAILURE() << targeterKey << " has no " << name;
    return 0;
}

// A line of the damage mechanic with one argument filled.
SkillLine damageWith(std::string_view name, std::string value) {
    return {.mechanic = mechanic("damage"), .arguments = {{argument("damage", name), value}}};
}

struct ComposeCase {
    const char *what;
    SkillLine line;
    std::string expected;
};

void PrintTo(const ComposeCase &c, std::ostream *os) {
    *os << c.what;
}

class SkillLineCompose : public testing::TestWithParam<ComposeCase> {};

TEST_P(SkillLineCompose, WritesThePluginSyntax) {
    const RowOutcome outcome = mob::composeSkillLine(GetParam().line);
    EXPECT_EQ(outcome, RowOutcome::add(GetParam().expected));
    EXPECT_TRUE(skilltest::inSkillSyntax(GetParam().expected));
}

const std::vector<ComposeCase> composeCases = {
    ComposeCase{"attack with chance",
                {.mechanic = mechanic("damage"),
                 .arguments = {{argument("damage", "amount"), "10"},
                               {argument("damage", "ignoreArmor"), "true"}},
                 .targeter = targeter("target"),
                 .trigger = trigger("onAttack"),
                 .chance = "0.5"},
                "damage{amount=10;ignoreArmor=true} @target ~onAttack 0.5"},
    ComposeCase{"timer with ticks",
                {.mechanic = mechanic("skill"),
                 .arguments = {{argument("skill", "skill"), "FireRing"}},
                 .targeter = targeter("self"),
                 .trigger = trigger("onTimer"),
                 .triggerValue = "100"},
                "skill{skill=FireRing} @self ~onTimer:100"},
    ComposeCase{"quoted message, targeter option, health and chance",
                {.mechanic = mechanic("message"),
                 .arguments = {{argument("message", "message"), "<caster.name> 怒了"}},
                 .targeter = targeter("PlayersInRadius"),
                 .targeterOptions = {{option("PlayersInRadius", "radius"), "20"}},
                 .trigger = trigger("onDamaged"),
                 .healthModifier = "<50%",
                 .chance = "1"},
                "message{message=\"<caster.name> 怒了\"} @PlayersInRadius{radius=20} "
                "~onDamaged <50% 1"},
    // Only filled fields are written; none filled leaves the braces out.
    ComposeCase{"bare mechanic", {.mechanic = mechanic("cancelevent")}, "cancelevent"},
    ComposeCase{"blank arguments are not written",
                {.mechanic = mechanic("damage"),
                 .arguments = {{argument("damage", "amount"), ""}},
                 .targeter = targeter("PlayersInRadius"),
                 .targeterOptions = {{0, ""}}},
                "damage @PlayersInRadius"},
    ComposeCase{
        "arguments in catalogue order, universal attributes last",
        {.mechanic = mechanic("damage"),
         .arguments = {{argument("damage", "cooldown"), "5"}, {argument("damage", "amount"), "3"}}},
        "damage{amount=3;cooldown=5}"},
    // What is read is written in ASCII.
    ComposeCase{"full-width numbers", damageWith("amount", "１０．５"), "damage{amount=10.5}"},
    ComposeCase{"signed and blank-padded number", damageWith("amount", " -2 "),
                "damage{amount=-2}"},
    ComposeCase{"yes in Chinese", damageWith("ignoreArmor", "是"), "damage{ignoreArmor=true}"},
    ComposeCase{"no in capitals", damageWith("ignoreArmor", "FALSE"), "damage{ignoreArmor=false}"},
    ComposeCase{
        "choice in any case",
        {.mechanic = mechanic("velocity"), .arguments = {{argument("velocity", "mode"), "add"}}},
        "velocity{mode=ADD}"},
    ComposeCase{"full-width trigger, health and chance",
                {.mechanic = mechanic("heal"),
                 .trigger = trigger("onTimer"),
                 .triggerValue = "０２００",
                 .healthModifier = "＜５０％",
                 .chance = "０．２"},
                "heal ~onTimer:200 <50% 0.2"},
    // Text is quoted when ; = blanks or ' would end or split it, kept when braces nest.
    ComposeCase{"text with semicolon", damageWith("damagetype", "a;b"),
                "damage{damagetype=\"a;b\"}"},
    ComposeCase{"text with equals", damageWith("tags", "a=b"), "damage{tags=\"a=b\"}"},
    ComposeCase{"text with apostrophe", damageWith("tags", "don't"), "damage{tags=\"don't\"}"},
    ComposeCase{"text with apostrophe and hash", damageWith("tags", "it's #1"),
                "damage{tags=\"it's #1\"}"},
    ComposeCase{"text with ideographic space", damageWith("tags", "火　焰"),
                "damage{tags=\"火　焰\"}"},
    ComposeCase{"text kept as typed", damageWith("damagecause", "<caster.name>怒了"),
                "damage{damagecause=<caster.name>怒了}"},
    ComposeCase{"nested targeter in a value",
                {.mechanic = mechanic("sudoskill"),
                 .arguments = {{argument("sudoskill", "skill"), "Boom"},
                               {argument("sudoskill", "target"), "@NearestPlayer{r=30}"}}},
                "sudoskill{skill=Boom;target=@NearestPlayer{r=30}}"},
    // Triggers with and without values.
    ComposeCase{"any signal",
                {.mechanic = mechanic("heal"), .trigger = trigger("onSignal")},
                "heal ~onSignal"},
    ComposeCase{"named signal",
                {.mechanic = mechanic("heal"),
                 .trigger = trigger("onSignal"),
                 .triggerValue = "MOO_FOR_ME"},
                "heal ~onSignal:MOO_FOR_ME"},
    ComposeCase{
        "value of a trigger that takes none is not read",
        {.mechanic = mechanic("heal"), .trigger = trigger("onDamaged"), .triggerValue = "99"},
        "heal ~onDamaged"},
    // Health modifiers in every documented form, chance at its bounds.
    ComposeCase{
        "health once", {.mechanic = mechanic("heal"), .healthModifier = "=90%"}, "heal =90%"},
    ComposeCase{"health range",
                {.mechanic = mechanic("heal"), .healthModifier = "=30%-50%"},
                "heal =30%-50%"},
    ComposeCase{
        "absolute health", {.mechanic = mechanic("heal"), .healthModifier = ">500"}, "heal >500"},
    ComposeCase{"chance zero", {.mechanic = mechanic("heal"), .chance = "0"}, "heal 0"},
    ComposeCase{
        "chance one with zeros", {.mechanic = mechanic("heal"), .chance = "1.000"}, "heal 1.000"},
    // Free text stands for the mechanic and is followed by the chosen parts.
    ComposeCase{"free mechanic",
                {.freeMechanic = "  myplugin:boom{power=3;m=\"a;}\"} ",
                 .targeter = targeter("target"),
                 .trigger = trigger("onAttack")},
                "myplugin:boom{power=3;m=\"a;}\"} @target ~onAttack"}};

INSTANTIATE_TEST_SUITE_P(Lines, SkillLineCompose, testing::ValuesIn(composeCases));

// All cases in one file, so the server's reader starts once.
TEST(SkillLineReadBack, EveryComposedLineReadsBackFromTheMobFile) {
    SKIP_WITHOUT_SERVER_READER();
    std::vector<std::string> lines;
    for (const ComposeCase &c : composeCases)
        lines.push_back(c.expected);
    skilltest::expectReadBackAsComposed(lines);
}

struct CheckCase {
    const char *what;
    SkillLine line;
    std::string warning;
};

void PrintTo(const CheckCase &c, std::ostream *os) {
    *os << c.what;
}

class SkillLineChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(SkillLineChecks, RefusesWithAWarningNamingTheField) {
    EXPECT_EQ(mob::composeSkillLine(GetParam().line), RowOutcome::warn(GetParam().warning));
}

const std::string controlWarning = "含有换行、制表符等控制字符或无效字符！";
const std::string amountField = "参数“amount”";
const std::string tagsField = "参数“tags”";

// Bytes no line of the mob file may hold, each refused in every kind of field.
const std::string hostileBytes[] = {
    "a\nb",
    "a\rb",
    std::string("a\0b", 3),
    "a\tb",
    "a\x7f",
    "a\xc2\x85",
    "\xed\xa0\x80",
    "\xed\xbf\xbf",
    "a\xe2\x80\xa8",
    "\xef\xbf\xbe",
    "\xff",
    "\xc0\xaf",
    "\xe4\xb8",
    "\xf4\x90\x80\x80",
};

std::vector<CheckCase> controlCases() {
    std::vector<CheckCase> cases;
    for (const std::string &bad : hostileBytes) {
        cases.push_back({"number", damageWith("amount", bad), amountField + controlWarning});
        cases.push_back({"text", damageWith("tags", bad), tagsField + controlWarning});
        cases.push_back({"targeter option",
                         {.mechanic = mechanic("heal"),
                          .targeter = targeter("PlayersInRadius"),
                          .targeterOptions = {{0, bad}}},
                         "目标选项“radius”" + controlWarning});
        cases.push_back(
            {"free mechanic", {.freeMechanic = "damage" + bad}, "自定义技能" + controlWarning});
        cases.push_back(
            {"health", {.mechanic = 0, .healthModifier = "<5" + bad}, "血量条件" + controlWarning});
        cases.push_back(
            {"chance", {.mechanic = 0, .chance = "0.5" + bad}, "触发几率" + controlWarning});
        cases.push_back({"ticks",
                         {.mechanic = 0, .trigger = trigger("onTimer"), .triggerValue = "1" + bad},
                         "定时触发的间隔必须是大于0的整数(tick)！"});
        cases.push_back({"signal",
                         {.mechanic = 0, .trigger = trigger("onSignal"), .triggerValue = "S" + bad},
                         "信号名称只能含英文字母、数字和下划线！"});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ControlCharacters, SkillLineChecks, testing::ValuesIn(controlCases()));

const std::string ticksWarning = "定时触发的间隔必须是大于0的整数(tick)！";
const std::string healthWarning = "血量条件格式不正确，应如 <50%、>500 或 =30%-50%！";
const std::string chanceWarning = "触发几率必须是0到1之间的数字！";

SkillLine timer(std::string ticks) {
    return {.mechanic = 0, .trigger = trigger("onTimer"), .triggerValue = std::move(ticks)};
}
SkillLine health(std::string modifier) {
    return {.mechanic = 0, .healthModifier = modifier};
}
SkillLine chance(std::string value) {
    return {.mechanic = 0, .chance = value};
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SkillLineChecks,
    testing::Values(
        CheckCase{"word for a number", damageWith("amount", "ten"), amountField + "必须是数字！"},
        CheckCase{"trailing junk", damageWith("amount", "10abc"), amountField + "必须是数字！"},
        CheckCase{"exponent", damageWith("amount", "1e5"), amountField + "必须是数字！"},
        CheckCase{"decimal comma", damageWith("amount", "1,5"), amountField + "必须是数字！"},
        CheckCase{"only blanks", damageWith("amount", "  "), amountField + "必须是数字！"},
        CheckCase{"two signs", damageWith("amount", "--1"), amountField + "必须是数字！"},
        CheckCase{"lone point", damageWith("amount", "."), amountField + "必须是数字！"},
        CheckCase{"fraction for an integer",
                  {.mechanic = mechanic("potion"),
                   .arguments = {{argument("potion", "duration"), "1.5"}}},
                  "参数“duration”必须是整数！"},
        CheckCase{"universal integer",
                  {.mechanic = mechanic("heal"), .arguments = {{argument("heal", "repeat"), "x"}}},
                  "参数“repeat”必须是整数！"},
        CheckCase{"yes/no word", damageWith("ignoreArmor", "maybe"),
                  "参数“ignoreArmor”只能填 true 或 false！"},
        CheckCase{"yes/no digit", damageWith("ignoreArmor", "1"),
                  "参数“ignoreArmor”只能填 true 或 false！"},
        CheckCase{
            "unlisted choice",
            {.mechanic = mechanic("velocity"), .arguments = {{argument("velocity", "mode"), "UP"}}},
            "参数“mode”只能是以下之一：SET、ADD、REMOVE、DIVIDE、MULTIPLY！"},
        CheckCase{"double quote in text", damageWith("tags", "say \"hi\""),
                  tagsField + "不能含英文双引号，请用 <&dq> 代替！"},
        CheckCase{"opening brace alone", damageWith("tags", "a{b"),
                  tagsField + "的花括号无法写入，请用 <&lc> 和 <&rc> 代替！"},
        CheckCase{"braces the wrong way round", damageWith("tags", "a}b{"),
                  tagsField + "的花括号无法写入，请用 <&lc> 和 <&rc> 代替！"},
        CheckCase{"braces that would need quotes", damageWith("tags", "x {y} z"),
                  tagsField + "的花括号无法写入，请用 <&lc> 和 <&rc> 代替！"},
        CheckCase{"targeter option",
                  {.mechanic = mechanic("heal"),
                   .targeter = targeter("PlayersInRadius"),
                   .targeterOptions = {{option("PlayersInRadius", "radius"), "far"}}},
                  "目标选项“radius”必须是数字！"},
        // The first problem in line order wins.
        CheckCase{"argument before chance",
                  {.mechanic = mechanic("damage"),
                   .arguments = {{argument("damage", "amount"), "x"}},
                   .chance = "2"},
                  amountField + "必须是数字！"},
        CheckCase{"health before chance",
                  {.mechanic = 0, .healthModifier = "50%", .chance = "2"},
                  healthWarning},
        CheckCase{"no ticks", timer(""), ticksWarning},
        CheckCase{"zero ticks", timer("000"), ticksWarning},
        CheckCase{"negative ticks", timer("-5"), ticksWarning},
        CheckCase{"fraction of a tick", timer("1.5"), ticksWarning},
        CheckCase{"ticks beyond an int", timer("2147483648"), ticksWarning},
        CheckCase{"Chinese signal",
                  {.mechanic = 0, .trigger = trigger("onSignal"), .triggerValue = "攻击"},
                  "信号名称只能含英文字母、数字和下划线！"},
        CheckCase{"signal with a blank",
                  {.mechanic = 0, .trigger = trigger("onSignal"), .triggerValue = "a b"},
                  "信号名称只能含英文字母、数字和下划线！"},
        CheckCase{"health without operator", health("50%"), healthWarning},
        CheckCase{"operator alone", health("<"), healthWarning},
        CheckCase{"health word", health("<half"), healthWarning},
        CheckCase{"negative health", health("<-5%"), healthWarning},
        CheckCase{"double percent", health("<50%%"), healthWarning},
        CheckCase{"range after <", health(">30%-50%"), healthWarning},
        CheckCase{"range of mixed kinds", health("=30-50%"), healthWarning},
        CheckCase{"open range", health("=30%-"), healthWarning},
        CheckCase{"above a hundred percent", health("<150%"), "血量百分比不能超过100%！"},
        CheckCase{"range upside down", health("=50%-30%"), "血量范围应从小到大写，例如 =30%-50%！"},
        CheckCase{"chance above one", chance("1.5"), chanceWarning},
        CheckCase{"chance just above one", chance("1.00000000000000001"), chanceWarning},
        CheckCase{"negative chance", chance("-0.1"), chanceWarning},
        CheckCase{"chance with junk", chance("0.5x"), chanceWarning},
        CheckCase{"chance as percent", chance("50%"), chanceWarning},
        CheckCase{"nothing chosen", {}, "请选择技能机制或填写自定义技能！"},
        CheckCase{
            "free text of blanks", {.freeMechanic = "   "}, "请选择技能机制或填写自定义技能！"},
        CheckCase{"free text with list marker",
                  {.freeMechanic = "- damage"},
                  "自定义技能应以技能机制名开头，例如 damage{amount=10}！"},
        CheckCase{"free text in quotes",
                  {.freeMechanic = "'damage'"},
                  "自定义技能应以技能机制名开头，例如 damage{amount=10}！"},
        CheckCase{"free text with open brace",
                  {.freeMechanic = "damage{a=1"},
                  "自定义技能的花括号不成对！"},
        CheckCase{"free text with reversed braces",
                  {.freeMechanic = "damage}{"},
                  "自定义技能的花括号不成对！"},
        CheckCase{"free text with open quote",
                  {.freeMechanic = "message{m=\"hi}"},
                  "自定义技能的双引号不成对！"}));

TEST(SkillLineRows, IndexesPastTheCataloguesGiveNothing) {
    EXPECT_EQ(mob::composeSkillLine({.mechanic = mob::mechanics.size()}), RowOutcome::nothing());
    EXPECT_EQ(mob::composeSkillLine(
                  {.mechanic = 0, .arguments = {{mob::argumentCount(mob::mechanics[0]), "1"}}}),
              RowOutcome::nothing());
    EXPECT_EQ(mob::composeSkillLine({.mechanic = 0, .targeter = mob::targeters.size()}),
              RowOutcome::nothing());
    EXPECT_EQ(mob::composeSkillLine(
                  {.mechanic = 0, .targeter = targeter("self"), .targeterOptions = {{0, "1"}}}),
              RowOutcome::nothing());
    EXPECT_EQ(mob::composeSkillLine({.mechanic = 0, .trigger = mob::triggers.size()}),
              RowOutcome::nothing());
}

} // namespace
