// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <regex>
#include <string>

#include "core/yaml_scalar.h"
#include "support/yaml_read.h"

namespace skilltest {

// What a YAML reader reads back from the line written as the generator writes it, one entry
// under Skills:, or nothing when the entry is no string. The only place that decides how a
// composed line is read back, so the reader can be swapped for the server's.
inline std::optional<std::string> readBackFromSkills(const std::string &line) {
    const YAML::Node file =
        testsupport::readYaml("Mob:\r\n  Skills:\r\n  - " + core::yamlScalar(line) + "\r\n");
    const YAML::Node entry = file["Mob"]["Skills"][0];
    if (!entry.IsScalar())
        return std::nullopt;
    return entry.as<std::string>();
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
