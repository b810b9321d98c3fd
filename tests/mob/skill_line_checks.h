// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mob/mob_config.h"
#include "support/gbk.h"
#include "support/server_reader.h"

namespace skilltest {

using testsupport::gbkBytes;

// What the server reads back from the lines written by generateMobConfig under Skills: of
// one mob, in order; an entry that is no string reads back as nothing. The only place that
// decides how composed lines are read back. All lines go into one file, since every read
// is a round trip to the Java reader.
inline std::vector<std::optional<std::string>>
readBackFromSkills(const std::vector<std::string> &lines, testsupport::ServerCharset charset) {
    mob::MobSheet sheet;
    sheet.identifier = "Mob";
    sheet.displayName = sheet.health = sheet.damage = "1";
    for (const std::string &line : lines)
        sheet.skillRows.push_back({line});
    const std::string text = mob::generateMobConfig(sheet, "", core::TargetServer::Mm4).text;
    const testsupport::ServerTree tree = testsupport::readAsServer(
        charset == testsupport::ServerCharset::Gbk ? gbkBytes(text) : text, charset);
    EXPECT_TRUE(tree.loaded()) << tree.error;
    std::vector<std::optional<std::string>> read;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const testsupport::ServerLeaf *leaf = tree.find("Mob.Skills[" + std::to_string(i) + "]");
        if (leaf && leaf->type == "string")
            read.push_back(leaf->value);
        else
            read.push_back(std::nullopt);
    }
    return read;
}

// Every line reads back from the file exactly as composed, in UTF-8 and in GBK.
inline void expectReadBackAsComposed(const std::vector<std::string> &lines) {
    for (const auto charset : {testsupport::ServerCharset::Utf8, testsupport::ServerCharset::Gbk}) {
        const std::vector<std::optional<std::string>> read = readBackFromSkills(lines, charset);
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(read[i], lines[i])
                << (charset == testsupport::ServerCharset::Gbk ? "GBK" : "UTF-8");
    }
}

// The shape the plugin reads, written out independently of the composer:
// mechanic{name=value;…} @targeter{…} ~trigger:value health chance, every part but the
// mechanic optional. A value is double-quoted without inner quotes, or unquoted without
// ; } or ", holding at most braces that nest one level deep.
inline bool inSkillSyntax(const std::string &line) {
    static const std::string value = R"(("[^"]*"|[^;{}"]*(\{[^{}"]*\}[^;{}"]*)*))";
    static const std::string arguments =
        R"((\{[A-Za-z]+=)" + value + R"((;[A-Za-z]+=)" + value + R"()*\})?)";
    static const std::regex shape("[A-Za-z][A-Za-z:]*" + arguments + "( @[A-Za-z]+" + arguments +
                                  R"()?( ~on[A-Za-z]+(:[A-Za-z0-9_]+)?)?)" +
                                  R"(( [=<>][0-9.]+%?(-[0-9.]+%)?)?( [0-9.]+)?)");
    return std::regex_match(line, shape);
}

} // namespace skilltest
