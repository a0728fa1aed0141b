// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Display.h"
#include "tests/support/RecordingSink.h"

#include "engine/Cycles.h"
#include "layout/ControlNames.h"

#include <gtest/gtest.h>

namespace lirem::engine {
namespace {

using test::RecordingSink;

struct CycleCase {
    int day, month, year, birthday, lifePath;
    std::array<std::int64_t, 4> pinnacles;
    std::array<std::int64_t, 3> pinnacleStarts;
    std::array<std::int64_t, 3> periods;
    std::array<std::int64_t, 2> periodStarts;
    std::array<std::int64_t, 4> challenges;
    const char* birthDate;
};

TEST(Cycles, WorkedExamples) {
    const CycleCase cases[] = {
        {5, 9, 1970, 5, 22, {5, 4, 9, 8}, {2003, 2012, 2021}, {9, 5, 8}, {1994, 2030}, {4, 3, 1, 1}, "5.09.1970"},
        {29,
         11,
         1987,
         11,
         11,
         {22, 9, 4, 9},
         {2022, 2031, 2040},
         {11, 11, 7},
         {2013, 2040},
         {0, 5, 5, 5},
         "29.11.1987"},
        {1, 1, 1970, 1, 1, {2, 9, 11, 9}, {2006, 2015, 2024}, {1, 1, 8}, {1997, 2024}, {0, 7, 7, 7}, "1.01.1970"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.birthDate);
        const CycleReport r = ComputeCycles(c.day, c.month, c.year, c.birthday, c.lifePath);
        EXPECT_EQ(r.Pinnacles, c.pinnacles);
        EXPECT_EQ(r.PinnacleStartYears, c.pinnacleStarts);
        EXPECT_EQ(r.Periods, c.periods);
        EXPECT_EQ(r.PeriodStartYears, c.periodStarts);
        EXPECT_EQ(r.Challenges, c.challenges);
        EXPECT_EQ(r.BirthDateText, c.birthDate);
    }
}

TEST(Cycles, BirthDateText) {
    const std::tuple<int, int, int, const char*> cases[] = {
        {5, 9, 1970, "5.09.1970"},
        {29, 11, 1987, "29.11.1987"},
        {1, 10, 0, "1.10.0"},
        {31, 12, 2020, "31.12.2020"},
        {1, 1, 1, "1.01.1"},
        {-3, -2, -1, "-3.0-2.-1"},
        {INT32_MIN, INT32_MAX, INT32_MAX, "-2147483648.2147483647.2147483647"},
    };
    for (const auto& [d, m, y, text] : cases)
        EXPECT_EQ(BirthDateText(d, m, y), text);
}

TEST(Cycles, StartYearText) {
    EXPECT_EQ(StartYearText(2003).View(), "1.01.2003");
    EXPECT_EQ(StartYearText(-5).View(), "1.01.-5");
    EXPECT_EQ(StartYearText(std::int64_t{INT32_MAX} + 55).View(), "1.01.2147483702");
}

TEST(Cycles, PeriodStartYearIsTheNearestPersonalYearOne) {
    for (std::int64_t year = 1900; year < 2100; ++year)
        for (int month = 1; month <= 12; ++month)
            for (const int birthday : {1, 5, 9, 11, 22}) {
                const std::int64_t s = PeriodStartYear(year, birthday, month);
                ASSERT_EQ(PersonalYearNumber(s, birthday, month), 1);
                ASSERT_LE(s - year, 4);
                ASSERT_GE(s - year, -4);
            }
    EXPECT_EQ(PersonalYearNumber(1998, 5, 9), 5);
    EXPECT_EQ(PersonalYearNumber(2026, 5, 9), 6);
}

TEST(Cycles, ExtremeYearsStayExact) {
    const CycleReport r = ComputeCycles(1, 1, INT32_MAX, 1, 1);
    EXPECT_EQ(r.PinnacleStartYears[2], std::int64_t{INT32_MAX} + 37 - 1 + 18);
    EXPECT_GT(r.PeriodStartYears[1], std::int64_t{INT32_MAX});
    const CycleReport low = ComputeCycles(INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN);
    EXPECT_EQ(low.Pinnacles[0], 2 * std::int64_t{INT32_MIN});
    EXPECT_EQ(low.Challenges[0], 0);
}

TEST(Cycles, DisplayOrderAndTexts) {
    RecordingSink sink;
    session::ShowCycles(ComputeCycles(5, 9, 1970, 5, 22), sink);
    const std::vector<std::string> order = {
        "text lPin1",      "text lPin2",      "text lPin3", "text lPin4", "text lPinStart1", "text lPinStart2",
        "text lPinStart3", "text lPinStart4", "text lPer1", "text lPer2", "text lPer3",      "text lPerStart1",
        "text lPerStart2", "text lPerStart3", "text lIsp1", "text lIsp2", "text lIsp3",      "text lIsp4"};
    EXPECT_EQ(sink.calls, order);
    const std::pair<const char*, const char*> texts[] = {{control::lPinN(1), "5"},
                                                         {control::lPinN(2), "4"},
                                                         {control::lPinN(3), "9"},
                                                         {control::lPinN(4), "8"},
                                                         {control::lPinStartN(1), "5.09.1970"},
                                                         {control::lPinStartN(2), "1.01.2003"},
                                                         {control::lPinStartN(3), "1.01.2012"},
                                                         {control::lPinStartN(4), "1.01.2021"},
                                                         {control::lPerN(1), "9"},
                                                         {control::lPerN(2), "5"},
                                                         {control::lPerN(3), "8"},
                                                         {control::lPerStartN(1), "5.09.1970"},
                                                         {control::lPerStartN(2), "1.01.1994"},
                                                         {control::lPerStartN(3), "1.01.2030"},
                                                         {control::lIspN(1), "4"},
                                                         {control::lIspN(2), "3"},
                                                         {control::lIspN(3), "1"},
                                                         {control::lIspN(4), "1"}};
    for (const auto& [control, text] : texts)
        EXPECT_EQ(sink.texts[control], text) << control;
}

} // namespace
} // namespace lirem::engine
