// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one record of results that outlives a recalculation.

#include <array>
#include <cstdint>

namespace lirem::engine {

enum DigitMark : std::uint8_t {
    MarkNone = 0,
    MarkKarmicLesson = 1,
    MarkHiddenPassion = 3,
};

struct NumerologyProfile {
    std::int32_t PersonalYear = 0;
    std::int32_t PersonalMonth = 0;
    std::int32_t LifePath = 0;
    std::int32_t SoulUrge = 0;
    std::int32_t Expression = 0;
    std::int32_t Birthday = 0;
    std::int32_t Personality = 0;
    std::array<std::uint8_t, 9> DigitMarks{}; // digits 1..9 in order
};

} // namespace lirem::engine
