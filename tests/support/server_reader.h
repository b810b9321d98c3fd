// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// The charset the server decodes a config file with: UTF-8 on current servers, GBK on old
// Java 8 servers on Chinese Windows.
enum class ServerCharset { Utf8, Gbk };

// One entry of the loaded configuration. The path joins section keys with "." and list
// indexes as "[i]", e.g. "Mob.Skills[0]". The type is "section", "list" or "map-in-list" (with
// the number of entries as the value), or "string", "int", "long", "bigint", "double", "bool",
// "date" (as 2024-01-01T00:00:00Z), "null" (only inside lists), or a Java class name for
// anything else. Path and value are the exact texts, in UTF-8.
struct ServerLeaf {
    std::string path;
    std::string type;
    std::string value;
};

// What the server makes of a file: either the whole file is rejected, or its entries in the
// order of the keys. A key with no value (or "~") is not an entry: the server drops it.
struct ServerTree {
    std::string error; // SnakeYAML's message, with line and column, when the file is rejected
    std::vector<ServerLeaf> leaves;

    bool loaded() const { return error.empty(); }
    const ServerLeaf *find(std::string_view path) const;
    // The error or every entry, one per line with control characters escaped.
    std::string dump() const;
};

// Loads the bytes as a file the way a Bukkit/Spigot/Paper server loads a plugin config
// (SnakeYAML 1.33 through YamlConfiguration). One Java process serves the whole test process.
// Throws std::runtime_error when the reader cannot run or does not answer.
ServerTree readAsServer(std::string_view fileBytes, ServerCharset charset);

// Why readAsServer cannot work here (Java or SnakeYAML missing), or empty when it can.
std::string serverReaderMissing();

// tools/test.sh installs Java and SnakeYAML and sets this variable: there a missing reader is
// an error, not a reason to skip.
inline bool serverReaderRequired() {
    return std::getenv("VELTRANE_REQUIRE_SERVER_READER") != nullptr;
}

} // namespace testsupport

// Skips the test when the reader cannot run, or fails it where the reader must be there.
#define SKIP_WITHOUT_SERVER_READER()                                                               \
    if (const std::string missing = testsupport::serverReaderMissing(); !missing.empty()) {        \
        ASSERT_FALSE(testsupport::serverReaderRequired())                                          \
            << missing << ", though VELTRANE_REQUIRE_SERVER_READER is set";                        \
        GTEST_SKIP() << missing;                                                                   \
    }
