// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/yaml_scalar.h"

#include <optional>

#include <gtest/gtest.h>

#include "support/yaml_read.h"

namespace {

// How a value reads back from the two places the item config puts user texts: after a
// mapping key and as a sequence entry. Nothing when it does not read back as one string in
// both places, or reads back differently in them.
std::optional<std::string> readBack(const std::string &value) {
    const std::string document = "Item:\r\n  Display: " + value + "\r\n  Lore:\r\n  - " + value +
                                 "\r\n  - end\r\n  Id: STONE\r\n";
    try {
        const YAML::Node item = testsupport::readYaml(document)["Item"];
        if (!item.IsMap() || item["Id"].as<std::string>() != "STONE" || item["Lore"].size() != 2)
            return std::nullopt;
        const YAML::Node display = item["Display"];
        const YAML::Node line = item["Lore"][0];
        if (!display.IsScalar() || !line.IsScalar() ||
            display.as<std::string>() != line.as<std::string>())
            return std::nullopt;
        return display.as<std::string>();
    } catch (const YAML::Exception &) {
        return std::nullopt;
    }
}

struct Case {
    std::string text;
    bool plain;
};

// Texts whose plain form yaml-cpp reads back as typed exactly when the rule says so.
const std::vector<Case> syntaxCases = {
    {"Sword", true},     {"烈焰之剑", true},   {"Bob's", true},  {"say \"hi\"", true},
    {"a:b", true},       {"http://x.y", true}, {"a#b", true},    {"-x", true},
    {"-1", true},        {"?x", true},         {":x", true},     {"a -b", true},
    {"a[b]{c},d", true}, {"a]", true},         {"100", true},    {"---", true},
    {"a&b*c!", true},    {"a\tb", true},       {"？：＃", true}, {"nUll", true},
    {"", false},         {"&c剑", false},      {"&", false},     {"*a", false},
    {"!x", false},       {"%x", false},        {"@x", false},    {"`x", false},
    {"'x", false},       {"\"x", false},       {"[x", false},    {"]x", false},
    {"{x", false},       {"}x", false},        {",x", false},    {"|x", false},
    {">x", false},       {"#x", false},        {"- x", false},   {"-", false},
    {"? x", false},      {"?", false},         {": x", false},   {":", false},
    {"a: b", false},     {"a:\tb", false},     {"a:", false},    {"a #b", false},
    {"a\t#b", false},    {" a", false},        {"a ", false},    {"\ta", false},
    {"~", false},        {"null", false},      {"Null", false},  {"NULL", false},
    {"'a''b'", false},   {"''", false},
};

// Words yaml-cpp reads back as typed but YAML 1.1 readers, the plugin's among them, take
// for booleans: the rule quotes them too.
const std::vector<std::string> booleanWords = {"yes", "No", "ON", "off", "true", "False"};

TEST(PlainScalarRule, AgreesWithYamlCpp) {
    for (const Case &c : syntaxCases) {
        EXPECT_EQ(core::readsBackAsPlainScalar(c.text), c.plain) << "[" << c.text << "]";
        EXPECT_EQ(readBack(c.text) == c.text, c.plain) << "[" << c.text << "]";
    }
    for (const std::string &word : booleanWords) {
        EXPECT_FALSE(core::readsBackAsPlainScalar(word)) << word;
        EXPECT_EQ(readBack(word), word);
    }
}

TEST(PlainScalarRule, EveryWrittenValueReadsBackAsTyped) {
    std::vector<std::string> texts = booleanWords;
    for (const Case &c : syntaxCases)
        if (!core::isSingleQuotedScalar(c.text))
            texts.push_back(c.text);
    for (const std::string extra : {"'", "it's", "'&c' '&d'", "'a'b'", " 'x' "})
        texts.push_back(extra);
    for (const std::string &text : texts) {
        const std::string written = core::yamlScalar(text);
        EXPECT_EQ(readBack(written), text) << "[" << text << "] written as [" << written << "]";
        if (core::readsBackAsPlainScalar(text)) {
            EXPECT_EQ(written, text);
        }
    }
}

TEST(SingleQuotedScalar, LeftAsTypedOnlyWhenComplete) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"'&c剑'", "'&c剑'"},    {"''", "''"},
        {"'it''s'", "'it''s'"},  {"'", "''''"},
        {"'a'b'", "'''a''b'''"}, {"'a' b", "'''a'' b'"},
        {"'a'''", "'a'''"},      {"'a''", "'''a'''''"},
    };
    for (const auto &[typed, written] : cases) {
        EXPECT_EQ(core::yamlScalar(typed), written) << typed;
        EXPECT_TRUE(readBack(written).has_value()) << written;
    }
}

TEST(DoubleSingleQuotes, DoublesEveryQuote) {
    EXPECT_EQ(core::doubleSingleQuotes("Bob's"), "Bob''s");
    EXPECT_EQ(core::doubleSingleQuotes("''"), "''''");
    EXPECT_EQ(core::doubleSingleQuotes("木桩"), "木桩");
}

} // namespace
