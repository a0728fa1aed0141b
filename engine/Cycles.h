// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pinnacles, Periods and Challenges of a birth date.
//
// Years and numbers are 64-bit here: a year near the 32-bit limit plus 37 or
// 56 is still the exact year.

#include "engine/Text.h"

#include <array>
#include <cstdint>
#include <string>

namespace lirem::engine {

struct CycleReport {
    std::array<std::int64_t, 4> Pinnacles{};
    std::array<std::int64_t, 3> PinnacleStartYears{}; // Pinnacles 2, 3, 4
    std::array<std::int64_t, 3> Periods{};
    std::array<std::int64_t, 2> PeriodStartYears{}; // Periods 2, 3
    std::array<std::int64_t, 4> Challenges{};
    std::string BirthDateText; // "5.09.1970"
};

// RTD(RWM(year) + RWM(day) + RWM(month)).
[[nodiscard]] std::int64_t PersonalYearNumber(std::int64_t year, std::int64_t day, std::int64_t month) noexcept;
// The year nearest to `year` whose Personal Year is 1 (the earlier one at a tie).
[[nodiscard]] std::int64_t PeriodStartYear(std::int64_t year, std::int64_t birthday, std::int64_t month) noexcept;
// "1.01." and the year: the start of a later Pinnacle or Period.
[[nodiscard]] Caption StartYearText(std::int64_t year) noexcept;
// d.mm.y with the month always two digits.
[[nodiscard]] std::string BirthDateText(std::int32_t day, std::int32_t month, std::int32_t year);

[[nodiscard]] CycleReport ComputeCycles(std::int32_t day, std::int32_t month, std::int32_t year, std::int32_t birthday,
                                        std::int32_t lifePath);

} // namespace lirem::engine
