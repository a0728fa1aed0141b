// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Display.h"
#include "tests/support/RecordingSink.h"

#include "engine/Cp1251Literal.h"
#include "engine/Errors.h"
#include "layout/ControlNames.h"
#include "session/Handlers.h"
#include "session/NullSink.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace lirem::engine {
namespace {

using test::RecordingSink;

session::PersonInput IvanPetrovichSidorov() {
    session::PersonInput in;
    in.date.day = 29;
    in.date.month = 11;
    in.date.year = 1985;
    in.first = "Иван"_cp;
    in.middle = "Петрович"_cp;
    in.last = "Сидоров"_cp;
    in.calendar.year = static_cast<std::int32_t>(SelectedYear(2025 - 1950));
    in.calendar.month = static_cast<std::int32_t>(SelectedMonth(8));
    return in;
}

TEST(Handlers, FullRecalculationOfTheWorkedExample) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::RunFullRecalculation(IvanPetrovichSidorov(), profile, sink);
    EXPECT_EQ(profile.Birthday, 11);
    EXPECT_EQ(profile.LifePath, 9);
    EXPECT_EQ(profile.Expression, 6);
    EXPECT_EQ(profile.SoulUrge, 4);
    EXPECT_EQ(profile.Personality, 11);
    EXPECT_EQ(profile.DigitMarks, (std::array<std::uint8_t, 9>{3, 0, 3, 1, 0, 0, 0, 0, 3}));
    // Personal Year of 2025 for 29.11: 9 + 11 + 11 = 31, 4; September: 13, 4.
    EXPECT_EQ(profile.PersonalYear, 4);
    EXPECT_EQ(profile.PersonalMonth, 4);
    EXPECT_EQ(sink.texts[control::lSoulKarma], std::string("Кармическое Число 13"_cp));
    EXPECT_EQ(sink.lines[control::meVozSpo].at(0), "Возможности превышают Способности"_cp);
    EXPECT_EQ(sink.texts[control::stReason], "22");
    EXPECT_EQ(sink.texts[control::lKarLes], "Кармические Уроки: 4"_cp);
    EXPECT_EQ(sink.texts[control::lHidPas], "Число Скрытой Страсти: 1, 3, 9"_cp);
    EXPECT_EQ(sink.texts[control::lPinStartN(1)], "29.11.1985");
    EXPECT_EQ(sink.texts[control::liYear], "Индивидуальный Год 4"_cp);
    EXPECT_EQ(sink.texts[control::lDayN(30)], "30");
    // The stages write in order: core, synthesis, spectrum, cycles, calendar.
    const auto at = [&](const std::string& call) {
        return std::find(sink.calls.begin(), sink.calls.end(), call) - sink.calls.begin();
    };
    EXPECT_LT(at("text lShowPerson"), at("clear meVozSpo"));
    EXPECT_LT(at("text stReason"), at("text lKarLes"));
    EXPECT_LT(at("text lHidPas"), at("text lPin1"));
    EXPECT_LT(at("text lIsp4"), at("text liYear"));
    EXPECT_EQ(sink.calls.back(), "hide liDay37"); // cells 31..37 lie after September
}

TEST(Handlers, StartUpDefaults) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::PersonInput in;
    in.date.year = 1970;
    in.calendar.year = static_cast<std::int32_t>(SelectedYear(2026 - 1950));
    in.calendar.month = static_cast<std::int32_t>(SelectedMonth(11));
    session::RunFullRecalculation(in, profile, sink);
    EXPECT_EQ(sink.texts[control::stBDay], "1");
    EXPECT_EQ(sink.texts[control::stPath], "1");
    EXPECT_EQ(sink.texts[control::stExpress], "0");
    EXPECT_EQ(sink.texts[control::stSoul], "0");
    EXPECT_EQ(sink.texts[control::stPerson], "0");
    for (const char* note :
         {control::lBDayKarma, control::lPathKarma, control::lExpressKarma, control::lSoulKarma, control::lPersonKarma})
        EXPECT_FALSE(sink.IsVisible(note));
    EXPECT_EQ(sink.lines[control::meVozSpo].at(0), "Способности равны или примерно равны Возможностям"_cp);
    EXPECT_EQ(sink.texts[control::stRealize], "1");
    EXPECT_EQ(sink.texts[control::stReason], "1");
}

