// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Numera.h"
#include "engine/Cp1251Literal.h"
#include "engine/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace lirem::engine {
namespace {

struct LetterCase {
    unsigned byte;
    int letter;
    int vowel;
    int consonant;
};

TEST(LetterTables, ValuesOfSingleBytes) {
    const LetterCase cases[] = {
        {0xC6, 8, 0, 8}, // Ж
        {0xE6, 8, 0, 8}, // ж
        {0xA8, 7, 7, 0}, // Ё
        {0xB8, 7, 7, 0}, // ё
        {0xB2, 0, 0, 0}, // І
        {0x80, 0, 0, 0}, // Ђ
        {0xAA, 0, 0, 0}, // Є
        {0xAF, 0, 0, 0}, // Ї
        {0xA1, 0, 0, 0}, // Ў
        {'5', 0, 0, 0},  {' ', 0, 0, 0},  {'-', 0, 0, 0},  {0x00, 0, 0, 0}, {'W', 5, 5, 0},
        {'w', 5, 5, 0},  {'Y', 7, 7, 0},  {'y', 7, 7, 0},  {'A', 1, 1, 0},  {'J', 1, 0, 1},
        {'S', 1, 0, 1},  {'Z', 8, 0, 8},  {'R', 9, 0, 9},  {0xDA, 1, 0, 1}, // Ъ
        {0xDC, 3, 0, 3},                                                    // Ь
        {0xDB, 2, 2, 0},                                                    // Ы
        {0xC9, 2, 0, 2},                                                    // Й
        {0xC0, 1, 1, 0},                                                    // А
        {0xDF, 6, 6, 0},                                                    // Я
        {0xFF, 6, 6, 0},                                                    // я
        {0xD9, 9, 0, 9},                                                    // Щ
        {0xDD, 4, 4, 0},                                                    // Э
        {0x5B, 0, 0, 0}, {0x60, 0, 0, 0}, {0x7B, 0, 0, 0}, {0xBF, 0, 0, 0}, {0xB9, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.byte);
        const auto b = static_cast<unsigned char>(c.byte);
        EXPECT_EQ(LetterValue(b), c.letter);
        EXPECT_EQ(VowelValue(b), c.vowel);
        EXPECT_EQ(ConsonantValue(b), c.consonant);
    }
}

TEST(LetterTables, InvariantOverAllBytes) {
    int letters = 0;
    int vowels = 0;
    int ones = 0;
    for (unsigned b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const auto c = static_cast<unsigned char>(b);
        const int v = VowelValue(c);
        const int k = ConsonantValue(c);
        EXPECT_EQ(LetterValue(c), v + k);
        EXPECT_TRUE(v == 0 || k == 0);
        EXPECT_GE(LetterValue(c), 0);
        EXPECT_LE(LetterValue(c), 9);
        letters += LetterValue(c) != 0;
        vowels += v != 0;
        ones += LetterValue(c) == 1;
    }
    EXPECT_EQ(letters, 118);
    EXPECT_EQ(vowels, 34);
    EXPECT_EQ(ones, 14);
}

TEST(LetterTables, CasesAgree) {
    for (unsigned i = 0; i < 26; ++i) {
        EXPECT_EQ(LetterValue(static_cast<unsigned char>('A' + i)), LetterValue(static_cast<unsigned char>('a' + i)));
        EXPECT_EQ(VowelValue(static_cast<unsigned char>('A' + i)), VowelValue(static_cast<unsigned char>('a' + i)));
    }
    for (unsigned b = 0xC0; b < 0xE0; ++b) {
        EXPECT_EQ(LetterValue(static_cast<unsigned char>(b)), LetterValue(static_cast<unsigned char>(b + 0x20)));
        EXPECT_EQ(VowelValue(static_cast<unsigned char>(b)), VowelValue(static_cast<unsigned char>(b + 0x20)));
    }
    // The Russian cycle runs in dictionary order with Ё seventh.
    const std::string_view alphabet = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_cp;
    ASSERT_EQ(alphabet.size(), 33u);
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        EXPECT_EQ(LetterValue(static_cast<unsigned char>(alphabet[i])), static_cast<int>(i % 9) + 1) << i;
}

struct ReductionCase {
    std::int64_t n;
    std::int64_t rwm;
    std::int64_t rtd;
};

TEST(Reductions, WorkedValues) {
    const ReductionCase cases[] = {
        {0, 0, 0},
        {9, 9, 9},
        {10, 1, 1},
        {11, 11, 2},
        {19, 1, 1},
        {22, 22, 4},
        {29, 11, 2},
        {33, 33, 6},
        {38, 11, 2},
        {49, 4, 4},
        {99, 9, 9},
        {1985, 5, 5},
        {6999, 33, 6},
        {-5, -5, -5},
        {-3, -3, -3},
        {INT32_MIN, INT32_MIN, INT32_MIN},
        {INT32_MAX, 1, 1},     // 2147483647: 46, 10, 1
        {4294967294LL, 11, 2}, // two INT32_MAX added: 56, then 11
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(ReduceWithMasters(c.n), c.rwm);
        EXPECT_EQ(ReduceToDigit(c.n), c.rtd);
    }
}

// The reduction written out plainly, as a reference for the fast one.
std::int64_t PlainReduce(std::int64_t n) {
    while (n >= 10 && n != 11 && n != 22 && n != 33) {
        std::int64_t s = 0;
        for (const char c : std::to_string(n))
            s += c - '0';
        n = s;
    }
    return n;
}

TEST(Reductions, PropertiesOverARange) {
    for (std::int64_t n = 0; n <= 100000; ++n) {
        const std::int64_t r = ReduceWithMasters(n);
        ASSERT_EQ(r, PlainReduce(n)) << n;
        const bool allowed = (r >= 0 && r <= 9) || r == 11 || r == 22 || r == 33;
        ASSERT_TRUE(allowed) << n;
        ASSERT_EQ(ReduceWithMasters(r), r) << n;
        const std::int64_t d = ReduceToDigit(n);
        ASSERT_TRUE(d >= 0 && d <= 9) << n;
        ASSERT_EQ(d, n == 0 ? 0 : 1 + (n - 1) % 9) << n; // the digital root
        const std::int64_t k = KarmicNumberOf(n);
        ASSERT_TRUE(k == 0 || k == 13 || k == 14 || k == 16 || k == 19) << n;
    }
}

TEST(Reductions, LargeValuesAgreeWithThePlainReduction) {
    for (std::int64_t n = INT32_MAX; n > 0; n /= 3)
        EXPECT_EQ(ReduceWithMasters(n), PlainReduce(n)) << n;
    for (const std::int64_t n :
         {std::int64_t{INT32_MAX} * 4, std::int64_t{INT64_MAX}, std::int64_t{999999999999}, std::int64_t{2999999999}})
        EXPECT_EQ(ReduceWithMasters(n), PlainReduce(n)) << n;
}

TEST(Reductions, DigitSum) {
    EXPECT_EQ(DigitSum(0), 0);
    EXPECT_EQ(DigitSum(1985), 23);
    EXPECT_EQ(DigitSum(INT32_MAX), 46);
    EXPECT_THROW((void)DigitSum(-1), ConvertError);
}

TEST(Karmic, WorkedValues) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {13, 13},  {14, 14}, {16, 16},  {19, 19}, {49, 13}, {58, 13}, {67, 13}, {95, 14}, {79, 16},       {199, 19},
        {139, 13}, {29, 0},  {1999, 0}, {0, 0},   {5, 0},   {11, 0},  {22, 0},  {33, 0},  {INT32_MAX, 0},
    };
    for (const auto& [n, k] : cases)
        EXPECT_EQ(KarmicNumberOf(n), k) << n;
}

