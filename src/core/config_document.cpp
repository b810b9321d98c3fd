// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/config_document.h"

#include <algorithm>
#include <optional>

namespace core {
namespace {

struct Line {
    std::size_t begin = 0;
    std::size_t next = 0;     // the start of the following line
    std::string_view content; // without indent and line end
    int indent = 0;
    std::size_t number = 0;
    bool blank = false;
    bool comment = false;
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        end = end == std::string_view::npos ? text.size() : end;
        if (end > begin && text[end - 1] == '\r')
            --end;
        Line line;
        line.begin = begin;
        line.next = next;
        line.number = lines.size() + 1;
        std::string_view whole = text.substr(begin, end - begin);
        if (lines.empty() && whole.starts_with("\xEF\xBB\xBF"))
            whole.remove_prefix(3);
        const std::size_t first = whole.find_first_not_of(' ');
        line.indent = first == std::string_view::npos ? static_cast<int>(whole.size())
                                                      : static_cast<int>(first);
        line.content = first == std::string_view::npos ? std::string_view() : whole.substr(first);
        line.blank = line.content.find_first_not_of(" \t") == std::string_view::npos;
        line.comment = !line.blank && line.content.starts_with('#');
        lines.push_back(line);
        begin = next;
    }
    return lines;
}

ConfigError errorAt(const Line &line, int column, std::string message) {
    return {line.number, static_cast<std::size_t>(column) + 1, std::move(message)};
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The scalar a value text stands for: quotes removed, a trailing comment cut off.
// A scalar's text, or why it cannot be read.
struct Scalar {
    std::string value;
    std::string error;
};

Scalar unquoted(std::string_view text) {
    text = trimmed(text);
    if (text.starts_with('\'')) {
        std::string out;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (text[i] != '\'') {
                out += text[i];
                continue;
            }
            if (i + 1 < text.size() && text[i + 1] == '\'') {
                out += '\'';
                ++i;
                continue;
            }
            const std::string_view rest = trimmed(text.substr(i + 1));
            if (!rest.empty() && !rest.starts_with('#'))
                return {{}, "引号后面还有多余的内容"};
            return {out, {}};
        }
        return {{}, "缺少结束的单引号"};
    }
    if (text.starts_with('"')) {
        std::string out;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (text[i] == '\\' && i + 1 < text.size()) {
                const char escaped = text[++i];
                out += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                continue;
            }
            if (text[i] != '"') {
                out += text[i];
                continue;
            }
            const std::string_view rest = trimmed(text.substr(i + 1));
            if (!rest.empty() && !rest.starts_with('#'))
                return {{}, "引号后面还有多余的内容"};
            return {out, {}};
        }
        return {{}, "缺少结束的双引号"};
    }
    if (const std::size_t comment = text.find(" #"); comment != std::string_view::npos)
        text = trimmed(text.substr(0, comment));
    return {std::string(text), {}};
}

// The key of a "key: value" line and where its value starts, or nothing for another line.
std::optional<std::pair<std::string, std::size_t>> keyOf(std::string_view content) {
    if (content.starts_with('\'') || content.starts_with('"')) {
        const char quote = content[0];
        const std::size_t close = content.find(quote, 1);
        if (close == std::string_view::npos || close + 1 >= content.size() ||
            content[close + 1] != ':')
            return std::nullopt;
        return std::pair{std::string(content.substr(1, close - 1)), close + 2};
    }
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] != ':')
            continue;
        if (i + 1 == content.size() || content[i + 1] == ' ')
            return std::pair{std::string(trimmed(content.substr(0, i))), i + 1};
    }
    return std::nullopt;
}

bool isListItem(std::string_view content) {
    return content == "-" || content.starts_with("- ");
}

class Parser {
  public:
    Parser(std::string_view text) : lines_(splitLines(text)) {}

    std::variant<ConfigDocument, ConfigError> document(std::string_view text) {
        ConfigDocument document;
        document.lineEnd = lineEndOf(text);
        for (const Line &line : lines_) {
            if (!line.blank && line.content.starts_with('\t'))
                return errorAt(line, line.indent,
                               "用了制表符(Tab)缩进，服务器无法读取，请改用空格");
        }
        i_ = nextContent(0);
        while (i_ < lines_.size()) {
            const Line &line = lines_[i_];
            if (line.indent != 0)
                return errorAt(line, line.indent, "缩进不对：这一行前面没有条目名称");
            if (auto error = mapping(0, document.entries))
                return *error;
        }
        for (ConfigNode &entry : document.entries)
            entry.range.end = entryEnd(entry.range.end);
        return document;
    }

