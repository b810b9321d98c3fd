// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// The pieces a random text is made of: each entry is one UTF-8 character or a short token
// that goes in whole.
using Alphabet = std::vector<std::string_view>;

namespace alphabets {

inline const Alphabet asciiLetters = {
    "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r",
    "s", "t", "u", "v", "w", "x", "y", "z", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
    "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
inline const Alphabet digits = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
inline const Alphabet cjk = {"木", "桩", "骷", "髅", "之", "王", "击", "杀",
                             "了", "的", "怪", "物", "剑", "龙", "火", "冰",
                             "「", "」", "，", "。", "！", "：", "（", "）"};
// Characters that mean something to YAML somewhere in a line.
inline const Alphabet yamlSignificant = {
    "&", "'", "\"", ":", "#", "-", "[", "]",  "{",  "}",  ",",  "?",  "|",
    ">", "!", "%",  "@", "`", "*", "~", "\\", ": ", " #", "- ", "''", "<target.name>"};
inline const Alphabet blanks = {" ", "  ", "\t", "　"};
// Outside the basic plane, and outside GBK as well.
inline const Alphabet astral = {"😀", "𠀀"};

// Every kind above: what a user may type into a single-line edit box.
inline Alphabet anyTyped() {
    Alphabet all;
    for (const Alphabet *part : {&asciiLetters, &digits, &cjk, &yamlSignificant, &blanks, &astral})
        all.insert(all.end(), part->begin(), part->end());
    return all;
}

// Letters, digits, underscores and Chinese: a word that stays one plain YAML scalar.
inline Alphabet plainWord() {
    Alphabet all = {"_"};
    for (const Alphabet *part : {&asciiLetters, &digits, &cjk})
        all.insert(all.end(), part->begin(), part->end());
    return all;
}

// Capitals and underscores, as the plugin's keys are written.
inline const Alphabet upperWord = {"A", "B", "C", "D", "I", "N", "O", "R", "S", "W", "_"};

} // namespace alphabets

// Random choices from a fixed seed. Only std::mt19937 is used, whose sequence the standard
// fixes, so a seed gives the same texts with every compiler and library.
class Random {
  public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}

    // A number from low to high, both included.
    int number(int low, int high) {
        return low + static_cast<int>(engine_() % static_cast<std::uint32_t>(high - low + 1));
    }
    // True in about percent cases out of a hundred.
    bool chance(int percent) { return number(1, 100) <= percent; }

    template <class T> const T &pick(const std::vector<T> &choices) {
        return choices[static_cast<std::size_t>(number(0, static_cast<int>(choices.size()) - 1))];
    }

    // From minLength to maxLength pieces of the alphabet.
    std::string text(const Alphabet &alphabet, int minLength, int maxLength) {
        std::string out;
        for (int n = number(minLength, maxLength); n > 0; --n)
            out += pick(alphabet);
        return out;
    }

  private:
    std::mt19937 engine_;
};

// Plain words joined by single spaces: one plain YAML scalar.
inline std::string words(Random &random, int maxWords) {
    const Alphabet word = alphabets::plainWord();
    std::string out = random.text(alphabets::asciiLetters, 1, 1) + random.text(word, 0, 8);
    for (int n = random.number(0, maxWords - 1); n > 0; --n)
        out += " " + random.text(word, 1, 8);
    return out;
}

} // namespace testsupport
