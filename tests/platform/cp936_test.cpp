// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cp936.h"

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace platform {

void PrintTo(const RefusedCharacter &refused, std::ostream *out) {
    *out << "U+" << std::hex << std::uppercase << static_cast<unsigned>(refused.character) << " at "
         << std::dec << refused.index;
}

} // namespace platform

namespace {

class CodePage936 : public testing::Test {
  protected:
    void SetUp() override {
#ifndef _WIN32
        GTEST_SKIP() << "code page 936 is Windows' converter; elsewhere Qt's ICU one writes GBK";
#endif
        ASSERT_TRUE(platform::codePage936Available());
    }
};

// What `iconv -t GBK` writes for each text.
TEST_F(CodePage936, WritesTheGbkBytes) {
    const std::vector<std::pair<std::u16string, std::string>> cases = {
        {u"", ""},
        {u"ABC", "ABC"},
        {u"骷髅之王", "\xf7\xbc\xf7\xc3\xd6\xae\xcd\xf5"},
        {u"僵尸Zombie 1", "\xbd\xa9\xca\xac"
                          "Zombie 1"},
        {u"&6烈焰之剑", "&6\xc1\xd2\xd1\xe6\xd6\xae\xbd\xa3"},
        // Punctuation where GB2312 and Windows once disagreed on the Unicode side.
        {u"·—“”…", "\xa1\xa4\xa1\xaa\xa1\xb0\xa1\xb1\xa1\xad"},
        {u"€", "\x80"},
        {u"?", "?"}, // a real question mark is not the default character
    };
    for (const auto &[text, bytes] : cases) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(platform::encodeCodePage936(text), platform::CodePage936Text(bytes));
    }
}

TEST_F(CodePage936, RefusesTheFirstCharacterItCannotHold) {
    const char16_t high = 0xD800;
    const char16_t low = 0xDC00;
    const std::vector<std::pair<std::u16string, platform::RefusedCharacter>> cases = {
        {u"😀", {0, U'😀'}},
        {u"怪物😀王", {2, U'😀'}},
        {u"♫", {0, U'♫'}},
        {std::u16string{u'a', high, u'b'}, {1, high}},
        {std::u16string{u'a', low}, {1, low}},
        {std::u16string{u'a', high}, {1, high}},
        // Without WC_NO_BEST_FIT_CHARS Windows writes "2" for "²" and "à" for "À", and says
        // nothing about it.
        {u"等级²", {2, U'²'}},
        {u"À", {0, U'À'}},
        {u"王²♫", {1, U'²'}},
    };
    for (const auto &[text, refused] : cases) {
        SCOPED_TRACE(testing::PrintToString(refused));
        EXPECT_EQ(platform::encodeCodePage936(text), platform::CodePage936Text(refused));
    }
}

} // namespace
