// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Display.h"
#include "tests/support/RecordingSink.h"

#include "engine/Calendar.h"
#include "engine/Cp1251Literal.h"
#include "engine/Errors.h"
#include "layout/ControlNames.h"

#include <gtest/gtest.h>

#include <string>

namespace lirem::engine {
namespace {

using test::RecordingSink;

std::string YearText(int n) {
    return std::string("Индивидуальный Год "_cp) + std::to_string(n);
}
std::string MonthText(int n) {
    return std::string("Индивидуальный Месяц "_cp) + std::to_string(n);
}

TEST(Calendar, Captions) {
    EXPECT_EQ(PersonalYearText(5).View(), YearText(5));
    EXPECT_EQ(PersonalMonthText(9).View(), MonthText(9));
}

struct MonthShape {
    std::int64_t year, month;
    int weekday, days;
};

TEST(Calendar, WeekdayAndLength) {
    const MonthShape cases[] = {
        {2025, 9, 1, 30},
        {2023, 1, 7, 31},
        {2010, 2, 1, 28},
        {2016, 2, 1, 29},
        {2000, 2, 2, 29},
        {1900, 2, 4, 28},
        {1949, 12, 4, 31},
        {2050, 12, 4, 31},
        // Far outside std::chrono's years, the 400-year cycle holds.
        {2025 + 400 * 5000000LL, 9, 1, 30},
        {2016 - 400 * 5000000LL, 2, 1, 29},
        {-1, 1, 5, 31},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        EXPECT_EQ(FirstWeekday(c.year, c.month), c.weekday);
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days);
    }
    for (const std::int64_t month : {0LL, 13LL, -1LL, 2147483648LL})
        EXPECT_THROW((void)FirstWeekday(2025, month), DateEncodeError) << month;
}

TEST(Calendar, PersonalNumbers) {
    EXPECT_EQ(PersonalMonthNumber(9, 5), 5);
    EXPECT_EQ(PersonalMonthNumber(1, 3), 4);
    EXPECT_EQ(PersonalMonthNumber(0, 7), 7);
    EXPECT_EQ(PersonalDayNumber(1, 5), 6);
    EXPECT_EQ(PersonalDayNumber(5, 5), 1);
}

TEST(Calendar, SeptemberTwentyTwentyFive) {
    const CalendarReport r = ComputeCalendar(2025, 9, 5, 9, 1970, 5);
    EXPECT_EQ(r.LifePath, 22);
    for (int k = 1; k <= 37; ++k) {
        SCOPED_TRACE(k);
        const CalendarCell& c = r.Cells[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(c.Day, k);
        const CellVisibility expected =
            k <= 6 || k >= 29 ? (k <= 30 ? CellVisibility::Show : CellVisibility::Hide) : CellVisibility::Leave;
        EXPECT_EQ(c.Visibility, expected);
        EXPECT_EQ(c.InMonth, k <= 30);
        if (k <= 30) {
            EXPECT_EQ(c.PersonalDay, (k + 5 - 1) % 9 + 1);
            EXPECT_EQ(c.Purple, k == 4 || k == 13);
        }
    }
}

TEST(Calendar, ShapesOfMonths) {
    // Cells shown, by first and last in-month cell.
    const std::tuple<std::int64_t, std::int64_t, int, int> cases[] = {
        {2023, 1, 7, 37}, {2010, 2, 1, 28}, {2016, 2, 1, 29}, {2025, 9, 1, 30}};
    for (const auto& [year, month, firstCell, lastCell] : cases) {
        const CalendarReport r = ComputeCalendar(year, month, 5, 9, 1970, 4);
        for (int k = 1; k <= 37; ++k) {
            const CalendarCell& c = r.Cells[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(c.InMonth, k >= firstCell && k <= lastCell) << year << "-" << month << " " << k;
            if (c.InMonth) {
                EXPECT_EQ(c.Day, k - firstCell + 1);
            }
        }
    }
    const CalendarReport jan = ComputeCalendar(2023, 1, 5, 9, 1970, 4);
    for (const auto& c : jan.Cells)
        EXPECT_FALSE(c.Purple);
}

TEST(Calendar, PageOfTheWorkedExample) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::ShowPersonalYear(SelectedYear(2025 - 1950), SelectedMonth(8), 5, 9, 1970, profile, sink);
    EXPECT_EQ(profile.PersonalYear, 5);
    EXPECT_EQ(profile.PersonalMonth, 5);
    EXPECT_EQ(sink.texts[control::liYear], YearText(5));
    EXPECT_EQ(sink.texts[control::liMonth], MonthText(5));
    for (int k = 1; k <= 37; ++k) {
        const std::string day = control::lDayN(k);
        const std::string pd = control::liDayN(k);
        if (k <= 30) {
            EXPECT_EQ(sink.texts[day], std::to_string(k));
            EXPECT_EQ(sink.texts[pd], std::to_string((k + 4) % 9 + 1));
            EXPECT_EQ(sink.colours[pd], k == 4 || k == 13 ? layout::colour::Purple : layout::colour::Teal) << k;
        } else {
            EXPECT_EQ(sink.texts.count(day), 0u);
            EXPECT_FALSE(sink.IsVisible(day));
            EXPECT_FALSE(sink.IsVisible(pd));
        }
        // Cells 7..28 never get their visibility set.
        EXPECT_EQ(sink.visible.count(day), k >= 7 && k <= 28 ? 0u : 1u) << k;
    }

    // January 2023: Personal Year 3, Personal Month 4, first six cells hidden.
    session::ShowPersonalYear(SelectedYear(2023 - 1950), SelectedMonth(0), 5, 9, 1970, profile, sink);
    EXPECT_EQ(sink.texts[control::liYear], YearText(3));
    EXPECT_EQ(sink.texts[control::liMonth], MonthText(4));
    for (int k = 1; k <= 6; ++k)
        EXPECT_FALSE(sink.IsVisible(control::lDayN(k)));
    EXPECT_EQ(sink.texts[control::lDayN(1)], "1"); // hidden cells keep their texts
    EXPECT_EQ(sink.texts[control::lDayN(37)], "31");
    EXPECT_TRUE(sink.IsVisible(control::liDayN(37)));
}

TEST(Calendar, MonthChangeUsesTheStoredPersonalYear) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::ShowPersonalYear(SelectedYear(2025 - 1950), SelectedMonth(8), 5, 9, 1970, profile, sink); // PY 5
    // The birth day changes to 6 without a recalculation: the Personal Month
    // still comes from the stored year, the purple days from the new date.
    session::ShowPersonalMonth(SelectedYear(2025 - 1950), SelectedMonth(9), 6, 9, 1970, profile, sink);
    EXPECT_EQ(profile.PersonalYear, 5);
    EXPECT_EQ(profile.PersonalMonth, 6); // RTD(10 + 5)
    EXPECT_EQ(sink.texts[control::liMonth], MonthText(6));
    EXPECT_EQ(sink.texts[control::liYear], YearText(5));
    // October 2025 starts on a Wednesday (cell 3 holds day 1). The new Life
    // Path is 6 + 9 + 8 = 23, 5: days 4, 13, 22 and 31 reduce to it with the date.
    for (int day = 1; day <= 31; ++day) {
        const std::string pd = control::liDayN(day + 2);
        const bool purple = day == 4 || day == 13 || day == 22 || day == 31;
        EXPECT_EQ(sink.colours[pd], purple ? layout::colour::Purple : layout::colour::Teal) << day;
    }
}

TEST(Calendar, YearWithoutSelectionIs1949) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::ShowPersonalYear(SelectedYear(-1), SelectedMonth(0), 1, 1, 1970, profile, sink);
    EXPECT_EQ(profile.PersonalYear, 7); // 1949 gives 23, then 5; 5 + 1 + 1
}

