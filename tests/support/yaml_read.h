// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <yaml-cpp/yaml.h>

namespace testsupport {

// The generated texts use CR LF; a YAML reader takes them as they are.
inline YAML::Node readYaml(const std::string &text) {
    return YAML::Load(text);
}

} // namespace testsupport
