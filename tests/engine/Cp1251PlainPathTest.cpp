// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

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

} // namespace
} // namespace lirem::engine
