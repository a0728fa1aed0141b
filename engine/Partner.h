// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compatibility of the person of the last recalculation with a partner.

#include "engine/NameAnalysis.h"
#include "engine/Profile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::engine {

struct PartnerProfile {
    std::int32_t LifePath = 0;
    std::int32_t Expression = 0;
    std::int32_t SoulUrge = 0;
    std::int32_t Personality = 0;
    std::int32_t Birthday = 0;
    SpectrumReport NameAnalysis;
};

// The partner's date and name as entered.
struct PartnerInputs {
    std::int32_t day = 1;
    std::int32_t month = 1;
    std::int32_t year = 0;
    std::string_view first;
    std::string_view middle;
    std::string_view last;
};

[[nodiscard]] PartnerProfile BuildPartnerProfile(const PartnerInputs& partner) noexcept;

// The result lines in order: each match followed by an empty line, or the
// single line "Нет значимых совпадений".
[[nodiscard]] std::vector<std::string> ComparePartners(const NumerologyProfile& profile, const PartnerProfile& partner);

} // namespace lirem::engine
