// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Cycles.h"

#include "engine/Numera.h"
#include "engine/Text.h"

#include <cstddef>
#include <string_view>

namespace lirem::engine {
namespace {

std::int64_t AbsDiff(std::int64_t a, std::int64_t b) {
    return a > b ? a - b : b - a;
}

} // namespace

Caption StartYearText(std::int64_t year) noexcept {
    return Caption("1.01.").Append(year);
}

std::int64_t PersonalYearNumber(std::int64_t year, std::int64_t day, std::int64_t month) noexcept {
    return ReduceToDigit(ReduceWithMasters(year) + ReduceWithMasters(day) + ReduceWithMasters(month));
}

std::int64_t PeriodStartYear(std::int64_t year, std::int64_t birthday, std::int64_t month) noexcept {
    const std::int64_t x = ReduceToDigit(ReduceWithMasters(year) + birthday + ReduceWithMasters(month));
    return x <= 5 ? year + 1 - x : year + 10 - x;
}

std::string BirthDateText(std::int32_t day, std::int32_t month, std::int32_t year) {
    Caption text;
    text.Append(std::int64_t{day}).Append(".");
    if (month < 10)
        text.Append("0");
    text.Append(std::int64_t{month}).Append(".").Append(std::int64_t{year});
    return text.Str();
}

CycleReport ComputeCycles(std::int32_t day, std::int32_t month, std::int32_t year, std::int32_t birthday,
                          std::int32_t lifePath) {
    const std::int64_t d = ReduceWithMasters(day);
    const std::int64_t m = ReduceWithMasters(month);
    const std::int64_t y = ReduceWithMasters(year);

    CycleReport r;
    r.Pinnacles[0] = ReduceWithMasters(d + m);
    r.Pinnacles[1] = ReduceWithMasters(d + y);
    r.Pinnacles[2] = ReduceWithMasters(r.Pinnacles[0] + r.Pinnacles[1]);
    r.Pinnacles[3] = ReduceWithMasters(y + m);

    r.BirthDateText = BirthDateText(day, month, year);
    r.PinnacleStartYears[0] = std::int64_t{year} + 37 - ReduceToDigit(lifePath);
    r.PinnacleStartYears[1] = r.PinnacleStartYears[0] + 9;
    r.PinnacleStartYears[2] = r.PinnacleStartYears[1] + 9;

    r.Periods = {m, birthday, y};
    r.PeriodStartYears[0] = PeriodStartYear(std::int64_t{year} + 28, birthday, month);
    r.PeriodStartYears[1] = PeriodStartYear(std::int64_t{year} + 56, birthday, month);

    const std::int64_t rb = ReduceToDigit(birthday);
    const std::int64_t rm = ReduceToDigit(month);
    const std::int64_t ry = ReduceToDigit(year);
    r.Challenges[0] = AbsDiff(rb, rm);
    r.Challenges[1] = AbsDiff(rb, ry);
    r.Challenges[2] = AbsDiff(r.Challenges[0], r.Challenges[1]);
    r.Challenges[3] = AbsDiff(ry, rm);
    return r;
}

} // namespace lirem::engine