TEST(Karmic, NegativeFailsWithTheConversionMessage) {
    for (const std::int64_t n : {std::int64_t{-1}, std::int64_t{-5}, std::int64_t{-13}, std::int64_t{INT32_MIN}}) {
        try {
            (void)KarmicNumberOf(n);
            ADD_FAILURE() << n;
        } catch (const ConvertError& e) {
            EXPECT_STREQ(e.what(), "'-' is not a valid integer value");
        }
    }
}

struct NameCase {
    std::string_view text;
    std::int32_t expression;
    std::int32_t soul;
    std::int32_t personality;
    DigitHistogram counts;
};

TEST(NameNumbers, WorkedExamples) {
    const NameCase cases[] = {
        {"Анна"_cp, 5, 2, 3, {2, 0, 0, 0, 0, 2, 0, 0, 0}},
        {"Ivan", 1, 1, 9, {1, 0, 0, 1, 1, 0, 0, 0, 1}},
        {"Иван"_cp, 11, 2, 9, {2, 0, 1, 0, 0, 1, 0, 0, 0}},
        {"Сидоров"_cp, 33, 6, 9, {2, 0, 1, 0, 1, 0, 2, 0, 1}},
        {"Мария Анна"_cp, 9, 1, 8, {4, 0, 0, 0, 1, 3, 0, 0, 1}},
        {"Анна "_cp, 5, 2, 3, {2, 0, 0, 0, 0, 2, 0, 0, 0}},
        {" Анна"_cp, 5, 2, 3, {2, 0, 0, 0, 0, 2, 0, 0, 0}},
        {"Анна2"_cp, 5, 2, 3, {2, 0, 0, 0, 0, 2, 0, 0, 0}},
        {"  Анна   "_cp, 5, 2, 3, {2, 0, 0, 0, 0, 2, 0, 0, 0}},
        {"Ёлка"_cp, 6, 8, 7, {1, 0, 1, 1, 0, 0, 1, 0, 0}},
        {"Wendy", 8, 8, 9, {0, 0, 0, 1, 3, 0, 1, 0, 0}},
        {"", 0, 0, 0, {}},
        {"   ", 0, 0, 0, {}},
        {"Анна-Мария"_cp, 9, 1, 8, {4, 0, 0, 0, 1, 3, 0, 0, 1}},
        {"Петрович"_cp, 7, 5, 11, {1, 1, 1, 0, 0, 1, 2, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(NameExpression(c.text), c.expression);
        EXPECT_EQ(NameSoulUrge(c.text), c.soul);
        EXPECT_EQ(NamePersonality(c.text), c.personality);
        EXPECT_EQ(CountLetterDigits(c.text), c.counts);
    }
}

TEST(NameNumbers, MastersOfWordsEnterTheTotal) {
    // Each word's consonants are worth 29, which counts 11: 11 + 11 = 22.
    EXPECT_EQ(NamePersonality("Петрович Петрович"_cp), 22);
    EXPECT_EQ(NamePersonality("Петрович"_cp), 11);
    // A tab joins words; only the space separates them.
    EXPECT_EQ(NamePersonality("Петрович\tПетрович"_cp), NamePersonality("ПетровичПетрович"_cp));
}

TEST(NameNumbers, HugeTextsStayExact) {
    // A megabyte of Щ (9 each): 9 * 2^20 = 9437184, digits sum to 36, then 9.
    const std::string big(std::size_t{1} << 20, static_cast<char>(0xD9));
    EXPECT_EQ(NameExpression(big), 9);
    EXPECT_EQ(NamePersonality(big), 9);
    EXPECT_EQ(NameSoulUrge(big), 0);
    // 2^20 = 1048576 ones, counted modulo 256.
    EXPECT_EQ(CountLetterDigits(big)[8], 0);
    EXPECT_EQ(CountLetterDigits(std::string(1000, 'a'))[0], 1000 % 256);
}

TEST(NameNumbers, EveryByteValueAccepted) {
    std::string all;
    for (unsigned b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    // The letters of all bytes: Latin 2 x (1+..+9 x2 + 1+..+8) and Cyrillic.
    int sum = 0;
    for (unsigned b = 0; b < 256; ++b)
        sum += LetterValue(static_cast<unsigned char>(b));
    // All bytes lie in one word (no space... except 0x20 itself splits it).
    EXPECT_EQ(NameExpression(all), ReduceWithMasters(ReduceWithMasters(sum)));
    const DigitHistogram h = CountLetterDigits(all);
    int total = 0;
    for (const auto c : h)
        total += c;
    EXPECT_EQ(total, 118);
}

TEST(NameNumbers, HistogramWrapsAt256) {
    EXPECT_EQ(CountLetterDigits(std::string(256, 'A'))[0], 0);
    EXPECT_EQ(CountLetterDigits(std::string(257, 'A'))[0], 1);
    EXPECT_EQ(CountLetterDigits(std::string(255, 'A'))[0], 255);
}

} // namespace
} // namespace lirem::engine
