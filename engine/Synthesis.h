// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Synthesis of the core numbers: three verdicts comparing Possibilities (Life
// Path), Abilities (Expression) and Motivation (Soul Urge), the Realization
// Number, the three Bridges and the Reason Number.

#include <cstdint>
#include <string_view>

namespace lirem::engine {

struct SynthesisReport {
    std::string_view PossibilitiesAbilitiesLine; // static texts, code page 1251
    std::string_view PossibilitiesMotivationLine;
    std::string_view AbilitiesMotivationLine;
    std::int32_t Realization = 0;
    std::int32_t PathExpressionBridge = 0;
    std::int32_t SoulPersonalityBridge = 0;
    std::int32_t ExpressionSoulBridge = 0;
    std::int32_t Reason = 0;
};

// Masters follow 9 on the comparison scale: 11 -> 10, 22 -> 11, 33 -> 12.
[[nodiscard]] std::int32_t MasterRank(std::int32_t number) noexcept;

[[nodiscard]] SynthesisReport ComputeSynthesis(std::int32_t lifePath, std::int32_t expression, std::int32_t soulUrge,
                                               std::int32_t personality, std::int32_t birthday,
                                               std::string_view firstName) noexcept;

} // namespace lirem::engine
