// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The number, Karmic Number and digit counts of any text.

#include "engine/Numera.h"
#include "engine/Text.h"

#include <cstdint>
#include <string_view>

namespace lirem::engine {

struct FreeTextReport {
    std::int64_t RawSum = 0; // exact for any length; never negative
    std::int32_t ReducedSum = 0;
    std::int32_t KarmicNumber = 0;
    DigitHistogram Counts{};
};

// Russian and Latin letters with their values, decimal digits with theirs.
[[nodiscard]] FreeTextReport AnalyzeFreeText(std::string_view text) noexcept;

// "Сумма: 6" and "Кармическое Число: 13" (or ": -" when there is none).
[[nodiscard]] Caption SumText(const FreeTextReport& report) noexcept;
[[nodiscard]] Caption KarmaText(const FreeTextReport& report) noexcept;

} // namespace lirem::engine
