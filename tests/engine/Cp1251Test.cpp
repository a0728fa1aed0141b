// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Cp1251.h"
#include "engine/Cp1251Literal.h"

#include <gtest/gtest.h>

#include <string>

namespace lirem::engine {
namespace {

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::string cp1251;
};

TEST(Cp1251, FromUtf8) {
    const Utf8Case cases[] = {
        {"ascii", "Ivan 1970 -!", "Ivan 1970 -!"},
        {"cyrillic", "Иван Петрович Сидоров", std::string("Иван Петрович Сидоров"_cp)},
        {"yo", "Ёлка ёж", std::string("Ёлка ёж"_cp)},
        {"decomposed short i", "и\xCC\x86", "\xE9"},
        {"decomposed capital short i", "И\xCC\x86", "\xC9"},
        {"decomposed yo", "е\xCC\x88", "\xB8"},
        {"decomposed capital yo", "Е\xCC\x88", "\xA8"},
        {"decomposed gje", "Г\xCC\x81г\xCC\x81", "\x81\x83"},
        {"decomposed kje", "К\xCC\x81к\xCC\x81", "\x8D\x9D"},
        {"decomposed short u", "У\xCC\x86у\xCC\x86", "\xA1\xA2"},
        {"decomposed yi", "І\xCC\x88і\xCC\x88", "\xAF\xBF"},
        {"mark below first", "и\xCC\xA3\xCC\x86", "\xE9?"}, // dot below does not block the breve
        {"blocked", "и\xCC\x81\xCC\x86", "\xE8??"},         // acute (same class) blocks it
        {"mark alone", "\xCC\x86", "?"},
        {"mark on a non-composing letter", "а\xCC\x81", "\xE0?"},
        {"composite outside the code page", "а\xCC\x86", "?"}, // ӑ
        {"kelvin sign", "\xE2\x84\xAA", "K"},
        {"greek question mark", "\xCD\xBE", ";"},
        {"typography", "«№ 5» — €", "\xAB\xB9 5\xBB \x97 \x88"},
        {"nbsp", "\xC2\xA0", "\xA0"},
        {"latin accented", "é", "?"},
        {"cjk", "中文", "??"},
        {"emoji", "\xF0\x9F\x98\x80", "?"},
        {"nul", std::string("a\0b", 3), std::string("a\0b", 3)},
        {"lone continuation", "\x80", "?"},
        {"truncated", "\xD0", "?"},
        {"truncated three", "\xE2\x84", "?"},
        {"broken then letter",
         "\xD0"
         "A",
         "?A"},
        {"overlong", "\xC0\xAF", "??"},
        {"overlong three", "\xE0\x80\xAF", "???"},
        {"utf8 surrogate", "\xED\xA0\x80", "???"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"invalid lead", "\xFF\xFE", "??"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251) << c.name;
}

// Expected bytes from an independent NFC (Python's unicodedata, Unicode 14)
// followed by its cp1251 codec with '?' for what the code page lacks.
TEST(Cp1251, AgreesWithAnIndependentNfc) {
    const Utf8Case cases[] = {
        {"latin e acute decomposed", "\x52\x65\x6E\x65\xCC\x81", "\x52\x65\x6E\x3F"},
        {"vietnamese out of order", "\x65\xCC\x82\xCC\xA3", "\x3F"},
        {"precomposed plus mark", "\xC3\xAA\xCC\xA3", "\x3F"},
        {"kelvin", "\xE2\x84\xAA", "\x4B"},
        {"angstrom", "\xE2\x84\xAB", "\x3F"},
        {"excluded devanagari", "\xE0\xA5\x98", "\x3F\x3F"},
        {"greek dialytika tonos", "\xCD\x84", "\x3F\x3F"},
        {"hebrew", "\xEF\xAC\xAC", "\x3F\x3F\x3F"},
        {"hangul jamo", "\xE1\x84\x80\xE1\x85\xA1\xE1\x86\xA8", "\x3F"},
        {"cyrillic yo with dot below", "\xD0\x81\xCC\xA3", "\xA8\x3F"},
        {"cyrillic short i with acute", "\xD0\xB8\xCC\x81\xCC\x86", "\xE8\x3F\x3F"},
        {"cyrillic short i behind dot below", "\xD0\xB8\xCC\xA3\xCC\x86", "\xE9\x3F"},
        {"mark first", "\xCC\x86\xD0\xB8", "\x3F\xE8"},
        {"greek", "\xE1\xBE\x82", "\x3F"},
        {"mixed name", "\xD0\x98\xCC\x86\xD0\xBE\xD0\xB6\xD0\xB5\xCC\x81\x20\x45\xCC\x88",
         "\xC9\xEE\xE6\xE5\x3F\x20\x3F"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251) << c.name;
}

TEST(Cp1251, LongRunsOfMarksStayFast) {
    // Alternating classes 230 and 220 would need quadratic reordering.
    std::string marks = "\xD0\xB8";
    for (int i = 0; i < 250000; ++i)
        marks += "\xCC\x81\xCC\xA3";
    const std::string out = Utf8ToCp1251(marks);
    EXPECT_EQ(out.size(), 500001u);
    EXPECT_EQ(out[0], '\xE8');
}

TEST(Cp1251, FromUtf16) {
    EXPECT_EQ(Utf16ToCp1251(u"Иван"), "Иван"_cp);
    EXPECT_EQ(Utf16ToCp1251(u"и\u0306"), "\xE9");
    EXPECT_EQ(Utf16ToCp1251(u"\U0001F600x"), "?x");        // a surrogate pair is one character
    EXPECT_EQ(Utf16ToCp1251(std::u16string{0xD800}), "?"); // unpaired high
    EXPECT_EQ(Utf16ToCp1251(std::u16string{0xDC00, u'a'}), "?a");
    EXPECT_EQ(Utf16ToCp1251(std::u16string{0xD800, 0xD800, 0xDC00}), "??");
    EXPECT_EQ(Utf16ToCp1251(u"\u0418\u0306"), "\xC9");
}

TEST(Cp1251, EveryByteRoundTrips) {
    for (unsigned b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = Cp1251ToUtf8(byte);
        const std::u16string utf16 = Cp1251ToUtf16(byte);
        ASSERT_EQ(utf16.size(), 1u);
        if (b == 0x98) {
            EXPECT_EQ(utf16[0], u'\uFFFD');
            EXPECT_EQ(Utf8ToCp1251(utf8), "?");
            continue;
        }
        EXPECT_EQ(Utf8ToCp1251(utf8), byte);
        EXPECT_EQ(Utf16ToCp1251(utf16), byte);
    }
    EXPECT_EQ(Cp1251CodePoint(0xC0), U'А');
    EXPECT_EQ(Cp1251CodePoint(0xA8), U'Ё');
    EXPECT_EQ(Cp1251CodePoint(0xB9), U'№');
    EXPECT_EQ(Cp1251ToUtf8("Иван"_cp), "Иван");
}

TEST(Cp1251, ArbitraryBytesNeverCrash) {
    // Every pair of bytes, and a large noisy buffer: only the length can change.
    for (unsigned a = 0; a < 256; ++a)
        for (unsigned b = 0; b < 256; ++b) {
            const char pair[2] = {static_cast<char>(a), static_cast<char>(b)};
            const std::string out = Utf8ToCp1251(std::string_view(pair, 2));
            ASSERT_GE(out.size(), 1u);
            ASSERT_LE(out.size(), 2u);
        }
    std::string noise(std::size_t{1} << 20, '\0');
    std::uint32_t x = 12345;
    for (auto& c : noise) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    const std::string out = Utf8ToCp1251(noise);
    EXPECT_LE(out.size(), noise.size()); // never more characters than UTF-8 bytes
    std::u16string wide(noise.size() / 2, u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<char16_t>((static_cast<unsigned char>(noise[2 * i]) << 8) |
                                        static_cast<unsigned char>(noise[2 * i + 1]));
    // NFC may split a character into up to three (U+FB2C, U+1D160).
    EXPECT_LE(Utf16ToCp1251(wide).size(), 3 * wide.size());
}

} // namespace
} // namespace lirem::engine
