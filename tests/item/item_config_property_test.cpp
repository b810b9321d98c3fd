// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "item/attribute_types.h"
#include "item/enchantment_types.h"
#include "item/item_config.h"
#include "support/line_ends.h"
#include "support/random_text.h"
#include "support/yaml_read.h"

namespace {

using core::ListEntry;
using item::ItemSheet;
using testsupport::Random;
namespace alphabets = testsupport::alphabets;

const testsupport::Alphabet typed = alphabets::anyTyped();

// The sections the plugin reads attributes from, by the tag of the row.
const std::vector<std::string> slotKeys = {"All",   "MainHand", "OffHand", "Head",
                                           "Chest", "Legs",     "Feet"};

// Anything a user may type on one line; now and then a text the user quoted whole in single
// quotes, inner quotes doubled, as YAML itself would write it.
std::string typedLine(Random &random, int maxLength) {
    const std::string text = random.text(typed, 0, maxLength);
    if (!random.chance(10))
        return text;
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

// Lines and runs of CR LF in any order: blank lines, a leading or a trailing line break.
std::string randomDescription(Random &random) {
    std::string out;
    for (int n = random.number(0, 6); n > 0; --n) {
        if (random.chance(70))
            out += typedLine(random, 16);
        for (int breaks = random.number(0, 3); breaks > 0; --breaks)
            out += "\r\n";
    }
    return out;
}

// A number as a user types it into the attribute dialog, or nothing at all.
std::string attributeValue(Random &random) {
    if (random.chance(10))
        return {};
    std::string value = random.chance(20) ? "-" : "";
    value += random.text(alphabets::digits, 1, 3);
    if (random.chance(40))
        value += "." + random.text(alphabets::digits, 1, 2);
    return value;
}

std::int32_t enchantmentLevel(Random &random) {
    const std::vector<std::int32_t> extremes = {0, -1, std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max()};
    return random.chance(20) ? random.pick(extremes) : random.number(-1000, 1000);
}

// Identifier, material, data value and attribute values go into the text as typed, so they
// come from alphabets that stay valid YAML; the display name and the lore may hold anything.
ItemSheet randomSheet(Random &random) {
    ItemSheet sheet;
    sheet.identifier = testsupport::words(random, 3);
    sheet.material = random.chance(80) ? random.text(alphabets::upperWord, 1, 16) : "";
    sheet.dataValue = random.text(alphabets::digits, 0, 3);
    sheet.displayName = random.chance(5) ? "" : typedLine(random, 24);
    sheet.description = randomDescription(random);
    for (int n = random.number(0, 8); n > 0; --n) {
        const std::string_view prefix =
            item::attributeTypes[std::size_t(random.number(0, 8))].linePrefix;
        // Now and then a tag that is no slot, which the text passes over.
        const int slot =
            random.chance(90) ? random.number(0, 6) : random.pick(std::vector<int>{-1, 7, 100});
        sheet.attributeRows.push_back({std::string(prefix) + attributeValue(random), slot});
    }
    for (int n = random.number(0, 6); n > 0; --n) {
        const std::string key =
            random.chance(70)
                ? std::string(item::enchantmentTypes[std::size_t(random.number(0, 29))].key)
                : random.text(alphabets::upperWord, 1, 12);
        sheet.enchantmentRows.push_back({key, enchantmentLevel(random)});
    }
    return sheet;
}

// What YAML reads from a text the user quoted whole ('it''s' reads it's); any other text is
// meant as typed.
std::string meant(const std::string &text) {
    if (text.size() < 2 || text.front() != '\'' || text.back() != '\'')
        return text;
    std::string inner;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        inner += text[i];
        if (text[i] == '\'') {
            if (i + 2 >= text.size() || text[i + 1] != '\'')
                return text; // a lone quote inside: not one quoted text
            ++i;
        }
    }
    return inner;
}

// The lines of the description: cut at every CR LF, the bytes after the last one a line only
// when there are any.
std::vector<std::string> descriptionLines(const std::string &description) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = description.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(description.substr(start, end - start));
    if (start < description.size())
        lines.push_back(description.substr(start));
    return lines;
}