  private:
    std::size_t nextContent(std::size_t from) const {
        while (from < lines_.size() && (lines_[from].blank || lines_[from].comment))
            ++from;
        return from;
    }

    // Indented comments after the last content line still belong to the entry.
    std::size_t entryEnd(std::size_t contentEnd) const {
        std::size_t end = contentEnd;
        for (const Line &line : lines_) {
            if (line.begin < contentEnd)
                continue;
            if (line.blank)
                continue;
            if (!line.comment || line.indent == 0)
                break;
            end = line.next;
        }
        return end;
    }

    std::optional<ConfigError> mapping(int indent, std::vector<ConfigNode> &out) {
        while (i_ < lines_.size()) {
            const Line &line = lines_[i_];
            if (line.indent < indent)
                return std::nullopt;
            if (line.indent > indent)
                return errorAt(line, line.indent, "缩进不对：比上一个键多了空格");
            const auto key = keyOf(line.content);
            if (!key)
                return errorAt(line, line.indent, "这里应是“键: 值”");
            ConfigNode node;
            node.key = key->first;
            node.indent = indent;
            node.range.begin = line.begin;
            node.range.end = line.next;
            const std::string_view rest = trimmed(line.content.substr(key->second));
            ++i_;
            if (!rest.empty() && !rest.starts_with('#')) {
                if (auto error = scalar(line, rest, node))
                    return error;
            } else if (const std::size_t next = nextContent(i_); next < lines_.size()) {
                const Line &below = lines_[next];
                i_ = next;
                if (below.indent > indent ||
                    (below.indent == indent && isListItem(below.content))) {
                    if (isListItem(below.content)) {
                        if (auto error = list(below.indent, node))
                            return error;
                    } else {
                        node.kind = ConfigNode::Kind::Mapping;
                        if (auto error = mapping(below.indent, node.children))
                            return error;
                    }
                    node.range.end = lines_[lastContent()].next;
                }
            }
            out.push_back(std::move(node));
            i_ = nextContent(i_);
        }
        return std::nullopt;
    }

    std::size_t lastContent() const {
        std::size_t last = i_;
        while (last > 0 && (lines_[last - 1].blank || lines_[last - 1].comment))
            --last;
        return last - 1;
    }

    std::optional<ConfigError> scalar(const Line &line, std::string_view rest, ConfigNode &node) {
        node.kind = ConfigNode::Kind::Scalar;
        const std::size_t column =
            static_cast<std::size_t>(line.indent) + (rest.data() - line.content.data());
        if (rest.starts_with('|') || rest.starts_with('>') || rest.starts_with('[') ||
            rest.starts_with('{')) {
            // Kept as written, with any lines below it.
            node.value = std::string(rest);
            skipDeeper(node.indent);
        } else {
            auto value = unquoted(rest);
            if (!value.error.empty())
                return ConfigError{line.number, column + 1, value.error};
            node.value = value.value;
            if (const std::size_t next = nextContent(i_);
                next < lines_.size() && lines_[next].indent > node.indent)
                return errorAt(lines_[next], lines_[next].indent, "缩进不对：上一个键已经有值");
        }
        if (i_ > 0)
            node.range.end = lines_[lastContent()].next;
        return std::nullopt;
    }

    void skipDeeper(int indent) {
        for (std::size_t next = nextContent(i_);
             next < lines_.size() && lines_[next].indent > indent; next = nextContent(i_))
            i_ = next + 1;
    }

    std::optional<ConfigError> list(int indent, ConfigNode &node) {
        node.kind = ConfigNode::Kind::List;
        while (i_ < lines_.size() && lines_[i_].indent == indent &&
               isListItem(lines_[i_].content)) {
            const Line &line = lines_[i_];
            const std::string_view item =
                line.content.size() > 2 ? line.content.substr(2) : std::string_view();
            ++i_;
            auto value = unquoted(item);
            if (!value.error.empty())
                return errorAt(line, line.indent + 2, value.error);
            node.items.push_back(value.value);
            skipDeeper(indent);
            i_ = nextContent(i_);
        }
        if (i_ < lines_.size() && lines_[i_].indent > indent)
            return errorAt(lines_[i_], lines_[i_].indent, "缩进不对：列表项应以“- ”开头");
        return std::nullopt;
    }

