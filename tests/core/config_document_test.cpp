// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "core/config_document.h"
#include "core/entry_save.h"
#include "support/fixtures.h"

namespace {

using core::ConfigDocument;
using core::ConfigError;

ConfigDocument documentOf(std::string_view text) {
    auto read = core::readConfigDocument(text);
    if (const auto *error = std::get_if<ConfigError>(&read))
        ADD_FAILURE() << "line " << error->line << ':' << error->column << ' ' << error->message;
    return std::get_if<ConfigDocument>(&read) ? std::get<ConfigDocument>(read) : ConfigDocument{};
}

std::string_view textOf(std::string_view text, core::TextRange range) {
    return text.substr(range.begin, range.end - range.begin);
}

TEST(ConfigDocument, FindsEntriesWithoutTheCommentsAndBlankLinesBetweenThem) {
    const std::string file = testsupport::fixtureBytes("several_mobs.yml");
    const ConfigDocument document = documentOf(file);
    EXPECT_EQ(document.lineEnd, core::LineEnd::Lf);
    ASSERT_EQ(document.entries.size(), 2u);
    const core::ConfigNode &knight = document.entries[0];
    EXPECT_EQ(knight.key, "SkeletalKnight");
    EXPECT_TRUE(textOf(file, knight.range).starts_with("SkeletalKnight:\n"));
    EXPECT_TRUE(textOf(file, knight.range).ends_with("  - FALL 0\n"));
    EXPECT_TRUE(textOf(file, document.entries[1].range).starts_with("SkeletonKing:\n"));
    EXPECT_EQ(file.substr(knight.range.end, document.entries[1].range.begin - knight.range.end),
              "\n# The king leads them.\n");

    std::vector<std::string> keys;
    for (const core::ConfigNode &child : knight.children)
        keys.push_back(child.key);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"Type", "Display", "Health", "Damage", "Faction",
                                        "Equipment", "Options", "Skills", "DamageModifiers"}));
    EXPECT_EQ(core::findChild(knight, "display")->value, "&6Skeletal Knight");
    EXPECT_EQ(core::findChild(document.entries[1], "Display")->value, "&cSkeleton King");
    EXPECT_EQ(core::findChild(knight, "Skills")->items[1],
              "message{m=\"<mob.name>: Kneel!\"} @PlayersInRadius{r=20} ~onSpawn");
    EXPECT_EQ(core::findChild(knight, "Options")->children.size(), 6u);
}

TEST(ConfigDocument, ReadsQuotingAsTheServerDoes) {
    const ConfigDocument document = documentOf("'Quoted Key':\r\n"
                                               "  A: 'it''s # here'\r\n"
                                               "  B: \"say \\\"hi\\\"\"\r\n"
                                               "  C: plain # comment\r\n"
                                               "  D:\r\n"
                                               "  - 'x: y'\r\n"
                                               "  -   spaced  \r\n");
    ASSERT_EQ(document.entries.size(), 1u);
    const core::ConfigNode &entry = document.entries[0];
    EXPECT_EQ(document.lineEnd, core::LineEnd::CrLf);
    EXPECT_EQ(entry.key, "Quoted Key");
    EXPECT_EQ(core::findChild(entry, "a")->value, "it's # here");
    EXPECT_EQ(core::findChild(entry, "B")->value, "say \"hi\"");
    EXPECT_EQ(core::findChild(entry, "C")->value, "plain");
    EXPECT_EQ(core::findChild(entry, "D")->items, (std::vector<std::string>{"x: y", "spaced"}));
}

