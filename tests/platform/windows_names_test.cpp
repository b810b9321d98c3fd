// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows_names.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using platform::WindowsNameVerdict;

struct NameCase {
    std::u16string name;
    WindowsNameVerdict verdict;
};

std::string utf8(std::u16string_view text) {
    std::string out;
    for (char16_t unit : text) // enough for the trace of a failure: one byte per unit
        out += unit < 0x80 ? static_cast<char>(unit) : '?';
    return out;
}

const std::vector<NameCase> &nameCases() {
    using enum WindowsNameVerdict;
    static const std::vector<NameCase> cases = {
        {u"骷髅之王.yml", allowed},
        {u"a", allowed},
        {u".", allowed},
        {u"..", allowed},
        {u".hidden", allowed},
        {u"CONSOLE", allowed},
        {u"COM0", allowed},
        {u"COM10", allowed},
        {u"LPT", allowed},
        {u"COM⁴", allowed}, // only ¹ ² ³ count as digits
        {u"xNUL", allowed},
        {u"NUL_", allowed},
        {u"CON", deviceName},
        {u"con", deviceName},
        {u"Prn", deviceName},
        {u"AUX", deviceName},
        {u"NUL", deviceName},
        {u"COM1", deviceName},
        {u"com9", deviceName},
        {u"LPT1", deviceName},
        {u"LPT9", deviceName},
        {u"COM¹", deviceName},
        {u"COM²", deviceName},
        {u"lpt³", deviceName},
        {u"CONIN$", deviceName},
        {u"CONOUT$", deviceName},
        {u"NUL.txt", deviceName},
        {u"nul.tar.gz", deviceName},
        {u"CON.", deviceName},
        {u"COM1 ", deviceName},
        {u"AUX .yml", deviceName},
        {u"a<b", reservedCharacter},
        {u"a>b", reservedCharacter},
        {u"a:b", reservedCharacter},
        {u"a\"b", reservedCharacter},
        {u"a/b", reservedCharacter},
        {u"a\\b", reservedCharacter},
        {u"a|b", reservedCharacter},
        {u"a?b", reservedCharacter},
        {u"a*b", reservedCharacter},
        {std::u16string{u'a', 0x00, u'b'}, reservedCharacter},
        {std::u16string{u'a', 0x1F, u'b'}, reservedCharacter},
        {u"CON:", reservedCharacter},
        {std::u16string(u"a\u007f"), allowed}, // DEL is no control character to Windows
        {u"a.", trailingDotOrBlank},
        {u"a ", trailingDotOrBlank},
        {u"a. .", trailingDotOrBlank},
        {u"...", trailingDotOrBlank},
        {u"a\u3000", allowed}, // only the ASCII blank is stripped
        {std::u16string(255, u'a'), allowed},
        {std::u16string(256, u'a'), tooLong},
        {std::u16string(255, u'龙'), allowed}, // 765 bytes of UTF-8, too long only on Linux
        {std::u16string(256, u'龙'), tooLong},
    };
    return cases;
}

TEST(WindowsNameVerdict, NamesWhatWindowsMakesOfThePart) {
    for (const NameCase &c : nameCases()) {
        SCOPED_TRACE(utf8(c.name));
        EXPECT_EQ(platform::judgeWindowsName(c.name), c.verdict);
    }
}

TEST(NameLength, CountsUtf16UnitsAndUtf8Bytes) {
    const char16_t high = 0xD83D;
    const char16_t low = 0xDE00;
    const std::vector<std::pair<std::u16string, platform::NameLength>> cases = {
        {u"", {0, 0}},
        {u"mob.yml", {7, 7}},
        {u"é", {1, 2}},
        {u"骷髅之王", {4, 12}},
        {u"😀", {2, 4}},
        {std::u16string{u'a', high}, {2, 4}}, // a lone surrogate turns into U+FFFD
        {std::u16string{low, high}, {2, 6}},
        {std::u16string(84, u'龙') + u".yml", {88, 256}},
    };
    for (const auto &[name, length] : cases) {
        SCOPED_TRACE(utf8(name));
        EXPECT_EQ(platform::nameLength(name), length);
    }
}

#ifdef _WIN32

std::wstring wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// An empty folder of its own under the temporary folder, removed with what it holds.
class ScratchFolder {
  public:
    ScratchFolder() {
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(temp) + L"veltrane-names-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::wstring &name : entries())
            DeleteFileW((path_ + L"\\" + name).c_str());
        RemoveDirectoryW(path_.c_str());
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    std::wstring inside(std::u16string_view name) const { return path_ + L"\\" + wide(name); }

    std::vector<std::wstring> entries() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

  private:
    std::wstring path_;
};

// The names asked of Windows itself. Not the separators and NUL, which end a name before
// CreateFileW sees it, nor where Wine parts ways with Windows: COM² is a file to Wine and
// "a:b" a plain name instead of a stream of "a". A name near the length limit takes the path
// beyond MAX_PATH, which only a \\?\ path passes, and such a path skips both the stripping
// and the devices.
bool askedOfWindows(const NameCase &c) {
    return c.name != u"." && c.name != u".." && c.name.size() < 200 &&
           c.name.find_first_of(u"¹²³:/\\") == c.name.npos && c.name.find(u'\0') == c.name.npos;
}

// Only an allowed name comes out of CreateFileW as a file of exactly that name.
TEST(WindowsNameVerdict, MatchesWhatCreateFileMakes) {
    for (const NameCase &c : nameCases()) {
        if (!askedOfWindows(c))
            continue;
        SCOPED_TRACE(utf8(c.name));
        const ScratchFolder folder;
        const HANDLE file = CreateFileW(folder.inside(c.name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        const bool madeThatFile = folder.entries() == std::vector<std::wstring>{wide(c.name)};
        EXPECT_EQ(madeThatFile, c.verdict == WindowsNameVerdict::allowed);
    }
}

TEST(WindowsNameVerdict, TrailingDotsAndBlanksAddressTheFileWithout) {
    const ScratchFolder folder;
    const HANDLE file = CreateFileW(folder.inside(u"a").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    for (const std::u16string name : {u"a.", u"a ", u"a. ."}) {
        SCOPED_TRACE(utf8(name));
        ASSERT_EQ(platform::judgeWindowsName(name), WindowsNameVerdict::trailingDotOrBlank);
        const HANDLE again = CreateFileW(folder.inside(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_EQ(again, INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
        if (again != INVALID_HANDLE_VALUE)
            CloseHandle(again);
    }
}

#endif

} // namespace
