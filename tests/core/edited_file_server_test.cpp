// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/server_reader.h"

namespace {

// The files the editing tests expect, read by the server: the change is there and so is
// everything the sheets have no field for, in the entry edited and beside it.
TEST(EditedFileOnTheServer, HasTheChangeAndKeepsTheRest) {
    SKIP_WITHOUT_SERVER_READER();
    struct Case {
        std::string file, path, type, value;
    };
    const Case cases[] = {
        {"several_mobs.king_health.yml", "SkeletonKing.Health", "int", "250"},
        {"several_mobs.king_health.yml", "SkeletonKing.BossBar.Title", "string", "Skeleton King"},
        {"several_mobs.king_health.yml", "SkeletalKnight.Options.ReviveHealth", "bool", "true"},
        {"several_mobs.king_health.yml", "SkeletonKing.AITargetSelectors[1]", "string",
         "1 players"},
        {"several_mobs.knight_display.yml", "SkeletalKnight.Display", "string", "&6骷髅骑士"},
        {"several_mobs.knight_display.yml", "SkeletalKnight.Faction", "string", "Undead"},
        {"several_mobs.knight_display.yml", "SkeletalKnight.Options.ReviveHealth", "bool", "true"},
        {"several_mobs.knight_display.yml", "SkeletalKnight.DamageModifiers[1]", "string",
         "FALL 0"},
        {"several_mobs.knight_display.yml", "SkeletalKnight.Skills[1]", "string",
         "message{m=\"<mob.name>: Kneel!\"} @PlayersInRadius{r=20} ~onSpawn"},
        {"several_mobs.knight_display.yml", "SkeletonKing.Health", "int", "200"},
        {"several_items.bow_display.yml", "KingsBow.Display", "string", "&6王者之弓"},
        {"several_items.bow_display.yml", "KingsBow.Hide[0]", "string", "ENCHANTS"},
        {"several_items.bow_display.yml", "HealingPotion.Options.Unbreakable", "bool", "true"},
    };
    for (const Case &c : cases) {
        const testsupport::ServerTree tree = testsupport::readAsServer(
            testsupport::fixtureBytes(c.file), testsupport::ServerCharset::Utf8);
        ASSERT_TRUE(tree.loaded()) << c.file << ": " << tree.error;
        const testsupport::ServerLeaf *leaf = tree.find(c.path);
        ASSERT_NE(leaf, nullptr) << c.file << ' ' << c.path << '\n' << tree.dump();
        EXPECT_EQ(leaf->type, c.type) << c.path;
        EXPECT_EQ(leaf->value, c.value) << c.path;
    }
}

} // namespace