// A scalar as a string, a null as the empty text.
std::string valueOf(const YAML::Node &node) {
    return node.IsNull() ? std::string() : node.as<std::string>();
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

void checkText(const ItemSheet &sheet, const std::string &text) {
    ASSERT_TRUE(testsupport::onlyCrLfLineEnds(text));
    YAML::Node root;
    ASSERT_NO_THROW(root = testsupport::readYaml(text));
    ASSERT_TRUE(root.IsMap());
    ASSERT_EQ(root.size(), 1u);
    EXPECT_EQ(root.begin()->first.as<std::string>(), sheet.identifier);
    const YAML::Node itemNode = root.begin()->second;
    ASSERT_TRUE(itemNode.IsMap());

    // Attribute rows by slot, each slot from the bottom row up; slots in tag order.
    std::vector<Pairs> slots(slotKeys.size());
    for (auto row = sheet.attributeRows.rbegin(); row != sheet.attributeRows.rend(); ++row) {
        if (row->tag < 0 || row->tag >= int(slotKeys.size()))
            continue;
        const std::size_t colon = row->text.find(": ");
        slots[std::size_t(row->tag)].emplace_back(row->text.substr(4, colon - 4),
                                                  row->text.substr(colon + 2));
    }
    std::vector<std::string> expectedSlots;
    for (std::size_t slot = 0; slot < slots.size(); ++slot)
        if (!slots[slot].empty())
            expectedSlots.push_back(slotKeys[slot]);
    std::vector<std::string> enchantments;
    for (auto row = sheet.enchantmentRows.rbegin(); row != sheet.enchantmentRows.rend(); ++row)
        enchantments.push_back(row->text + ":" + std::to_string(row->tag));
    const std::vector<std::string> lore = descriptionLines(sheet.description);

    std::vector<std::string> keys;
    for (const auto &entry : itemNode)
        keys.push_back(entry.first.as<std::string>());
    std::vector<std::string> expectedKeys = {"Id", "Data", "Display"};
    if (!lore.empty())
        expectedKeys.push_back("Lore");
    if (!expectedSlots.empty())
        expectedKeys.push_back("Attributes");
    if (!enchantments.empty())
        expectedKeys.push_back("Enchantments");
    ASSERT_EQ(keys, expectedKeys);

    EXPECT_EQ(valueOf(itemNode["Id"]), sheet.material);
    EXPECT_EQ(valueOf(itemNode["Data"]), sheet.dataValue);
    if (sheet.displayName.empty())
        EXPECT_TRUE(itemNode["Display"].IsNull());
    else
        EXPECT_EQ(itemNode["Display"].as<std::string>(), meant(sheet.displayName))
            << "typed " << sheet.displayName;

    if (!lore.empty()) {
        const YAML::Node loreNode = itemNode["Lore"];
        ASSERT_TRUE(loreNode.IsSequence());
        ASSERT_EQ(loreNode.size(), lore.size());
        for (std::size_t i = 0; i < lore.size(); ++i) {
            ASSERT_TRUE(loreNode[i].IsScalar()) << "line " << i << " typed " << lore[i];
            EXPECT_EQ(loreNode[i].as<std::string>(), meant(lore[i]))
                << "line " << i << " typed " << lore[i];
        }
    }

    if (!expectedSlots.empty()) {
        const YAML::Node attributes = itemNode["Attributes"];
        ASSERT_TRUE(attributes.IsMap());
        std::vector<std::string> slotsRead;
        for (const auto &section : attributes) {
            slotsRead.push_back(section.first.as<std::string>());
            ASSERT_TRUE(section.second.IsMap()) << slotsRead.back();
        }
        ASSERT_EQ(slotsRead, expectedSlots);
        for (std::size_t slot = 0; slot < slots.size(); ++slot) {
            if (slots[slot].empty())
                continue;
            Pairs read;
            for (const auto &entry : attributes[slotKeys[slot]])
                read.emplace_back(entry.first.as<std::string>(), valueOf(entry.second));
            EXPECT_EQ(read, slots[slot]) << slotKeys[slot];
        }
    }

    if (!enchantments.empty()) {
        std::vector<std::string> read;
        for (const YAML::Node &entry : itemNode["Enchantments"])
            read.push_back(entry.as<std::string>());
        EXPECT_EQ(read, enchantments);
    }
}

TEST(ItemConfigProperty, RandomSheetsKeepEveryPromiseOfTheText) {
    Random random(4);
    for (int run = 0; run < 1500; ++run) {
        const ItemSheet sheet = randomSheet(random);
        const std::string text = item::generateItemConfig(sheet, core::TargetServer::Mm4);
        SCOPED_TRACE("run " + std::to_string(run) + ", text:\n" + text);
        checkText(sheet, text);
        if (testing::Test::HasFailure())
            return; // one sheet is enough to see what broke
    }
}

} // namespace