TEST(Calendar, MonthWithoutSelectionFailsAfterTheColours) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::ShowPersonalYear(SelectedYear(2025 - 1950), SelectedMonth(8), 5, 9, 1970, profile, sink);
    const auto textsBefore = sink.texts;
    const auto visibleBefore = sink.visible;
    sink.calls.clear();
    try {
        session::ShowPersonalMonth(SelectedYear(2025 - 1950), SelectedMonth(-1), 5, 9, 1970, profile, sink);
        ADD_FAILURE() << "no error";
    } catch (const DateEncodeError& e) {
        EXPECT_STREQ(e.what(), "Invalid argument to date encode");
    }
    EXPECT_EQ(profile.PersonalMonth, 5); // RTD(0 + 5): the Personal Year itself
    EXPECT_EQ(sink.texts[control::liMonth], MonthText(5));
    ASSERT_EQ(sink.calls.size(), 1u + 37u);
    EXPECT_EQ(sink.calls.front(), "text liMonth");
    for (int k = 1; k <= 37; ++k) {
        EXPECT_EQ(sink.calls[static_cast<std::size_t>(k)], std::string("colour ") + control::liDayN(k));
        EXPECT_EQ(sink.colours[control::liDayN(k)], layout::colour::Teal);
    }
    auto expectedTexts = textsBefore;
    expectedTexts[control::liMonth] = MonthText(5);
    EXPECT_EQ(sink.texts, expectedTexts);
    EXPECT_EQ(sink.visible, visibleBefore);
}

TEST(Calendar, ExtremeIndicesDoNotOverflow) {
    RecordingSink sink;
    NumerologyProfile profile;
    EXPECT_NO_THROW(
        session::ShowPersonalYear(SelectedYear(INT32_MAX), SelectedMonth(0), INT32_MAX, 1, INT32_MAX, profile, sink));
    EXPECT_NO_THROW(session::ShowPersonalYear(SelectedYear(INT32_MIN), SelectedMonth(11), INT32_MIN, INT32_MIN,
                                              INT32_MIN, profile, sink));
    EXPECT_THROW(session::ShowPersonalMonth(SelectedYear(0), SelectedMonth(INT32_MAX), 1, 1, 1, profile, sink),
                 DateEncodeError);
    EXPECT_THROW(session::ShowPersonalMonth(SelectedYear(0), SelectedMonth(INT32_MIN), 1, 1, 1, profile, sink),
                 DateEncodeError);
}

} // namespace
} // namespace lirem::engine
