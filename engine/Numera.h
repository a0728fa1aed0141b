// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Letter values, digit reductions, name numbers and the digit histogram.
//
// Texts are code page 1251 bytes. Integers are taken and returned as 64-bit
// values: every 32-bit argument gives exactly the 32-bit result, and sums of
// several 32-bit values (dates, years + 37, huge texts) can be reduced without
// overflow.

#include <array>
#include <cstdint>
#include <string_view>

namespace lirem::engine {

// Nine counters for the digits 1..9, in order; each wraps to 0 at 256.
using DigitHistogram = std::array<std::uint8_t, 9>;

[[nodiscard]] int LetterValue(unsigned char byte) noexcept;
[[nodiscard]] int VowelValue(unsigned char byte) noexcept;
[[nodiscard]] int ConsonantValue(unsigned char byte) noexcept;

// Sum of the digits of the decimal text; a negative number fails on its "-"
// with ConvertError.
[[nodiscard]] std::int64_t DigitSum(std::int64_t n);

// Digit sums until below 10 or at 11, 22, 33; below 10 (negatives too) as is.
[[nodiscard]] std::int64_t ReduceWithMasters(std::int64_t n) noexcept;
// Digit sums until below 10; below 10 (negatives too) as is.
[[nodiscard]] std::int64_t ReduceToDigit(std::int64_t n) noexcept;
// 13, 14, 16 or 19 when met on the way down by digit sums, else 0. Fails with
// ConvertError for every negative argument.
[[nodiscard]] std::int64_t KarmicNumberOf(std::int64_t n);

// Word-wise reduced sums of one name part (words split at the space only).
[[nodiscard]] std::int32_t NameExpression(std::string_view text) noexcept;
[[nodiscard]] std::int32_t NameSoulUrge(std::string_view text) noexcept;
[[nodiscard]] std::int32_t NamePersonality(std::string_view text) noexcept;

[[nodiscard]] DigitHistogram CountLetterDigits(std::string_view text) noexcept;

// A 64-bit intermediate stored in a 32-bit field: values outside the range
// (only possible for sums of out-of-range dates) saturate.
[[nodiscard]] constexpr std::int32_t ClampToInt32(std::int64_t v) noexcept {
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return static_cast<std::int32_t>(v);
}

} // namespace lirem::engine
