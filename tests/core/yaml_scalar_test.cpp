// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/yaml_scalar.h"

#include <optional>

#include <gtest/gtest.h>

#include "core/value_writer.h"
#include "core/yaml11.h"
#include "support/server_reader.h"

// The writing rules held against the server's own reader: every text is written into a
// small file, read back as a Bukkit server reads it, and compared with what was typed.
namespace {

using core::PlainScalarKind;
using testsupport::ServerCharset;

// What the server makes of a value written after "Display: " and as the first entry of a
// list, in one file read as UTF-8; nothing when the file is rejected or the two differ.
struct Reading {
    std::string type;
    std::string value;
    friend bool operator==(const Reading &, const Reading &) = default;
};
std::optional<Reading> serverReading(const std::string &written) {
    const testsupport::ServerTree tree = testsupport::readAsServer(
        "Item:\r\n  Display: " + written + "\r\n  Lore:\r\n  - " + written + "\r\n  - end\r\n",
        ServerCharset::Utf8);
    const testsupport::ServerLeaf *display = tree.find("Item.Display");
    const testsupport::ServerLeaf *line = tree.find("Item.Lore[0]");
    const testsupport::ServerLeaf *end = tree.find("Item.Lore[1]");
    if (!tree.loaded() || !line || !end || end->value != "end")
        return std::nullopt;
    // A null drops the key from its section but stays in the list.
    const Reading fromLine{line->type, line->value};
    if (display ? Reading{display->type, display->value} != fromLine : line->type != "null")
        return std::nullopt;
    return fromLine;
}

std::string kindName(PlainScalarKind kind) {
    switch (kind) {
    case PlainScalarKind::String:
        return "string";
    case PlainScalarKind::Null:
        return "null";
    case PlainScalarKind::Bool:
        return "bool";
    case PlainScalarKind::Int:
        return "int";
    case PlainScalarKind::Float:
        return "double";
    case PlainScalarKind::Timestamp:
        return "date";
    case PlainScalarKind::Merge:
        return "merge";
    case PlainScalarKind::Value:
        return "value";
    }
    return {};
}

// Plain texts and the kind the server resolves them to.
const std::vector<std::pair<std::string, PlainScalarKind>> resolutionCases = {
    {"Sword", PlainScalarKind::String},
    {"烈焰之剑", PlainScalarKind::String},
    {"yes", PlainScalarKind::Bool},
    {"Off", PlainScalarKind::Bool},
    {"nUll", PlainScalarKind::String},
    {"~", PlainScalarKind::Null},
    {"null", PlainScalarKind::Null},
    {"100", PlainScalarKind::Int},
    {"-1", PlainScalarKind::Int},
    {"010", PlainScalarKind::Int},
    {"0x1F", PlainScalarKind::Int},
    {"0b101", PlainScalarKind::Int},
    {"1_000", PlainScalarKind::Int},
    {"12:30", PlainScalarKind::Int},
    {"09", PlainScalarKind::String},
    {"0.5", PlainScalarKind::Float},
    {"1e3", PlainScalarKind::Float},
    {".5", PlainScalarKind::Float},
    {"1:30.5", PlainScalarKind::Float},
    {".inf", PlainScalarKind::Float},
    {"-.Inf", PlainScalarKind::Float},
    {".NaN", PlainScalarKind::Float},
    {"2024-01-01", PlainScalarKind::Timestamp},
    {"2024-1-1 10:00:00", PlainScalarKind::Timestamp},
    {"1.2.3", PlainScalarKind::String},
    {"12:60", PlainScalarKind::String},
    {"0x", PlainScalarKind::String},
    {"+", PlainScalarKind::String},
    {"1e", PlainScalarKind::String},
    {"2024-01-01x", PlainScalarKind::String},
};

TEST(PlainScalarResolution, AgreesWithTheServer) {
    SKIP_WITHOUT_SERVER_READER();
    for (const auto &[text, kind] : resolutionCases) {
        EXPECT_EQ(core::resolvePlainScalar(text), kind) << text;
        const std::optional<Reading> reading = serverReading(text);
        ASSERT_TRUE(reading.has_value()) << text;
        EXPECT_EQ(reading->type, kindName(kind)) << text;
    }
}

// Texts a user may type anywhere: each must be written so that the server reads it back as
// typed, and left as typed when it already reads back so.
const std::vector<std::string> typedTexts = {
    "Sword", "烈焰之剑",   "Bob's",      "say \"hi\"", "a:b",   "http://x.y",
    "a#b",   "-x",         "?x",         ":x",         "a -b",  "a[b]{c},d",
    "a]",    "---",        "a&b*c!",     "？：＃",     "nUll",  "",
    "&c剑",  "&",          "*a",         "!x",         "%x",    "@x",
    "`x",    "'x",         "\"x",        "[x",         "]x",    "{x",
    "}x",    ",x",         "|x",         ">x",         "#x",    "- x",
    "-",     "? x",        "?",          ": x",        ":",     "a: b",
    "a:",    "a #b",       " a",         "a ",         "~",     "null",
    "yes",   "No",         "ON",         "off",        "true",  "False",
    "100",   "-1",         "010",        "0x1F",       "1_000", "12:30",
    "1e3",   ".inf",       "2024-01-01", "<<",         "=",     "'a''b'",
    "''",    "'&c剑'",     "it's",       "'&c' '&d'",  " 'x' ", "<target.name>被击杀了",
    "😀",     "&l&n粗体&r",
};

TEST(WrittenScalar, ReadsBackAsTypedOnTheServer) {
    SKIP_WITHOUT_SERVER_READER();
    for (const std::string &typed : typedTexts) {
        const std::string written = core::yamlScalar(typed);
        EXPECT_EQ(serverReading(written), (Reading{"string", typed}))
            << "[" << typed << "] written as [" << written << "]";
        if (core::readsBackAsPlainScalar(typed)) {
            EXPECT_EQ(written, typed);
        }
    }
}

TEST(WrittenScalar, UnwritableCharacters) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"a b", false},
        {"木桩", false},
        {"😀", false},
        {"a\tb", true},
        {"a\rb", true},
        {"a\nb", true},
        {std::string("a\0b", 3), true},
        {"a\x7F", true},
        {"a\xC2\x85", true},
        {"a\xC2\x9F", true},
        {"a\xE2\x80\xA8", true},
        {"a\xE2\x80\xA9", true},
        {"\xED\xA0\x80", true},
        {"\xED\xBF\xBF", true},
        {"\xFF", true},
        {"\xE6\x9C", true},
        {"\xEF\xBB\xBF"
         "a",
         true},
    };
    for (const auto &[text, unwritable] : cases)
        EXPECT_EQ(core::holdsUnwritableCharacter(text), unwritable) << core::visibleText(text);
}

TEST(DecimalNumber, AsciiFormWhenTheServerReadsTheSameNumber) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"200", "200"}, {"0", "0"},     {"-3", "-3"},       {"+5", "+5"},   {"0.5", "0.5"},
        {".5", ".5"},   {"10.", "10."}, {"1e5", "1e5"},     {"１２", "12"}, {"０．５", "0.5"},
        {"－１", "-1"}, {"09", {}},     {"010", {}},        {"007", {}},    {"1_000", {}},
        {"0x1F", {}},   {"12:30", {}},  {"2024-01-01", {}}, {"abc", {}},    {"", {}},
        {" 1", {}},     {"1 ", {}},     {"0.5abc", {}},     {".inf", {}},
    };
    for (const auto &[typed, ascii] : cases)
        EXPECT_EQ(core::decimalNumber(typed), ascii) << typed;
}

TEST(DoubleSingleQuotes, DoublesEveryQuote) {
    EXPECT_EQ(core::doubleSingleQuotes("Bob's"), "Bob''s");
    EXPECT_EQ(core::doubleSingleQuotes("''"), "''''");
    EXPECT_EQ(core::doubleSingleQuotes("木桩"), "木桩");
}

} // namespace
