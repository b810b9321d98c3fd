// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/yaml11.h"

#include <regex>
#include <string>

namespace core {
namespace {

struct Resolver {
    PlainScalarKind kind;
    std::string_view firstCharacters; // the reader tries the rule only for these
    std::regex pattern;
};

const std::vector<Resolver> &resolvers() {
    static const std::vector<Resolver> table = [] {
        const auto rule = [](PlainScalarKind kind, std::string_view first, const char *pattern) {
            return Resolver{kind, first, std::regex(pattern, std::regex::ECMAScript)};
        };
        return std::vector<Resolver>{
            rule(PlainScalarKind::Bool, "yYnNtTfFoO",
                 "^(?:yes|Yes|YES|no|No|NO|true|True|TRUE|false|False|FALSE|on|On|ON|off|Off|"
                 "OFF)$"),
            rule(PlainScalarKind::Int, "-+0123456789",
                 "^(?:[-+]?0b_*[0-1]+[0-1_]*|[-+]?0_*[0-7]+[0-7_]*|[-+]?(?:0|[1-9][0-9_]*)|[-+]?"
                 "0x_*[0-9a-fA-F]+[0-9a-fA-F_]*|[-+]?[1-9][0-9_]*(?::[0-5]?[0-9])+)$"),
            // A point or an exponent makes a float: "09" stays a text.
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

} // namespace

PlainScalarKind resolvePlainScalar(std::string_view text) {
    if (text.empty())
        return PlainScalarKind::Null;
    const std::string subject(text);
    for (const Resolver &resolver : resolvers()) {
        if (resolver.firstCharacters.find(text.front()) == std::string_view::npos)
            continue;
        if (std::regex_match(subject, resolver.pattern))
            return resolver.kind;
    }
    return PlainScalarKind::String;
}

} // namespace core
