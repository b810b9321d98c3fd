// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/mob_options.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "mob/entity_types.h"

namespace {

using mob::RowOutcome;

TEST(MobOptionLines, KeyByRowAndValueAsTyped) {
    struct Case {
        const char *entity;
        int row;
        const char *value;
        RowOutcome expected;
    };
    for (const Case &c : {
             Case{"僵尸", 16, "0.3", RowOutcome::add("MovementSpeed: 0.3")},
             Case{"僵尸", 30, "0.5", RowOutcome::add("ReinforcementsChance: 0.5")},
             Case{"僵尸", 28, "true", RowOutcome::add("ShowHealth: true")},
             Case{"小僵尸", 0, "5", RowOutcome::add("Age: 5")},
             Case{"小僵尸", 0, " 5", RowOutcome::add("Age:  5")},
             Case{"", 7, "a b", RowOutcome::add("AlwaysShowName: a b")},
             Case{"狼", 17, "true", RowOutcome::add("NoAI: true")},
             Case{"狼", 19, "true", RowOutcome::add("NoGravity: true")},
             Case{"狼", 29, "true", RowOutcome::add("Silent: true")},
             Case{"盔甲架", 33, "DIAMOND_CHESTPLATE",
                  RowOutcome::add("ItemBody: DIAMOND_CHESTPLATE")},
             Case{"盔甲架", 40, "x", RowOutcome::add("Pose: x")},
             Case{"兔子", 31, "true", RowOutcome::add("Baby: true")},
             Case{"马", 36, "MULE", RowOutcome::add("HorseType: MULE")},
             Case{"僵尸村民", 30, "FARMER", RowOutcome::add("Profession: FARMER")},
             // Each creeper row gives the key its caption describes.
             Case{"爬行者", 30, "3", RowOutcome::add("ExplosionRadius: 3")},
             Case{"爬行者", 31, "30", RowOutcome::add("FuseTicks: 30")},
             Case{"爬行者", 32, "true", RowOutcome::add("SuperCharged: true")},
             Case{"爬行者", 33, "true", RowOutcome::add("PreventSuicide: true")},
             Case{"点燃的TNT", 30, "80", RowOutcome::add("FuseTicks: 80")},
             Case{"点燃的TNT", 31, "4", RowOutcome::add("ExplosionYield: 4")},
             Case{"点燃的TNT", 32, "true", RowOutcome::add("Incendiary: true")},
             // The empty value is refused first, even without a row.
             Case{"僵尸", 16, "", RowOutcome::warn("请输入属性数值！")},
             Case{"僵尸", -1, "", RowOutcome::warn("请输入属性数值！")},
             // Rows the entity does not have, or none selected: nothing, silently.
             Case{"僵尸", -1, "0.3", RowOutcome::nothing()},
             Case{"僵尸", 31, "1", RowOutcome::nothing()},
             Case{"爬行者", 34, "1", RowOutcome::nothing()},
             Case{"狼", 30, "1", RowOutcome::nothing()}, Case{"", 30, "1", RowOutcome::nothing()},
             Case{"TNT", 30, "1", RowOutcome::nothing()},
             Case{"僵尸 ", 30, "1", RowOutcome::nothing()}, // the caption is compared whole
         })
        EXPECT_EQ(mob::addMobOption(c.entity, c.row, c.value), c.expected)
            << c.entity << " row " << c.row;
}

TEST(MobOptionEntities, CountTextsAndRows) {
    struct Case {
        const char *entity;
        const char *countText;
        std::size_t rows;
    };
    for (const Case &c : {Case{"盔甲架", "11个", 11}, Case{"爬行者", "4个", 4},
                          Case{"点燃的TNT", "3个", 3}, Case{"马", "7个", 7}, Case{"兔子", "2个", 2},
                          Case{"僵尸", "1个", 1}, Case{"小僵尸", "0个", 0}, Case{"狼", "0个", 0},
                          Case{"", "0个", 0}, Case{"掉落的方块", "0个", 0}}) {
        const mob::EntityOptions entry = mob::entityOptionsFor(c.entity);
        EXPECT_EQ(entry.countText, c.countText) << c.entity;
        EXPECT_EQ(entry.rows.size(), c.rows) << c.entity;
    }
}

// A caption that matches no row of the entity list would hide its options for good.
TEST(MobOptionEntities, EveryEntryNamesAnEntityOfTheList) {
    for (const mob::EntityOptions &entry : mob::entityOptions) {
        const bool listed = std::ranges::any_of(mob::entityTypes, [&](const mob::EntityType &type) {
            return type.caption == entry.entityCaption;
        });
        EXPECT_TRUE(listed) << entry.entityCaption;
        EXPECT_EQ(entry.countText, std::to_string(entry.rows.size()) + "个") << entry.entityCaption;
    }
}

} // namespace