    std::vector<Line> lines_;
    std::size_t i_ = 0;
};

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The text without its trailing blank lines; it still ends with a line end.
std::string withoutTrailingBlankLines(std::string text, std::string_view eol) {
    while (text.ends_with(eol)) {
        const std::size_t lineStart = text.rfind('\n', text.size() - eol.size() - 1);
        const std::size_t start = lineStart == std::string::npos ? 0 : lineStart + 1;
        if (!isBlankLine(std::string_view(text).substr(start)) || start == 0)
            break;
        text.erase(start);
    }
    return text;
}

std::string commentsOf(std::string_view text, TextRange range) {
    std::string out;
    std::size_t begin = range.begin;
    while (begin < range.end) {
        std::size_t next = text.find('\n', begin);
        next = next == std::string_view::npos || next >= range.end ? range.end : next + 1;
        const std::string_view line = text.substr(begin, next - begin);
        const std::size_t first = line.find_first_not_of(' ');
        if (first != std::string_view::npos && line[first] == '#')
            out += "  " + std::string(line.substr(first));
        begin = next;
    }
    return out;
}

} // namespace

LineEnd lineEndOf(std::string_view text) {
    const std::size_t newline = text.find('\n');
    if (newline != std::string_view::npos && (newline == 0 || text[newline - 1] != '\r'))
        return LineEnd::Lf;
    return LineEnd::CrLf;
}

std::string_view lineEndText(LineEnd lineEnd) {
    return lineEnd == LineEnd::CrLf ? "\r\n" : "\n";
}

std::string withLineEnds(std::string_view crlfText, LineEnd lineEnd) {
    if (lineEnd == LineEnd::CrLf)
        return std::string(crlfText);
    std::string out;
    out.reserve(crlfText.size());
    for (std::size_t i = 0; i < crlfText.size(); ++i)
        if (!(crlfText[i] == '\r' && i + 1 < crlfText.size() && crlfText[i + 1] == '\n'))
            out += crlfText[i];
    return out;
}