TEST(ConfigDocument, NamesTheLineAndColumnOfWhatCannotBeRead) {
    struct Case {
        std::string text;
        std::size_t line, column;
        std::string_view says;
    };
    const Case cases[] = {
        {testsupport::fixtureBytes("tab_indent.yml"), 6, 1, "制表符"},
        {testsupport::fixtureBytes("missing_colon.yml"), 6, 3, "键: 值"},
        {"A:\n  B: 'open\n", 2, 6, "单引号"},
        {"A:\n  B: 1\n    C: 2\n", 3, 5, "已经有值"},
        {"A:\n    B: 1\n  C: 2\n", 3, 3, "缩进"},
        {"  A: 1\n", 1, 3, "缩进"},
    };
    for (const Case &c : cases) {
        const auto read = core::readConfigDocument(c.text);
        const auto *error = std::get_if<ConfigError>(&read);
        ASSERT_NE(error, nullptr) << c.text;
        EXPECT_EQ(error->line, c.line) << c.text;
        EXPECT_EQ(error->column, c.column) << c.text;
        EXPECT_NE(error->message.find(c.says), std::string::npos) << error->message;
    }
}

TEST(ConfigDocument, SpliceReplacesOnlyTheEntryInTheFilesLineEnds) {
    const std::string file = "# head\nA:\n  X: 1\n\n# about B\nB:\n  X: 2\n";
    const ConfigDocument document = documentOf(file);
    ASSERT_EQ(document.entries.size(), 2u);
    core::KeptText kept;
    kept.options = "    Extra: 3\n";
    kept.keys = "  Faction: f\n";
    EXPECT_EQ(core::spliceEntry(file, document.entries[0].range,
                                "A:\r\n  X: 5\r\n  Options:\r\n    Y: 1\r\n\r\n\r\n", kept),
              "# head\nA:\n  X: 5\n  Options:\n    Y: 1\n    Extra: 3\n  Faction: f\n\n# about "
              "B\nB:\n  X: 2\n");
    EXPECT_EQ(core::spliceEntry(file, document.entries[1].range, "C:\r\n  X: 2\r\n", kept),
              "# head\nA:\n  X: 1\n\n# about B\nC:\n  X: 2\n  Options:\n    Extra: 3\n  Faction: "
              "f\n");
    EXPECT_EQ(core::appendEntry(file, "D:\r\n  X: 4\r\n"), file + "\nD:\n  X: 4\n");
    EXPECT_EQ(core::appendEntry("", "D:\r\n"), "D:\r\n");
}

// Which entry a save replaces, and when it refuses.
TEST(EntrySave, PutsTheEntryInPlaceOfItsOwnAndNoOther) {
    const std::string file = "A:\n  X: 1\nB:\n  X: 2\n";
    const core::LoadedEntry loadedA{"A", {{}, "  Kept: k\n"}};
    struct Case {
        std::string_view what;
        std::string file;
        std::optional<core::LoadedEntry> loaded;
        std::string identifier, entry, expected, warning;
    };
    const Case cases[] = {
        {"loaded, same name", file, loadedA, "A", "A:\r\n  X: 9\r\n",
         "A:\n  X: 9\n  Kept: k\nB:\n  X: 2\n", ""},
        {"loaded, renamed", file, loadedA, "C", "C:\r\n  X: 9\r\n",
         "C:\n  X: 9\n  Kept: k\nB:\n  X: 2\n", ""},
        {"loaded, renamed onto another", file, loadedA, "B", "B:\r\n", "", "已有名为“B”"},
        {"loaded, gone from the file", file, core::LoadedEntry{"Z", {}}, "Z", "Z:\r\n",
         file + "\nZ:\n", ""},
        {"not loaded, its name there", file, std::nullopt, "B", "B:\r\n  X: 7\r\n",
         "A:\n  X: 1\nB:\n  X: 7\n", ""},
        {"not loaded, new", file, std::nullopt, "C", "C:\r\n", file + "\nC:\n", ""},
        {"unreadable file", "A:\n\tX: 1\n", std::nullopt, "A", "A:\r\n", "", "第2行第1列"},
    };
    for (const Case &c : cases) {
        const core::EntrySave save =
            core::saveEntryIntoFile(c.file, c.loaded, c.identifier, c.entry);
        EXPECT_EQ(save.text, c.expected) << c.what;
        if (c.warning.empty())
            EXPECT_TRUE(save.ready()) << c.what << ": " << save.warning;
        else
            EXPECT_NE(save.warning.find(c.warning), std::string::npos) << c.what << save.warning;
    }
}

} // namespace
