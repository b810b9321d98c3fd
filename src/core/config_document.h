// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A config file as the server's folder holds it: its top-level entries found by position, so
// that one entry can be replaced while every other byte of the file stays as it was.
//
// Where the lines between entries belong: an entry runs from its key line through its last
// indented line (indented comments included). Blank lines and comments at the start of a line
// after that, up to the next entry's key line, belong to no entry: a save leaves them as they
// are, so the comment a user put above an entry stays above it. Comments at the start of a
// line between two indented lines of one entry belong to that entry.
//
// This reads the block style MythicMobs files are written in: mappings, "- " lists, plain,
// single- and double-quoted scalars. A value in flow style ("[a, b]", "{a: 1}") or a block
// scalar ("|") is kept as the text it is written as.
namespace core {

enum class LineEnd { CrLf, Lf };

// Byte offsets into the text that was read, end excluded.
struct TextRange {
    std::size_t begin = 0;
    std::size_t end = 0;

    friend bool operator==(const TextRange &, const TextRange &) = default;
};

// A key with its value: a scalar (unquoted), a list of scalars or a mapping of keys.
struct ConfigNode {
    enum class Kind { Empty, Scalar, List, Mapping };
    std::string key; // unquoted
    Kind kind = Kind::Empty;
    std::string value;              // Scalar: the unquoted text
    std::vector<std::string> items; // List: each item unquoted; an item with lines below it as
                                    // the text of its first line
    std::vector<ConfigNode> children;
    TextRange range; // from the key line through the end of its last line of content
    int indent = 0;  // the column the key stands in
};

struct ConfigError {
    std::size_t line = 0; // from 1
    std::size_t column = 0;
    std::string message;
};

struct ConfigDocument {
    LineEnd lineEnd = LineEnd::CrLf;
    std::vector<ConfigNode> entries; // in file order
};

// The line end the text uses: that of its first line, CR LF for a text of one line.
LineEnd lineEndOf(std::string_view text);
std::string_view lineEndText(LineEnd lineEnd);
// A text written with CR LF with the given line ends.
std::string withLineEnds(std::string_view crlfText, LineEnd lineEnd);

// The entries of the text, or where and why it cannot be read; a tab used to indent is an
// error of its own, since the server refuses it.
std::variant<ConfigDocument, ConfigError> readConfigDocument(std::string_view text);

// The child whose key equals the key in any case, as the plugin looks keys up; or nullptr.
const ConfigNode *findChild(const ConfigNode &node, std::string_view key);
// The entry named exactly so, or nullptr.
const ConfigNode *findEntry(const ConfigDocument &document, std::string_view name);
bool equalIgnoringCase(std::string_view a, std::string_view b);

// An error at the key of the child named key (in any case) when its value is neither empty
// nor of the kind the sheet reads it as: a list written in flow style ("[a, b]") or a
// mapping where a list belongs would otherwise be dropped on the next save.
std::optional<ConfigError> expectKind(std::string_view text, const ConfigNode &entry,
                                      std::string_view key, ConfigNode::Kind kind);

// What an entry held that its sheet has no field for, in the file's line ends: option keys to
// go back inside Options and whole keys (with comments) to go after the generated ones.
struct KeptText {
    std::string options; // lines indented by four
    std::string keys;    // lines indented by two

    bool empty() const { return options.empty() && keys.empty(); }
};

// What the sheet leaves of an entry: the keys it has no field for (with the lines after them
// up to the next key) and the Options keys it has no field for, moved to the indents the
// generators write; and the comments inside the keys it reads, as comment lines of the entry.
// The predicates tell a key (or an Options key) the sheet reads.
KeptText keptText(std::string_view entryText, const ConfigNode &entry,
                  const std::function<bool(const ConfigNode &)> &readsKey,
                  const std::function<bool(const ConfigNode &)> &readsOption);

// The lines of the child range [from, to) of the text moved from the indent they stand at to
// the new indent; lines less indented (comments at the start of the line) stay as they are.
std::string reindented(std::string_view text, TextRange range, int from, int to);

// The file with the bytes of the range replaced by the entry text (written with CR LF, as the
// generators write) in the file's line ends, its trailing blank lines left out so the lines
// after the range keep their spacing, and the kept text put back: the kept options after the
// generated Options keys (a new Options key when there is none), the kept keys last. After the
// last entry of a file, the new text's own trailing blank lines end the file.
std::string spliceEntry(std::string_view fileText, TextRange entryRange,
                        std::string_view newEntryText, const KeptText &kept);

// The file with the entry added at its end, after a blank line.
std::string appendEntry(std::string_view fileText, std::string_view newEntryText);

} // namespace core
