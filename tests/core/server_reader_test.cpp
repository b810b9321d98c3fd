// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/server_reader.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace {

using testsupport::ServerCharset;
using Entry = std::tuple<std::string, std::string, std::string>; // path, type, value

struct Case {
    const char *what;
    std::string bytes;
    ServerCharset charset;
    std::vector<Entry> entries; // all of them, in order, when the file loads
    std::string errorPart;      // a part of SnakeYAML's message when the file is rejected
};

// What the other tests rely on the reader for: the YAML 1.1 reading of plain scalars, how keys
// become section paths, the line ends and charsets of a server, and which files fail whole.
TEST(ServerReader, ReadsFilesAsAServerDoes) {
    SKIP_WITHOUT_SERVER_READER();
    constexpr auto utf8 = ServerCharset::Utf8;
    constexpr auto gbk = ServerCharset::Gbk;
    const std::vector<Case> cases = {
        {"CR LF line ends",
         "Dummy:\r\n  Type: ARMOR_STAND\r\n",
         utf8,
         {{"Dummy", "section", "1"}, {"Dummy.Type", "string", "ARMOR_STAND"}},
         ""},
        {"yes is a boolean", "a: yes\n", utf8, {{"a", "bool", "true"}}, ""},
        {"a leading 0 is octal", "a: 010\n", utf8, {{"a", "int", "8"}}, ""},
        {"colons count in base 60", "a: 12:30\n", utf8, {{"a", "int", "750"}}, ""},
        {"underscores are dropped", "a: 1_000\n", utf8, {{"a", "int", "1000"}}, ""},
        {"0x is hexadecimal", "a: 0x1F\n", utf8, {{"a", "int", "31"}}, ""},
        {"past int range", "a: 99999999999\n", utf8, {{"a", "long", "99999999999"}}, ""},
        {"an exponent without a dot", "a: 1e3\n", utf8, {{"a", "double", "1000.0"}}, ""},
        {"a date", "a: 2024-01-01\n", utf8, {{"a", "date", "2024-01-01T00:00:00Z"}}, ""},
        {".inf", "a: .inf\n", utf8, {{"a", "double", "Infinity"}}, ""},
        {"a null value drops its key", "a: ~\nb:\nc: 1\n", utf8, {{"c", "int", "1"}}, ""},
        {"null stays inside a list",
         "a: [~, 1]\n",
         utf8,
         {{"a", "list", "2"}, {"a[0]", "null", ""}, {"a[1]", "int", "1"}},
         ""},
        {"a dot in a key nests",
         "boss.1:\n  Health: 5\nboss.2: x\n",
         utf8,
         {{"boss", "section", "2"},
          {"boss.1", "section", "1"},
          {"boss.1.Health", "int", "5"},
          {"boss.2", "string", "x"}},
         ""},
        {"keys are the text of what they read as",
         "007: a\nyes: b\n~: c\n",
         utf8,
         {{"7", "string", "a"}, {"true", "string", "b"}, {"null", "string", "c"}},
         ""},
        {"maps inside lists stay maps",
         "Skills:\n- {a: 1}\n- b\n",
         utf8,
         {{"Skills", "list", "2"},
          {"Skills[0]", "map-in-list", "1"},
          {"Skills[0].a", "int", "1"},
          {"Skills[1]", "string", "b"}},
         ""},
        {"keys keep the file's order, a repeated key the place of its last",
         "b: 1\na: 2\nb: 3\n",
         utf8,
         {{"a", "int", "2"}, {"b", "int", "3"}},
         ""},
        {"a byte order mark is dropped",
         "\xEF\xBB\xBF"
         "a: 1\n",
         utf8,
         {{"a", "int", "1"}},
         ""},
        {"an empty file", "", utf8, {}, ""},
        // & starts an anchor: the colour code and the name become its label, the value is null.
        {"an unquoted colour code",
         "Display: &c骷髅之王\nHealth: 5\n",
         utf8,
         {{"Health", "int", "5"}},
         ""},
        {"text after an unquoted colour code",
         "Display: &c骷髅 之王\n",
         utf8,
         {{"Display", "string", "之王"}},
         ""},
        {"two unquoted colour codes",
         "Display: &c骷髅 &e之王\n",
         utf8,
         {},
         "expected <block end>, but found '<anchor>'\n in 'reader', line 1, column 15"},
        {"a quoted colour code",
         "Display: '&c骷髅之王'\n",
         utf8,
         {{"Display", "string", "&c骷髅之王"}},
         ""},
        {"a lone CR ends a line",
         "a: x\ry: 2\n",
         utf8,
         {{"a", "string", "x"}, {"y", "int", "2"}},
         ""},
        {"a tab as indentation",
         "a:\n\tb: 1\n",
         utf8,
         {},
         "found character '\\t(TAB)' that cannot start any token"},
        {"a list at the top", "- a\n", utf8, {}, "Top level is not a Map."},
        {"GBK read as GBK",
         "n: \xF7\xBC\xF7\xC3\xD6\xAE\xCD\xF5\n",
         gbk,
         {{"n", "string", "骷髅之王"}},
         ""},
        {"GBK read as UTF-8",
         "n: \xF7\xBC\xF7\xC3\xD6\xAE\xCD\xF5\n",
         utf8,
         {{"n", "string", "\uFFFD\uFFFD\uFFFD\uFFFD\u05AE\uFFFD\uFFFD"}},
         ""},
        // 聞 is C2 84 in GBK, which UTF-8 decodes to the control character U+0084.
        {"聞 in GBK read as GBK", "n: \xC2\x84\n", gbk, {{"n", "string", "聞"}}, ""},
        {"聞 in GBK read as UTF-8",
         "n: \xC2\x84\n",
         utf8,
         {},
         "unacceptable code point '\u0084' (0x84) special characters are not allowed"},
        // 聟 is C2 85: U+0085 (NEL), which YAML 1.1 counts as a line break.
        {"聟 in GBK read as UTF-8",
         "n: a\xC2\x85"
         "b: 1\n",
         utf8,
         {{"n", "string", "a"}, {"b", "int", "1"}},
         ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const testsupport::ServerTree tree = testsupport::readAsServer(c.bytes, c.charset);
        if (c.errorPart.empty()) {
            ASSERT_TRUE(tree.loaded()) << tree.error;
            std::vector<Entry> entries;
            for (const auto &leaf : tree.leaves)
                entries.emplace_back(leaf.path, leaf.type, leaf.value);
            EXPECT_EQ(entries, c.entries) << tree.dump();
        } else {
            ASSERT_FALSE(tree.loaded()) << tree.dump();
            EXPECT_NE(tree.error.find(c.errorPart), std::string::npos) << tree.error;
        }
    }
}

} // namespace
