// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CoreNumbers.h"

#include "engine/Cp1251Literal.h"
#include "engine/Numera.h"
#include "engine/Text.h"

namespace lirem::engine {
namespace {

constexpr std::string_view kNoteTitle = "Кармическое Число "_cp;

CoreNumber Reduce(std::int64_t sum) {
    CoreNumber n;
    n.Sum = sum;
    n.Value = ClampToInt32(ReduceWithMasters(sum));
    n.Karmic = static_cast<std::int32_t>(KarmicNumberOf(sum));
    return n;
}

} // namespace

std::string_view KarmicNoteTitle() noexcept {
    return kNoteTitle;
}

Caption KarmicNoteText(std::int64_t karmic) noexcept {
    return Caption(kNoteTitle).Append(karmic);
}

std::int64_t DateSum(std::int64_t day, std::int64_t month, std::int64_t year) noexcept {
    return ReduceWithMasters(month) + ReduceWithMasters(day) + ReduceWithMasters(year);
}

std::int32_t ExpressionSum(std::string_view first, std::string_view middle, std::string_view last) noexcept {
    return NameExpression(first) + NameExpression(middle) + NameExpression(last);
}

std::int32_t SoulUrgeSum(std::string_view first, std::string_view middle, std::string_view last) noexcept {
    return NameSoulUrge(first) + NameSoulUrge(middle) + NameSoulUrge(last);
}

std::int32_t PersonalitySum(std::string_view first, std::string_view middle, std::string_view last) noexcept {
    return NamePersonality(first) + NamePersonality(middle) + NamePersonality(last);
}

CoreReport ComputeCoreNumbers(std::int32_t day, std::int32_t month, std::int32_t year, std::string_view first,
                              std::string_view middle, std::string_view last) {
    CoreReport r;
    r.Birthday = Reduce(day);
    r.LifePath = Reduce(DateSum(day, month, year));
    r.Expression = Reduce(ExpressionSum(first, middle, last));
    r.SoulUrge = Reduce(SoulUrgeSum(first, middle, last));
    r.Personality = Reduce(PersonalitySum(first, middle, last));
    return r;
}

} // namespace lirem::engine
