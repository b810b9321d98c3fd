// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/command_reference.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using reference::commandReferenceText;

constexpr std::string_view bullet = "\xC2\xB7 "; // U+00B7 and a space

struct Section {
    std::string title;
    std::vector<std::string> bullets;
};

// Every piece between CR LF pairs, so a trailing pair would show as a last empty line.
std::vector<std::string> allLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos;
         start = end + 2)
        lines.emplace_back(text.substr(start, end - start));
    lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<Section> sections() {
    std::vector<Section> result;
    for (const std::string &line : allLines(commandReferenceText)) {
        if (line.empty())
            continue;
        if (line.starts_with(bullet))
            result.back().bullets.push_back(line.substr(bullet.size()));
        else
            result.push_back({line, {}});
    }
    return result;
}

bool isCommand(const std::string &bulletText) {
    return bulletText.starts_with("/mm ");
}

TEST(CommandReference, SectionsAreLaidOutWithTheirSpacing) {
    const std::vector<std::string> lines = allLines(commandReferenceText);
    EXPECT_EQ(lines.size(), 157u);
    EXPECT_FALSE(commandReferenceText.ends_with("\r\n"));
    for (const std::string &line : lines)
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;

    const std::vector<Section> parsed = sections();
    std::vector<std::string> titles;
    std::size_t bulletCount = 0;
    for (const Section &section : parsed) {
        titles.push_back(section.title);
        bulletCount += section.bullets.size();
        EXPECT_FALSE(section.bullets.empty()) << section.title;
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"基础命令", "物品命令", "生物命令", "刷怪蛋命令",
                                                "刷怪点命令", "实用命令", "信号命令"}));
    EXPECT_EQ(bulletCount, 66u);

    // Rebuilt from its sections by the layout rule, the text must come out unchanged: one
    // empty line after a title and after each bullet, two more before the next title.
    std::string rebuilt;
    for (const Section &section : parsed) {
        if (!rebuilt.empty())
            rebuilt += "\r\n\r\n";
        rebuilt += section.title + "\r\n\r\n";
        for (const std::string &text : section.bullets)
            rebuilt += std::string(bullet) + text + "\r\n\r\n";
    }
    rebuilt.resize(rebuilt.size() - 4);
    EXPECT_EQ(rebuilt, commandReferenceText);
}

struct Command {
    std::size_t section; // from 1
    const char *part;
    int linesBelow; // explanation bullets of its own; -1: explained on its own line after " * "
};

constexpr Command commands[] = {
    {1, "/mm (别名: /mythicmobs)", -1},
    {1, "/mm debug [level] (别名: /mm d [等级]", -1},
    {1, "/mm debugmode [true/false]", -1},
    {1, "/mm reload (别名 /mm r)", -1},
    {1, "/mm save", -1},
    {2, "/mm items (别名: /mm i)", -1},
    {2, "/mm items get [物品名] <数量>", -1},
    {2, "/mm items give [玩家] [物品名] <数量>", -1},
    {2, "/mm items list", -1},
    {3, "/mm mobs (别名: /mm m)", -1},
    {3, "/mm mobs info [生物名]", -1},
    {3, "/mm mobs list", -1},
    {3, "/mm mobs listactive", -1},
    {3, "/mm mobs kill [生物名]", -1},
    {3, "/mm mobs killall", -1},
    {3, "/mm mobs spawn [生物]:<等级> <数量> <世界,x,y,z>", -1},
    {3, "/mm mobs spawnsilent [生物]:<等级> <数量> <世界,x,y,z>", -1},
    {3, "/mm mobs stats", -1},
    {4, "/mm egg (别名: /mm e)", -1},
    {4, "/mm egg get [物品名] <数量>", -1},
    {4, "/mm egg give [玩家] [物品名] <数量>", -1},
    {5, "/mm spawners (别名: /mm s)", -1},
    {5, "/mm s create [刷怪点名称 [生物名称", 2},
    {5, "/mm s set [刷怪点名称] [设置] [值", 2},
    {5, "/mm s addcondition [刷怪点名称] [条件] [值", 2},
    {5, "/mm s removecondition [刷怪点名称] [条件", 1},
    {5, "/mm s info [刷怪点名称", 1},
    {5, "/mm s listnear <距离>", 2},
    {5, "/mm s resettimers [名称", 1},
    {5, "/mm s spawn [名称", 1},
    {5, "/mm s cut [搜索的字符串", 1},
    {5, "/mm s paste", 2},
    {5, "/mm s undo", 1},
    {6, "/mm u testeffect [语法", 2},
    {6, "/mm u testeffect target particles witchMagic:1:1:100:0.01:1:0.5 >0 1 (过期了)", 0},
    {6, "/mm u testskill [目标位置] [技能名] (目前无效)", 3},
    {7, "/mm signal <UUID> <信号>", 4},
};

TEST(CommandReference, EveryCommandStandsInItsSectionWithItsExplanation) {
    const std::vector<Section> parsed = sections();
    std::size_t explanations = 0;
    for (const Command &command : commands) {
        SCOPED_TRACE(command.part);
        const std::vector<std::string> &bullets = parsed.at(command.section - 1).bullets;
        const std::string part = command.part;
        const auto found =
            std::find_if(bullets.begin(), bullets.end(), [&](const std::string &text) {
                return command.linesBelow < 0 ? text.starts_with(part + " * ") : text == part;
            });
        ASSERT_NE(found, bullets.end());
        if (command.linesBelow < 0) {
            EXPECT_GT(found->size(), part.size() + 3);
            continue;
        }
        // Its explanation bullets follow, and then the next command or the section's end.
        const auto below = static_cast<std::size_t>(command.linesBelow);
        ASSERT_LE(below, static_cast<std::size_t>(bullets.end() - found - 1));
        for (std::size_t i = 1; i <= below; ++i)
            EXPECT_FALSE(isCommand(found[i])) << found[i];
        if (found + 1 + below != bullets.end()) {
            EXPECT_TRUE(isCommand(found[1 + below])) << found[1 + below];
        }
        explanations += below;
    }
    // Nothing else is a command, and the four notes of the spawner section are the only
    // other bullets.
    std::size_t commandBullets = 0;
    for (const Section &section : parsed)
        commandBullets += std::count_if(section.bullets.begin(), section.bullets.end(), isCommand);
    EXPECT_EQ(commandBullets, std::size(commands));
    EXPECT_EQ(std::size(commands) + explanations + 4, 66u);
}

TEST(CommandReference, SpawnerSectionOpensWithItsWildcardNotes) {
    const std::vector<Section> parsed = sections();
    const std::vector<std::string> &bullets = parsed.at(4).bullets;
    ASSERT_GT(bullets.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_FALSE(isCommand(bullets[i])) << bullets[i];
    EXPECT_TRUE(bullets[4].starts_with("/mm spawners (别名: /mm s) * ")) << bullets[4];
    for (const char *word : {"?at", "Cat", "Rat", "Fat", "Matt"})
        EXPECT_NE(bullets[1].find(word), std::string::npos) << word;
    EXPECT_NE(bullets[2].find('*'), std::string::npos);
    EXPECT_NE(bullets[3].find('*'), std::string::npos);
}

TEST(CommandReference, DebugLevelExplanationEndsWithTheOffLevel) {
    const std::vector<Section> parsed = sections();
    const std::vector<std::string> &bullets = parsed.at(0).bullets;
    ASSERT_GE(bullets.size(), 2u);
    EXPECT_TRUE(bullets[1].ends_with("0 = OFF")) << bullets[1];
}

} // namespace
