// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "reference/colour_codes.h"
#include "reference/variables.h"

namespace {

struct Variable {
    const char *placeholder;
    const char *description;
};

constexpr Variable variables[] = {
    {"<mob.uuid>", "返还生物的UUID"},
    {"<mob.level>", "返还生物的等级"},
    {"<mob.name>", "返还生物的名字"},
    {"<mob.hp>", "返还生物的当前血量值"},
    {"<mob.mhp>", "返还生物的最大(max)血量值"},
    {"<mob.php>", "返还生物的当前血量值并以百分比形式"},
    {"<mob.thp>", "返还生物的最大(full number)血量值"},
    {"<mob.tt.top>", "返还对生物威胁度最高的伤害源名字"},
    {"<mob.l.w>", "返还生物现在所在世界的名字"},
    {"<mob.l.x>", "返还生物现在的x轴坐标"},
    {"<mob.l.y>", "返还生物现在的y轴坐标"},
    {"<mob.l.z>", "返还生物现在的z轴坐标"},
    {"<mob.stance>", "返还生物当前的状态(2.2)"},
    {"<mob.owner.name>", "返还狼的主人的名字(2.3)"},
    {"<mob.owner.uuid>", "返还狼的主人的UUID(2.3)"},
    {"<target.uuid>", "返还目标的UUID"},
    {"<target.name>", "返还目标的名字"},
    {"<target.hp>", "返还目标的当前血量值"},
    {"<target.threat>", "返还目标的威胁度"},
    {"<target.l.w>", "返还目标现在所在世界的名字"},
    {"<target.l.x>", "返还目标现在的x轴坐标"},
    {"<target.l.y>", "返还目标现在的y轴坐标"},
    {"<target.l.z>", "返还目标现在的z轴坐标"},
    {"<trigger.uuid>", "返还技能触发者的UUID"},
    {"<trigger..name>", "返还技能触发者的名字"},
    {"<trigger.hp>", "返还技能触发者的当前血量值"},
    {"<trigger.threat>", "返还技能触发者的威胁度"},
    {"<trigger.l.w>", "返还技能触发者现在所在世界的名字"},
    {"<trigger.l.x>", "返还技能触发者现在的x轴坐标"},
    {"<trigger.l.y>", "返还技能触发者现在的y轴坐标"},
    {"<trigger.l.z>", "返还技能触发者现在的z轴坐标"},
    {"<drops.xp>", "返还Heroes或SkillAPI插件的经验掉落值"},
    {"<drops.money>", "返还Vault插件的金钱掉落值"},
    {"<random.min-max>", "返还一个定义的最小和最大数之间的随机数值(2.2.1)"},
    {"<mob.score.objective>", "返还生物记分板objective下的分数(2.3)"},
    {"<target.score.objective>", "返还目标记分板objective下的分数(2.3)"},
    {"<trigger.score.objective>", "返还技能触发者记分板objective下的分数(2.3)"},
    {"<global.score.objective>", "返还记分板objective下的总分(2.3)"},
    {"<score.objective.dummyname>", "返还记分板objective下dummyname的分数(2.3)"},
    {"<&co>", "返还冒号 :"},
    {"<&sq>", "返还撇号 '"},
    {"<&da>", "返还减号 -"},
    {"<&bs>", "返还反斜杠 \\"},
    {"<&fs>", "返还斜杠 /"},
    {"<&sp>", "返还空格"},
    {"<&cm>", "返还逗号 ,"},
    {"<&sc>", "返还分号 ;"},
    {"<&eq>", "返还等号 ="},
    {"<&ss>", "返还分节符 §"},
    {"<&dq>", "返还双引号 \""},
    {"<&rb>", "返还右方括号 ]"},
    {"<&lb>", "返还左方括号 ["},
    {"<&rc>", "返还右大括号 }"},
    {"<&lc>", "返还左大括号 {"},
    {"<&nl>", "另起新的一行"},
    {"<&heart>", "返还一个爱心符号(2.1.7)"},
    {"<&skull>", "返还一个骷髅骨头符号(2.1.7)"},
};

TEST(VariableRows, PlaceholderTabDescriptionInListOrder) {
    ASSERT_EQ(reference::variableRows.size(), std::size(variables));
    for (std::size_t i = 0; i < std::size(variables); ++i) {
        const std::string expected =
            std::string(variables[i].placeholder) + "\t" + variables[i].description;
        EXPECT_EQ(reference::variableRows[i], expected) << "row " << i;
    }
    // The rows easiest to "correct" by mistake.
    EXPECT_TRUE(reference::variableRows[24].starts_with("<trigger..name>\t"));
    EXPECT_TRUE(reference::variableRows[42].ends_with(" \\"));
    EXPECT_TRUE(reference::variableRows[49].ends_with(" \""));
}

struct Cell {
    const char *caption;
    reference::Rgb colour;
};

constexpr reference::Rgb grey = {192, 192, 192};

// Left and right cell of each row, top to bottom.
constexpr Cell cells[][2] = {
    {{"&4 深红", {190, 0, 0}}, {"&1 深蓝", {0, 0, 255}}},
    {{"&c 红色", {255, 0, 0}}, {"&9 浅蓝", {62, 64, 255}}},
    {{"&6 暗黄", {216, 164, 50}}, {"&d 粉色", {255, 0, 255}}},
    {{"&e 黄色", {255, 255, 0}}, {"&5 紫色", {198, 2, 192}}},
    {{"&2 深绿", {1, 191, 2}}, {"&f 白色", {255, 255, 255}}},
    {{"&a 绿色", {0, 255, 0}}, {"&7 浅灰", {192, 192, 192}}},
    {{"&b 青色", {0, 255, 255}}, {"&8 深灰", {96, 96, 96}}},
    {{"&3 暗青", {1, 191, 186}}, {"&0 黑色", {0, 0, 0}}},
    {{"&l 加粗", grey}, {"&k 随机字", grey}},
    {{"&n 下划线", grey}, {"&m 删除线", grey}},
    {{"&o 斜体", grey}, {"&r 重置", grey}},
};

TEST(ColourCodeTable, CaptionsAndBarColoursRowByRow) {
    ASSERT_EQ(reference::colourCodeTable.size(), std::size(cells));
    for (std::size_t row = 0; row < std::size(cells); ++row) {
        SCOPED_TRACE(row + 1);
        const reference::ColourCodeRow &actual = reference::colourCodeTable[row];
        EXPECT_EQ(actual.left.caption, cells[row][0].caption);
        EXPECT_EQ(actual.left.colour, cells[row][0].colour);
        EXPECT_EQ(actual.right.caption, cells[row][1].caption);
        EXPECT_EQ(actual.right.colour, cells[row][1].colour);
    }
}

TEST(ColourCodeTable, RowsLieAtTheirPositions) {
    constexpr int barY[] = {8, 43, 78, 113, 148, 183, 218, 256, 312, 352, 392};
    for (std::size_t row = 0; row < std::size(barY); ++row) {
        SCOPED_TRACE(row + 1);
        const reference::ColourCodeRow &actual = reference::colourCodeTable[row];
        const bool last = row + 1 == std::size(barY);
        EXPECT_EQ(actual.barY, barY[row]);
        EXPECT_EQ(actual.leftBarX, last ? 12 : 11);
        EXPECT_EQ(actual.rightBarX, last ? 203 : 202);
    }
}

} // namespace
