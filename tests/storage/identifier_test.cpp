// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QString>

#include <gtest/gtest.h>

#include "storage/config_files.h"

namespace {

using storage::IdentifierUse;

QString with(const char *before, char16_t c, const char *after) {
    return QString::fromUtf8(before) + QChar(c) + QString::fromUtf8(after);
}

TEST(Identifier, WhatCanBeAFileNameBelowTheFolder) {
    struct Case {
        QString identifier;
        IdentifierUse use;
    };
    const Case cases[] = {
        {QStringLiteral("Dummy"), IdentifierUse::Usable},
        {QStringLiteral("a/b"), IdentifierUse::Usable},
        {QStringLiteral("a\\b"), IdentifierUse::Usable},
        {QStringLiteral("My Mob"), IdentifierUse::Usable},
        {QStringLiteral("木桩"), IdentifierUse::Usable},
        {QStringLiteral(".hidden"), IdentifierUse::Usable},
        {QStringLiteral("a..b"), IdentifierUse::Usable},
        {QString(), IdentifierUse::Usable}, // the file ".yml", as it always was
        {QStringLiteral(".."), IdentifierUse::LeavesFolder},
        {QStringLiteral("a/../b"), IdentifierUse::LeavesFolder},
        {QStringLiteral("/a"), IdentifierUse::LeavesFolder},
        {QStringLiteral("\\a"), IdentifierUse::LeavesFolder},
        {QStringLiteral("C:a"), IdentifierUse::LeavesFolder},
        {QStringLiteral("."), IdentifierUse::Unusable},
        {QStringLiteral("./a"), IdentifierUse::Unusable},
        {QStringLiteral("a/."), IdentifierUse::Unusable},
        {QStringLiteral("a//b"), IdentifierUse::Unusable},
        {QStringLiteral("a\\\\b"), IdentifierUse::Unusable},
        {QStringLiteral("a/"), IdentifierUse::Unusable},
        {with("a", u'\0', "b"), IdentifierUse::Unusable},
        {with("a", u'\x1f', "b"), IdentifierUse::Unusable},
        {with("a", u'\x7f', "b"), IdentifierUse::Unusable},
        {with("a", u'\x80', "b"), IdentifierUse::Unusable},
        {with("a", u'\x9f', "b"), IdentifierUse::Unusable},
        {with("a", u'\xa0', "b"), IdentifierUse::Usable}, // a no-break space is printable
        {with("a", u'\u2028', "b"), IdentifierUse::Unusable},
        {with("a", u'\u2029', "b"), IdentifierUse::Unusable},
    };
    for (const Case &c : cases)
        EXPECT_EQ(storage::judgeIdentifier(c.identifier), c.use)
            << storage::visibleText(c.identifier).toStdString();
}

TEST(Identifier, ControlCharactersAreShownAsEscapes) {
    EXPECT_EQ(storage::visibleText(with("a", u'\0', "b")), QStringLiteral("a\\u0000b"));
    EXPECT_EQ(storage::visibleText(with("a", u'\x7f', "b")), QStringLiteral("a\\u007Fb"));
    EXPECT_EQ(storage::visibleText(with("a", u'\u2029', "b")), QStringLiteral("a\\u2029b"));
    EXPECT_EQ(storage::visibleText(QStringLiteral("木桩 a\\u")), QStringLiteral("木桩 a\\u"));
}

} // namespace
