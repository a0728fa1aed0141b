// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Numera.h"

#include "engine/Errors.h"

#include <utility>

namespace lirem::engine {
namespace {

enum class LetterClass : std::uint8_t { None, Vowel, Consonant };

struct LetterEntry {
    std::uint8_t value = 0;
    LetterClass kind = LetterClass::None;
};

using LetterTable = std::array<LetterEntry, 256>;

constexpr void SetCase(LetterTable& t, unsigned upper, unsigned lower, int value, LetterClass kind) {
    t[upper] = {static_cast<std::uint8_t>(value), kind};
    t[lower] = {static_cast<std::uint8_t>(value), kind};
}

constexpr LetterTable BuildLetterTable() {
    LetterTable t{};
    // Latin: A = 1 .. I = 9, J = 1 .. R = 9, S = 1 .. Z = 8; vowels A E I O U W Y.
    constexpr std::string_view latinVowels = "AEIOUWY";
    for (unsigned i = 0; i < 26; ++i) {
        const char upper = static_cast<char>('A' + i);
        const auto kind =
            latinVowels.find(upper) != std::string_view::npos ? LetterClass::Vowel : LetterClass::Consonant;
        SetCase(t, 0x41 + i, 0x61 + i, static_cast<int>(i % 9) + 1, kind);
    }
    // Cyrillic in dictionary order with Ё seventh; the cycle runs over 33 letters.
    // Each entry: upper-case byte, vowel flag.
    constexpr std::array<std::pair<unsigned, bool>, 33> russian{{
        {0xC0, true},  {0xC1, false}, {0xC2, false}, {0xC3, false}, {0xC4, false}, {0xC5, true},  {0xA8, true},
        {0xC6, false}, {0xC7, false}, {0xC8, true},  {0xC9, false}, {0xCA, false}, {0xCB, false}, {0xCC, false},
        {0xCD, false}, {0xCE, true},  {0xCF, false}, {0xD0, false}, {0xD1, false}, {0xD2, false}, {0xD3, true},
        {0xD4, false}, {0xD5, false}, {0xD6, false}, {0xD7, false}, {0xD8, false}, {0xD9, false}, {0xDA, false},
        {0xDB, true},  {0xDC, false}, {0xDD, true},  {0xDE, true},  {0xDF, true},
    }};
    for (unsigned i = 0; i < russian.size(); ++i) {
        const auto [upper, vowel] = russian[i];
        const unsigned lower = upper == 0xA8 ? 0xB8 : upper + 0x20;
        SetCase(t, upper, lower, static_cast<int>(i % 9) + 1, vowel ? LetterClass::Vowel : LetterClass::Consonant);
    }
    return t;
}

constexpr LetterTable kLetters = BuildLetterTable();

struct TableValues {
    std::array<std::uint8_t, 256> letter{};
    std::array<std::uint8_t, 256> vowel{};
    std::array<std::uint8_t, 256> consonant{};
};

constexpr TableValues BuildValues() {
    TableValues v{};
    for (unsigned b = 0; b < 256; ++b) {
        v.letter[b] = kLetters[b].value;
        v.vowel[b] = kLetters[b].kind == LetterClass::Vowel ? kLetters[b].value : 0;
        v.consonant[b] = kLetters[b].kind == LetterClass::Consonant ? kLetters[b].value : 0;
    }
    return v;
}

constexpr TableValues kValues = BuildValues();

constexpr bool IsMaster(std::int64_t n) {
    return n == 11 || n == 22 || n == 33;
}
constexpr bool IsKarmic(std::int64_t n) {
    return n == 13 || n == 14 || n == 16 || n == 19;
}

// Digit sum of a non-negative number.
constexpr std::int64_t PositiveDigitSum(std::int64_t n) {
    std::int64_t s = 0;
    while (n > 0) {
        s += n % 10;
        n /= 10;
    }
    return s;
}

constexpr std::int64_t SlowReduce(std::int64_t n, bool keepMasters) {
    while (n >= 10 && !(keepMasters && IsMaster(n)))
        n = PositiveDigitSum(n);
    return n;
}

// Reductions of 0..99, which nearly every call asks for.
struct SmallReductions {
    std::array<std::uint8_t, 100> withMasters{};
    std::array<std::uint8_t, 100> toDigit{};
};

constexpr SmallReductions BuildSmallReductions() {
    SmallReductions t{};
    for (std::size_t n = 0; n < 100; ++n) {
        t.withMasters[n] = static_cast<std::uint8_t>(SlowReduce(static_cast<std::int64_t>(n), true));
        t.toDigit[n] = static_cast<std::uint8_t>(SlowReduce(static_cast<std::int64_t>(n), false));
    }
    return t;
}

constexpr SmallReductions kSmall = BuildSmallReductions();

// The word-wise reduced sum over one table. Word sums are 64-bit: a word of
// a billion letters worth 9 still fits many times over.
std::int32_t NameNumber(std::string_view text, const std::array<std::uint8_t, 256>& table) {
    std::uint64_t word = 0;
    std::uint64_t total = 0;
    for (const char c : text) {
        if (c == ' ') {
            total += static_cast<std::uint64_t>(ReduceWithMasters(static_cast<std::int64_t>(word)));
            word = 0;
        } else {
            word += table[static_cast<unsigned char>(c)];
        }
    }
    // Word sums stay far below 2^63 for any text that fits in memory.
    const auto last = ReduceWithMasters(static_cast<std::int64_t>(word));
    return static_cast<std::int32_t>(ReduceWithMasters(last + static_cast<std::int64_t>(total)));
}

} // namespace

int LetterValue(unsigned char byte) noexcept {
    return kValues.letter[byte];
}
int VowelValue(unsigned char byte) noexcept {
    return kValues.vowel[byte];
}
int ConsonantValue(unsigned char byte) noexcept {
    return kValues.consonant[byte];
}

std::int64_t DigitSum(std::int64_t n) {
    if (n < 0)
        throw ConvertError("-");
    return PositiveDigitSum(n);
}

std::int64_t ReduceWithMasters(std::int64_t n) noexcept {
    if (n < 10)
        return n;
    if (n >= 100)
        n = PositiveDigitSum(n); // keeps nothing: no master is 100 or more
    return n < 100 ? kSmall.withMasters[static_cast<std::size_t>(n)] : SlowReduce(n, true);
}

std::int64_t ReduceToDigit(std::int64_t n) noexcept {
    if (n < 10)
        return n;
    return n < 100 ? kSmall.toDigit[static_cast<std::size_t>(n)] : 1 + (n - 1) % 9;
}

std::int64_t KarmicNumberOf(std::int64_t n) {
    if (IsKarmic(n))
        return n;
    do {
        n = DigitSum(n);
    } while (n >= 10 && !IsKarmic(n));
    return IsKarmic(n) ? n : 0;
}

std::int32_t NameExpression(std::string_view text) noexcept {
    return NameNumber(text, kValues.letter);
}
std::int32_t NameSoulUrge(std::string_view text) noexcept {
    return NameNumber(text, kValues.vowel);
}
std::int32_t NamePersonality(std::string_view text) noexcept {
    return NameNumber(text, kValues.consonant);
}

DigitHistogram CountLetterDigits(std::string_view text) noexcept {
    DigitHistogram counts{};
    for (const char c : text) {
        const int v = kValues.letter[static_cast<unsigned char>(c)];
        if (v != 0)
            ++counts[static_cast<std::size_t>(v - 1)]; // unsigned 8-bit: wraps at 256
    }
    return counts;
}

} // namespace lirem::engine
