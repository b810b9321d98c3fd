// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/yaml11.h"

#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/yaml_scalar.h"

// The scanners of the resolver held against the resolver's own patterns (those of SnakeYAML,
// which the tables in yaml_scalar_test.cpp check against the server): over every short text
// of the characters the patterns care about, and over every one-character change of texts
// near each rule's edges.
namespace {

using core::PlainScalarKind;

struct Pattern {
    PlainScalarKind kind;
    std::string_view firstCharacters;
    std::regex pattern;
};

const std::vector<Pattern> &patterns() {
    static const std::vector<Pattern> table = [] {
        const auto rule = [](PlainScalarKind kind, std::string_view first, const char *pattern) {
            return Pattern{kind, first, std::regex(pattern, std::regex::ECMAScript)};
        };
        return std::vector<Pattern>{
            rule(PlainScalarKind::Bool, "yYnNtTfFoO",
                 "^(?:yes|Yes|YES|no|No|NO|true|True|TRUE|false|False|FALSE|on|On|ON|off|Off|"
                 "OFF)$"),
            rule(PlainScalarKind::Int, "-+0123456789",
                 "^(?:[-+]?0b_*[0-1]+[0-1_]*|[-+]?0_*[0-7]+[0-7_]*|[-+]?(?:0|[1-9][0-9_]*)|[-+]?"
                 "0x_*[0-9a-fA-F]+[0-9a-fA-F_]*|[-+]?[1-9][0-9_]*(?::[0-5]?[0-9])+)$"),
            rule(PlainScalarKind::Float, "-+0123456789.",
                 "^(?:[-+]?(?:\\.[0-9]+(?:[eE][-+]?[0-9]+)?|[0-9_]+\\.[0-9_]*(?:[eE][-+]?[0-9]+)?|"
                 "[0-9_]+[eE][-+]?[0-9]+)|[-+]?[0-9][0-9_]*(?::[0-5]?[0-9])+\\.[0-9_]*|[-+]?\\."
                 "(?:inf|Inf|INF)|\\.(?:nan|NaN|NAN))$"),
            rule(PlainScalarKind::Merge, "<", "^(?:<<)$"),
            rule(PlainScalarKind::Null, "~nN", "^(?:~|null|Null|NULL| )$"),
            rule(PlainScalarKind::Timestamp, "0123456789",
                 "^(?:[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]|[0-9][0-9][0-9][0-9]-[0-9][0-9]?-"
                 "[0-9][0-9]?(?:[Tt]|[ \\t]+)[0-9][0-9]?:[0-9][0-9]:[0-9][0-9](?:\\.[0-9]*)?(?:["
                 " \\t]*(?:Z|[-+][0-9][0-9]?(?::[0-9][0-9])?))?)$"),
            rule(PlainScalarKind::Value, "=", "^(?:=)$"),
        };
    }();
    return table;
}

PlainScalarKind byPattern(const std::string &text) {
    if (text.empty())
        return PlainScalarKind::Null;
    for (const Pattern &rule : patterns())
        if (rule.firstCharacters.find(text.front()) != std::string_view::npos &&
            std::regex_match(text, rule.pattern))
            return rule.kind;
    return PlainScalarKind::String;
}

// The characters that decide the rules, and a few that none of them takes.
constexpr std::string_view alphabet = "0159_:.-+eExbTZ \t~n<=a";

void expectSameAsPatterns(const std::string &text) {
    EXPECT_EQ(core::resolvePlainScalar(text), byPattern(text)) << "“" << text << "”";
}

TEST(PlainScalarScanners, AgreeWithThePatternsOnEveryShortText) {
    std::vector<std::string> texts = {""};
    for (std::size_t length = 1; length <= 4; ++length) {
        std::vector<std::string> longer;
        for (const std::string &text : texts)
            if (text.size() == length - 1)
                for (const char c : alphabet)
                    longer.push_back(text + c);
        for (const std::string &text : longer)
            expectSameAsPatterns(text);
        texts.insert(texts.end(), longer.begin(), longer.end());
        if (testing::Test::HasFailure())
            return;
    }
}

TEST(PlainScalarScanners, AgreeWithThePatternsNearEachRule) {
    const std::vector<std::string> seeds = {
        "yes",
        "False",
        "OFF",
        "null",
        "~",
        "<<",
        "=",
        "-0b1_01",
        "+0x_aF_9",
        "0_17",
        "1_000",
        "12:30:59",
        "1_0:5:9",
        "190:60",
        "-1:30.5_",
        "0:30.5",
        "_.5e+10",
        "-.5E-3",
        "1_e5",
        "+.inf",
        ".NaN",
        "-.INF",
        "1.2.3",
        "2024-01-01",
        "2024-1-1T1:00:00Z",
        "2024-01-01 \t 10:00:00.123 -8:30",
        "2024-12-31t23:59:59+08",
        "2024-1-1 1:00:00. Z",
    };
    for (const std::string &seed : seeds) {
        expectSameAsPatterns(seed);
        for (std::size_t at = 0; at <= seed.size(); ++at) {
            if (at < seed.size())
                expectSameAsPatterns(seed.substr(0, at) + seed.substr(at + 1));
            for (const char c : alphabet) {
                expectSameAsPatterns(seed.substr(0, at) + c + seed.substr(at));
                if (at < seed.size())
                    expectSameAsPatterns(seed.substr(0, at) + c + seed.substr(at + 1));
            }
        }
    }
}

// decimalNumber's own patterns, on the same texts once folded to ASCII.
TEST(DecimalNumberScanner, AgreesWithItsPatterns) {
    const std::regex decimal("^[-+]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][-+]?[0-9]+)?$");
    const std::regex leadingZero("^[-+]?0[0-9]+$");
    std::vector<std::string> texts = {""};
    for (std::size_t length = 1; length <= 5; ++length) {
        const std::size_t shorter = texts.size();
        for (std::size_t i = 0; i < shorter; ++i)
            if (texts[i].size() == length - 1)
                for (const char c : std::string_view("01.-+eE_x"))
                    texts.push_back(texts[i] + c);
    }
    for (const std::string &text : texts) {
        const bool expected =
            std::regex_match(text, decimal) && !std::regex_match(text, leadingZero);
        EXPECT_EQ(core::decimalNumber(text).has_value(), expected) << "“" << text << "”";
        if (testing::Test::HasFailure())
            return;
    }
}

} // namespace
