// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Synthesis.h"

#include "engine/Cp1251Literal.h"
#include "engine/Numera.h"
#include "engine/Text.h"

namespace lirem::engine {
namespace {

// The five lines of one pair of terms.
struct VerdictLines {
    std::string_view firstMuchMore;  // X significantly exceeds Y
    std::string_view secondMuchMore; // Y significantly exceeds X
    std::string_view firstMore;
    std::string_view secondMore;
    std::string_view equal;
};

constexpr VerdictLines kPossibilitiesAbilities{
    "Возможности значительно превышают Способности"_cp,
    "Способности значительно превышают Возможности"_cp,
    "Возможности превышают Способности"_cp,
    "Способности превышают Возможности"_cp,
    "Способности равны или примерно равны Возможностям"_cp,
};

constexpr VerdictLines kPossibilitiesMotivation{
    "Возможности значительно превышают Мотивацию"_cp,
    "Мотивация значительно превышает Возможности"_cp,
    "Возможности превышают Мотивацию"_cp,
    "Мотивация превышает Возможности"_cp,
    "Возможности равны или примерно равны Мотивации"_cp,
};

constexpr VerdictLines kAbilitiesMotivation{
    "Способности значительно превышают Мотивацию"_cp,
    "Мотивация значительно превышает Способности"_cp,
    "Способности превышают Мотивацию"_cp,
    "Мотивация превышает Способности"_cp,
    "Способности равны или примерно равны Мотивации"_cp,
};

std::string_view Verdict(const VerdictLines& lines, std::int64_t x, std::int64_t y) {
    const std::int64_t d = x > y ? x - y : y - x;
    if (d >= 6)
        return y < x ? lines.firstMuchMore : lines.secondMuchMore;
    if (d >= 3)
        return y < x ? lines.firstMore : lines.secondMore;
    return lines.equal;
}

std::int32_t Bridge(std::int32_t a, std::int32_t b) {
    const std::int64_t d = ReduceToDigit(a) - ReduceToDigit(b);
    return ClampToInt32(d < 0 ? -d : d);
}

} // namespace

std::int32_t MasterRank(std::int32_t number) noexcept {
    switch (number) {
    case 11:
        return 10;
    case 22:
        return 11;
    case 33:
        return 12;
    default:
        return number;
    }
}

SynthesisReport ComputeSynthesis(std::int32_t lifePath, std::int32_t expression, std::int32_t soulUrge,
                                 std::int32_t personality, std::int32_t birthday, std::string_view firstName) noexcept {
    const std::int64_t p = MasterRank(lifePath);
    const std::int64_t a = MasterRank(expression);
    const std::int64_t m = MasterRank(soulUrge);
    SynthesisReport r;
    r.PossibilitiesAbilitiesLine = Verdict(kPossibilitiesAbilities, p, a);
    r.PossibilitiesMotivationLine = Verdict(kPossibilitiesMotivation, p, m);
    r.AbilitiesMotivationLine = Verdict(kAbilitiesMotivation, a, m);
    r.Realization = ClampToInt32(ReduceWithMasters(std::int64_t{lifePath} + expression));
    r.PathExpressionBridge = Bridge(lifePath, expression);
    r.SoulPersonalityBridge = Bridge(soulUrge, personality);
    r.ExpressionSoulBridge = Bridge(expression, soulUrge);
    r.Reason = ClampToInt32(ReduceWithMasters(std::int64_t{NameExpression(firstName)} + birthday));
    return r;
}

} // namespace lirem::engine