std::variant<ConfigDocument, ConfigError> readConfigDocument(std::string_view text) {
    return Parser(text).document(text);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

const ConfigNode *findChild(const ConfigNode &node, std::string_view key) {
    for (const ConfigNode &child : node.children)
        if (equalIgnoringCase(child.key, key))
            return &child;
    return nullptr;
}

const ConfigNode *findEntry(const ConfigDocument &document, std::string_view name) {
    for (const ConfigNode &entry : document.entries)
        if (entry.key == name)
            return &entry;
    return nullptr;
}

std::string reindented(std::string_view text, TextRange range, int from, int to) {
    std::string out;
    std::size_t begin = range.begin;
    while (begin < range.end) {
        std::size_t next = text.find('\n', begin);
        next = next == std::string_view::npos || next >= range.end ? range.end : next + 1;
        std::string_view line = text.substr(begin, next - begin);
        const std::size_t spaces = std::min(line.find_first_not_of(' '), line.size());
        if (!isBlankLine(line) && spaces >= static_cast<std::size_t>(from)) {
            out.append(static_cast<std::size_t>(to), ' ');
            line.remove_prefix(static_cast<std::size_t>(from));
        }
        out += line;
        begin = next;
    }
    return out;
}

std::optional<ConfigError> expectKind(std::string_view text, const ConfigNode &entry,
                                      std::string_view key, ConfigNode::Kind kind) {
    const ConfigNode *child = findChild(entry, key);
    if (!child || child->kind == kind || child->kind == ConfigNode::Kind::Empty)
        return std::nullopt;
    const std::size_t line =
        static_cast<std::size_t>(std::count(text.begin(), text.begin() + child->range.begin, '\n'));
    static constexpr std::string_view kindNames[] = {"空值", "单个值", "列表（每行“- ”）", "键值"};
    return ConfigError{line + 1, static_cast<std::size_t>(child->indent) + 1,
                       "“" + child->key + "”应写成" +
                           std::string(kindNames[static_cast<int>(kind)]) +
                           "，这种写法本程序无法编辑，请在文本编辑器中修改"};
}

KeptText keptText(std::string_view entryText, const ConfigNode &entry,
                  const std::function<bool(const ConfigNode &)> &readsKey,
                  const std::function<bool(const ConfigNode &)> &readsOption) {
    KeptText kept;
    const std::size_t firstKey =
        entry.children.empty() ? entry.range.end : entry.children.front().range.begin;
    kept.keys += commentsOf(entryText, {entry.range.begin, firstKey});
    for (std::size_t i = 0; i < entry.children.size(); ++i) {
        const ConfigNode &child = entry.children[i];
        const std::size_t end =
            i + 1 < entry.children.size() ? entry.children[i + 1].range.begin : entry.range.end;
        if (!readsKey(child)) {
            kept.keys += reindented(entryText, {child.range.begin, end}, child.indent, 2);
            continue;
        }
        if (!equalIgnoringCase(child.key, "Options") || child.kind != ConfigNode::Kind::Mapping) {
            kept.keys += commentsOf(entryText, {child.range.begin, end});
            continue;
        }
        const std::size_t firstOption =
            child.children.empty() ? end : child.children.front().range.begin;
        kept.keys += commentsOf(entryText, {child.range.begin, firstOption});
        for (std::size_t j = 0; j < child.children.size(); ++j) {
            const ConfigNode &option = child.children[j];
            const std::size_t optionEnd = j + 1 < child.children.size()
                                              ? child.children[j + 1].range.begin
                                              : child.children[j].range.end;
            if (readsOption(option))
                kept.keys += commentsOf(entryText, {option.range.begin, optionEnd});
            else
                kept.options += withoutTrailingBlankLines(
                    reindented(entryText, {option.range.begin, optionEnd}, option.indent, 4),
                    lineEndText(lineEndOf(entryText)));
        }
        if (!child.children.empty())
            kept.keys += commentsOf(entryText, {child.children.back().range.end, end});
    }
    return kept;
}

std::string spliceEntry(std::string_view fileText, TextRange entryRange,
                        std::string_view newEntryText, const KeptText &kept) {
    const LineEnd lineEnd = lineEndOf(fileText);
    const std::string_view eol = lineEndText(lineEnd);
    // Nothing but blank lines after the entry: they are the end of the new text instead, so a
    // file of one entry holds the generated bytes exactly.
    const bool last = isBlankLine(fileText.substr(entryRange.end));
    std::string entry = withoutTrailingBlankLines(withLineEnds(newEntryText, lineEnd), eol);
    if (!kept.options.empty()) {
        const std::string header = "  Options:" + std::string(eol);
        const std::size_t options = entry.find(header);
        if (options == std::string::npos) {
            entry += header + kept.options;
        } else {
            // After the last line indented deeper than the Options key.
            std::size_t at = options + header.size();
            while (at < entry.size() && entry.compare(at, 4, "    ") == 0)
                at = entry.find('\n', at) + 1;
            entry.insert(at, kept.options);
        }
    }
    entry += kept.keys;
    if (!entry.ends_with('\n'))
        entry += eol;
    entry = withoutTrailingBlankLines(std::move(entry), eol);
    if (last) {
        const std::string generated = withLineEnds(newEntryText, lineEnd);
        const std::string stripped = withoutTrailingBlankLines(generated, eol);
        entry += generated.substr(stripped.size());
    }
    std::string out(fileText.substr(0, entryRange.begin));
    // A last line without a line end gets one, so the entry does not run into the next.
    if (!out.empty() && !out.ends_with('\n'))
        out += eol;
    out += entry;
    if (!last)
        out += fileText.substr(entryRange.end);
    return out;
}

std::string appendEntry(std::string_view fileText, std::string_view newEntryText) {
    const LineEnd lineEnd = lineEndOf(fileText);
    const std::string_view eol = lineEndText(lineEnd);
    std::string out(fileText);
    if (!out.empty()) {
        if (!out.ends_with('\n'))
            out += eol;
        if (!out.ends_with(std::string(eol) + std::string(eol)))
            out += eol;
    }
    out += withLineEnds(newEntryText, lineEnd);
    return out;
}

} // namespace core
