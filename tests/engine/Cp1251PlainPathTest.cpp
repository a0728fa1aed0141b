// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Cp1251.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>

namespace lirem::engine {
namespace {

std::string Utf8(char32_t cp) {
    std::string s;
    AppendUtf8(s, cp);
    return s;
}

// The plain path gives what the standard conversion (checked against ICU by
// the oracle test) gives; a reused buffer keeps nothing of before.
void ExpectSameAsEngine(const std::string& utf8) {
    std::string out = "stale";
    Utf8ToCp1251Into(utf8, out);
    EXPECT_EQ(out, Utf8ToCp1251Standard(utf8)) << utf8;
    EXPECT_EQ(Utf8ToCp1251(utf8), out) << utf8;
}

TEST(Cp1251PlainPath, EveryAsciiAndCyrillicCharacterAloneAndInWords) {
    for (char32_t cp = 0; cp < 0x80; ++cp)
        ExpectSameAsEngine(Utf8(cp));
    for (char32_t cp = 0x400; cp < 0x530; ++cp) {
        ExpectSameAsEngine(Utf8(cp));
        ExpectSameAsEngine("Ан" + Utf8(cp) + "на");
    }
}

TEST(Cp1251PlainPath, EveryTwoByteSequenceAfterTheCyrillicLeads) {
    for (const unsigned lead : {0xD0u, 0xD1u, 0xD2u}) {
        for (unsigned trail = 0; trail < 256; ++trail) {
            const std::string text{static_cast<char>(lead), static_cast<char>(trail)};
            ExpectSameAsEngine(text);
            ExpectSameAsEngine("я" + text + "я");
        }
    }
}

TEST(Cp1251PlainPath, TextsThatNeedTheFullConversion) {
    const std::string cases[] = {
        "",
        "Иван Петрович Сидоров",
        "Ёлка ёж Alexander O'Neil-Smith 1985",
        "и\xCC\x86",    // и + combining breve: й
        "Е\xCC\x88лка", // Е + combining diaeresis: Ё
        "\xE2\x84\xAA", // Kelvin sign
        "Їжак Ґанок",   // Ukrainian letters the code page holds
        "Ω 中 😀",       // not in the code page
        "Анна\xD0",     // truncated sequence at the end
        "\xFF\xFE bad", // not UTF-8
        "Анна\xC0\x80", // overlong
        "№ 5 — «тест»", // punctuation of the upper half
    };
    for (const std::string& text : cases)
        ExpectSameAsEngine(text);
}

// Text cut into plain runs and full conversions at every kind of seam: each
// character of the code page next to marks that compose with it or not,
// Hangul jamo, characters the code page lacks, NUL and malformed bytes. The
// UTF-16 form of the same text converts alike.
TEST(Cp1251PlainPath, PiecesJoinAtEverySeam) {
    const std::array<char32_t, 9> others = {0x0301, 0x0308, 0x0306, 0x0323, 0x1100, 0x1161, 0x212A, 0x0000, 0x1F600};
    const std::array<std::string_view, 3> malformed = {"\xD0", "\xE2\x82", "\xFF"};
    std::mt19937 random(1251);
    // Half of the characters from the code page, half of the others.
    std::uniform_int_distribution<unsigned> pick(0, 2 * 255);
    for (int round = 0; round < 4000; ++round) {
        std::string utf8;
        std::u16string utf16;
        bool valid = true;
        for (int k = round % 12; k >= 0; --k) {
            const unsigned at = pick(random);
            if (at > 255 && (at - 256) % 4 == 3) {
                utf8 += malformed[(at - 256) / 4 % malformed.size()];
                valid = false;
                continue;
            }
            const char32_t cp =
                at > 255 ? others[(at - 256) % others.size()] : Cp1251CodePoint(static_cast<unsigned char>(at | 0x20));
            AppendUtf8(utf8, cp);
            if (cp >= 0x10000)
                utf16 += {static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)),
                          static_cast<char16_t>(0xDC00 + (cp & 0x3FF))};
            else
                utf16 += static_cast<char16_t>(cp);
        }
        ExpectSameAsEngine(utf8);
        if (valid) {
            EXPECT_EQ(Utf16ToCp1251(utf16), Utf8ToCp1251Standard(utf8)) << utf8;
        }
    }
}

} // namespace
} // namespace lirem::engine
