// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace testsupport {

// The bytes of a file of tests/fixtures.
inline std::string fixtureBytes(const std::string &name) {
    std::ifstream file(std::string(VELTRANE_FIXTURE_DIR) + "/" + name, std::ios::binary);
    if (!file)
        throw std::runtime_error("no fixture " + name);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace testsupport
