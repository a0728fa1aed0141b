// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five core numbers (Birthday, Life Path, Expression, Soul Urge,
// Personality) with the Karmic Numbers met in their sums.

#include "engine/Profile.h"
#include "engine/Text.h"

#include <cstdint>
#include <string_view>

namespace lirem::engine {

struct CoreNumber {
    std::int64_t Sum = 0;    // where the Karmic Number is looked for
    std::int32_t Value = 0;  // ReduceWithMasters(Sum)
    std::int32_t Karmic = 0; // 13, 14, 16, 19 or 0
};

struct CoreReport {
    CoreNumber Birthday;   // Sum is the day itself
    CoreNumber LifePath;   // RWM(month) + Birthday + RWM(year)
    CoreNumber Expression; // the three name parts
    CoreNumber SoulUrge;
    CoreNumber Personality;
};

// RWM(month) + RWM(day) + RWM(year), exact for every 32-bit date.
[[nodiscard]] std::int64_t DateSum(std::int64_t day, std::int64_t month, std::int64_t year) noexcept;
[[nodiscard]] std::int32_t ExpressionSum(std::string_view first, std::string_view middle,
                                         std::string_view last) noexcept;
[[nodiscard]] std::int32_t SoulUrgeSum(std::string_view first, std::string_view middle, std::string_view last) noexcept;
[[nodiscard]] std::int32_t PersonalitySum(std::string_view first, std::string_view middle,
                                          std::string_view last) noexcept;

// "Кармическое Число " as a reset note reads, and with a number appended.
[[nodiscard]] std::string_view KarmicNoteTitle() noexcept;
[[nodiscard]] Caption KarmicNoteText(std::int64_t karmic) noexcept;

// All five numbers. A negative day or date sum fails with ConvertError.
[[nodiscard]] CoreReport ComputeCoreNumbers(std::int32_t day, std::int32_t month, std::int32_t year,
                                            std::string_view first, std::string_view middle, std::string_view last);

} // namespace lirem::engine
