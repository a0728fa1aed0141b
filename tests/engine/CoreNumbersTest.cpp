// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Display.h"
#include "tests/support/RecordingSink.h"

#include "engine/CoreNumbers.h"
#include "engine/Cp1251Literal.h"
#include "engine/Errors.h"
#include "layout/ControlNames.h"

#include <gtest/gtest.h>

#include <string>

namespace lirem::engine {
namespace {

using test::RecordingSink;

const std::string kNote = std::string("Кармическое Число "_cp);

struct CoreCase {
    int day, month, year;
    std::string_view first, middle, last;
    int birthday, lifePath, expression, soul, personality;
    int birthdayKarmic, pathKarmic, expressionKarmic, soulKarmic, personalityKarmic;
};

TEST(CoreNumbers, WorkedExamples) {
    const CoreCase cases[] = {
        {29, 11, 1985, "Иван"_cp, "Петрович"_cp, "Сидоров"_cp, 11, 9, 6, 4, 11, 0, 0, 0, 13, 0},
        {1, 1, 1970, "", "", "", 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
        {9, 3, 2000, "", "", "", 9, 5, 0, 0, 0, 0, 14, 0, 0, 0},
        {13, 1, 1970, "", "", "", 4, 4, 0, 0, 0, 13, 13, 0, 0, 0},
        {14, 1, 1970, "", "", "", 5, 5, 0, 0, 0, 14, 14, 0, 0, 0},
        {16, 1, 1970, "", "", "", 7, 7, 0, 0, 0, 16, 16, 0, 0, 0},
        {19, 1, 1970, "", "", "", 1, 1, 0, 0, 0, 19, 0, 0, 0, 0},
        {29, 11, 2000, "", "", "", 11, 6, 0, 0, 0, 0, 0, 0, 0, 0},  // D = 11 + 11 + 2 = 24
        {29, 11, 2009, "", "", "", 11, 33, 0, 0, 0, 0, 0, 0, 0, 0}, // D = 33, kept
        // Expression 33 shown as 33 (Сидоров alone).
        {1, 1, 1970, "Сидоров"_cp, "", "", 1, 1, 33, 6, 9, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day);
        const CoreReport r = ComputeCoreNumbers(c.day, c.month, c.year, c.first, c.middle, c.last);
        EXPECT_EQ(r.Birthday.Value, c.birthday);
        EXPECT_EQ(r.LifePath.Value, c.lifePath);
        EXPECT_EQ(r.Expression.Value, c.expression);
        EXPECT_EQ(r.SoulUrge.Value, c.soul);
        EXPECT_EQ(r.Personality.Value, c.personality);
        EXPECT_EQ(r.Birthday.Karmic, c.birthdayKarmic);
        EXPECT_EQ(r.LifePath.Karmic, c.pathKarmic);
        EXPECT_EQ(r.Expression.Karmic, c.expressionKarmic);
        EXPECT_EQ(r.SoulUrge.Karmic, c.soulKarmic);
        EXPECT_EQ(r.Personality.Karmic, c.personalityKarmic);
    }
}

TEST(CoreNumbers, DisplayOfTheWorkedExample) {
    RecordingSink sink;
    NumerologyProfile profile;
    profile.DigitMarks.fill(3);
    session::ShowCoreNumbers(29, 11, 1985, "Иван"_cp, "Петрович"_cp, "Сидоров"_cp, profile, sink);
    EXPECT_EQ(profile.DigitMarks, (std::array<std::uint8_t, 9>{}));
    EXPECT_EQ(profile.Birthday, 11);
    EXPECT_EQ(profile.LifePath, 9);
    EXPECT_EQ(profile.Expression, 6);
    EXPECT_EQ(profile.SoulUrge, 4);
    EXPECT_EQ(profile.Personality, 11);
    const std::pair<const char*, const char*> shown[] = {
        {control::stBDay, "11"},   {control::lShowBDay, "11"},   {control::stPath, "9"}, {control::lShowPath, "9"},
        {control::stExpress, "6"}, {control::lShowExpress, "6"}, {control::stSoul, "4"}, {control::lShowSoul, "4"},
        {control::stPerson, "11"}, {control::lShowPerson, "11"},
    };
    for (const auto& [control, text] : shown)
        EXPECT_EQ(sink.texts[control], text) << control;
    EXPECT_EQ(sink.texts[control::lSoulKarma], kNote + "13");
    EXPECT_TRUE(sink.IsVisible(control::lSoulKarma));
    for (const char* note : {control::lBDayKarma, control::lPathKarma, control::lExpressKarma, control::lPersonKarma}) {
        EXPECT_EQ(sink.texts[note], kNote) << note;
        EXPECT_FALSE(sink.IsVisible(note)) << note;
    }
}

TEST(CoreNumbers, NoteTexts) {
    EXPECT_EQ(KarmicNoteTitle(), kNote);
    EXPECT_EQ(KarmicNoteText(19).Str(), kNote + "19");
}

TEST(CoreNumbers, WriteOrder) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::ShowCoreNumbers(13, 1, 1970, "", "", "", profile, sink); // day and date sum karmic
    const std::vector<std::string> expected = {
        "text lBDayKarma",
        "hide lBDayKarma",
        "text lPathKarma",
        "hide lPathKarma",
        "text lExpressKarma",
        "hide lExpressKarma",
        "text lSoulKarma",
        "hide lSoulKarma",
        "text lPersonKarma",
        "hide lPersonKarma",
        // Birthday: number, note, copy
        "text stBDay",
        "text lBDayKarma",
        "show lBDayKarma",
        "text lShowBDay",
        // Life Path: note, number, copy
        "text lPathKarma",
        "show lPathKarma",
        "text stPath",
        "text lShowPath",
        // name numbers: number, copy, (note)
        "text stExpress",
        "text lShowExpress",
        "text stSoul",
        "text lShowSoul",
        "text stPerson",
        "text lShowPerson",
    };
    EXPECT_EQ(sink.calls, expected);
    EXPECT_EQ(sink.texts[control::lBDayKarma], kNote + "13");
    EXPECT_EQ(sink.texts[control::lPathKarma], kNote + "13");
}

TEST(CoreNumbers, ANoteIsHiddenAgainAndNeverDoubled) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::ShowCoreNumbers(13, 1, 1970, "", "", "", profile, sink);
    session::ShowCoreNumbers(13, 1, 1970, "", "", "", profile, sink);
    EXPECT_EQ(sink.texts[control::lBDayKarma], kNote + "13");
    session::ShowCoreNumbers(12, 1, 1970, "", "", "", profile, sink);
    EXPECT_FALSE(sink.IsVisible(control::lBDayKarma));
    EXPECT_EQ(sink.texts[control::lBDayKarma], kNote);
}

TEST(CoreNumbers, NegativeDayStopsAfterTheBirthday) {
    RecordingSink sink;
    NumerologyProfile profile;
    profile.LifePath = 7;
    profile.DigitMarks.fill(1);
    EXPECT_THROW(session::ShowCoreNumbers(-5, 1, 1970, "", "", "", profile, sink), ConvertError);
    EXPECT_EQ(profile.DigitMarks, (std::array<std::uint8_t, 9>{}));
    EXPECT_EQ(profile.Birthday, -5);
    EXPECT_EQ(profile.LifePath, 7); // untouched
    EXPECT_EQ(sink.texts[control::stBDay], "-5");
    EXPECT_EQ(sink.calls.back(), "text stBDay");
    EXPECT_EQ(sink.texts.count(control::lShowBDay), 0u);
}

TEST(CoreNumbers, NegativeDateSumStopsInTheLifePath) {
    RecordingSink sink;
    NumerologyProfile profile;
    EXPECT_THROW(session::ShowCoreNumbers(1, 1, -5, "", "", "", profile, sink), ConvertError);
    EXPECT_EQ(profile.LifePath, -3); // stored before its Karmic Number is sought
    EXPECT_EQ(sink.calls.back(), "text lShowBDay");
    EXPECT_EQ(sink.texts.count(control::stPath), 0u);
    // A negative year whose sum stays positive is no error.
    EXPECT_NO_THROW(session::ShowCoreNumbers(9, 9, -5, "", "", "", profile, sink));
    EXPECT_EQ(profile.LifePath, 4); // 9 + 9 - 5 = 13, note 13
    EXPECT_EQ(sink.texts[control::lPathKarma], kNote + "13");
}

TEST(CoreNumbers, DisplayAgreesWithTheReport) {
    const std::string_view names[] = {"", "Иван"_cp, "Петрович Петрович"_cp, "Wendy", "Ёлка-Анна"_cp};
    for (int day = 0; day <= 40; day += 3)
        for (int month = 0; month <= 13; month += 2)
            for (const int year : {0, 1949, 1970, 1985, 2009, 2020, 99999})
                for (const auto name : names) {
                    RecordingSink sink;
                    NumerologyProfile profile;
                    session::ShowCoreNumbers(day, month, year, name, name, "Сидоров"_cp, profile, sink);
                    const CoreReport r = ComputeCoreNumbers(day, month, year, name, name, "Сидоров"_cp);
                    ASSERT_EQ(sink.texts[control::stBDay], std::to_string(r.Birthday.Value));
                    ASSERT_EQ(sink.texts[control::stPath], std::to_string(r.LifePath.Value));
                    ASSERT_EQ(sink.texts[control::lShowPerson], std::to_string(r.Personality.Value));
                    ASSERT_EQ(profile.Expression, r.Expression.Value);
                    ASSERT_EQ(sink.IsVisible(control::lPathKarma), r.LifePath.Karmic != 0);
                    ASSERT_EQ(sink.IsVisible(control::lSoulKarma), r.SoulUrge.Karmic != 0);
                    ASSERT_EQ(sink.IsVisible(control::lBDayKarma), r.Birthday.Karmic != 0);
                }
}

TEST(CoreNumbers, ExtremeDatesDoNotOverflow) {
    // 2147483647 reduces to 1; three of them sum to 3.
    const CoreReport r = ComputeCoreNumbers(INT32_MAX, INT32_MAX, INT32_MAX, "", "", "");
    EXPECT_EQ(r.Birthday.Value, 1);
    EXPECT_EQ(r.LifePath.Value, 3);
    EXPECT_THROW((void)ComputeCoreNumbers(INT32_MIN, 1, 1, "", "", ""), ConvertError);
    RecordingSink sink;
    NumerologyProfile profile;
    EXPECT_THROW(session::ShowCoreNumbers(1, INT32_MIN, INT32_MIN, "", "", "", profile, sink), ConvertError);
    EXPECT_EQ(profile.LifePath, INT32_MIN); // the exact sum is below the 32-bit range: saturated
}

} // namespace
} // namespace lirem::engine