TEST(Handlers, NegativeDayLeavesOnlyTheEarlierWrites) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::RunFullRecalculation(IvanPetrovichSidorov(), profile, sink);
    const auto before = sink.texts;
    sink.calls.clear();
    session::PersonInput in = IvanPetrovichSidorov();
    in.date.day = -5;
    try {
        session::RunFullRecalculation(in, profile, sink);
        ADD_FAILURE() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'-' is not a valid integer value");
    }
    ASSERT_EQ(sink.calls.size(), 11u); // five notes reset (text, hide), then stBDay
    EXPECT_EQ(sink.calls.back(), "text stBDay");
    EXPECT_EQ(sink.texts[control::stBDay], "-5");
    EXPECT_EQ(sink.texts[control::lShowBDay], before.at(control::lShowBDay));
    EXPECT_EQ(sink.texts[control::stPath], before.at(control::stPath));
    EXPECT_EQ(profile.DigitMarks, (std::array<std::uint8_t, 9>{}));
    EXPECT_EQ(profile.Birthday, -5);
    EXPECT_EQ(profile.LifePath, 9); // the previous value
}

TEST(Handlers, MonthWithoutSelectionFailsLast) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::PersonInput in = IvanPetrovichSidorov();
    in.calendar.month = static_cast<std::int32_t>(SelectedMonth(-1));
    EXPECT_THROW(session::RunFullRecalculation(in, profile, sink), DateEncodeError);
    EXPECT_EQ(sink.texts[control::liMonth], "Индивидуальный Месяц 4"_cp); // the Personal Year itself
    EXPECT_EQ(sink.calls.back(), "colour liDay37");
    EXPECT_EQ(sink.texts.count(control::lDayN(1)), 0u);
    EXPECT_EQ(sink.texts[control::lIspN(4)], "3"); // everything before is written
}

TEST(Handlers, YearAndMonthChange) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::PersonInput in;
    in.date.day = 5;
    in.date.month = 9;
    in.date.year = 1970;
    in.calendar.year = static_cast<std::int32_t>(SelectedYear(2025 - 1950));
    in.calendar.month = static_cast<std::int32_t>(SelectedMonth(8));
    session::RunYearChange(in, profile, sink);
    EXPECT_EQ(sink.texts[control::liYear], "Индивидуальный Год 5"_cp);
    EXPECT_EQ(sink.texts[control::liMonth], "Индивидуальный Месяц 5"_cp);
    in.calendar.month = static_cast<std::int32_t>(SelectedMonth(0));
    in.date.day = 6; // edited, not recalculated
    sink.calls.clear();
    session::RunMonthChange(in, profile, sink);
    EXPECT_EQ(sink.texts[control::liMonth], "Индивидуальный Месяц 6"_cp); // 1 + 5
    EXPECT_EQ(sink.calls.front(), "text liMonth");
}

TEST(Handlers, FreeText) {
    RecordingSink sink;
    session::PersonInput in;
    in.text = "Ivan 1970";
    session::RunFreeText(in, sink);
    EXPECT_EQ(sink.texts[control::lSumma], "Сумма: 9"_cp);
}

// Any bytes and any 32-bit values: only the two named errors, never a crash.
TEST(Handlers, BadInputNeverCrashes) {
    std::string all;
    for (unsigned b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string big(std::size_t{1} << 20, static_cast<char>(0xE0));
    const std::int32_t values[] = {INT32_MIN, -1, 0, 1, 13, 29, INT32_MAX};
    const std::string* texts[] = {&all, &big};
    for (const std::int32_t v : values)
        for (const std::string* text : texts) {
            session::PersonInput in;
            in.date = {v, v, v};
            in.partner = session::PartnerInput{{v, v, v}, *text, *text, *text};
            in.calendar = {static_cast<std::int32_t>(SelectedYear(v)), static_cast<std::int32_t>(SelectedMonth(v))};
            in.first = in.middle = in.last = *text;
            in.text = *text;
            session::NullSink sink;
            NumerologyProfile profile;
            const auto run = [&](auto&& handler) {
                try {
                    handler();
                } catch (const ConvertError&) {
                } catch (const DateEncodeError&) {
                }
            };
            run([&] { session::RunFullRecalculation(in, profile, sink); });
            run([&] { session::RunPartnerComparison(in, profile, sink); });
            run([&] { session::RunFreeText(in, sink); });
            run([&] { session::RunYearChange(in, profile, sink); });
            run([&] { session::RunMonthChange(in, profile, sink); });
        }
}

} // namespace
} // namespace lirem::engine
