// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Display.h"
#include "tests/support/RecordingSink.h"

#include "engine/Cp1251.h"
#include "engine/Cp1251Literal.h"
#include "engine/Partner.h"
#include "layout/ControlNames.h"
#include "session/Handlers.h"
#include "tests/support/PartnerExample.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lirem::engine {
namespace {

using test::RecordingSink;

std::vector<std::string> WithBlanks(std::initializer_list<std::string_view> lines) {
    std::vector<std::string> out;
    for (const auto line : lines) {
        out.emplace_back(line);
        out.emplace_back();
    }
    return out;
}

NumerologyProfile IvanProfile() {
    NumerologyProfile p;
    p.LifePath = 9;
    p.Expression = 6;
    p.SoulUrge = 4;
    p.Personality = 11;
    p.Birthday = 11;
    p.DigitMarks = {3, 0, 3, 1, 0, 0, 0, 0, 3};
    return p;
}

TEST(Partner, ProfileOfAnna) {
    const PartnerProfile p = BuildPartnerProfile({1, 1, 1970, "Анна"_cp, "", ""});
    EXPECT_EQ(p.LifePath, 1);
    EXPECT_EQ(p.Expression, 5);
    EXPECT_EQ(p.SoulUrge, 2);
    EXPECT_EQ(p.Personality, 3);
    EXPECT_EQ(p.Birthday, 1);
    EXPECT_EQ(p.NameAnalysis.KarmicLessons, (DigitList{2, 3, 4, 5, 7, 8, 9}));
    EXPECT_EQ(p.NameAnalysis.HiddenPassion, (DigitList{1, 6}));
}

TEST(Partner, WorkedExample) {
    const auto lines = ComparePartners(IvanProfile(), BuildPartnerProfile({1, 1, 1970, "Анна"_cp, "", ""}));
    std::vector<std::string> expected;
    for (const char* match : test::kAnnaMatches) {
        expected.push_back(Utf8ToCp1251(match));
        expected.emplace_back();
    }
    EXPECT_EQ(lines, expected);
}

TEST(Partner, AllTwentyFivePairLinesInOrder) {
    NumerologyProfile me; // all five numbers 7, no marks
    me.LifePath = me.Expression = me.SoulUrge = me.Personality = me.Birthday = 7;
    PartnerProfile partner;
    partner.LifePath = partner.Expression = partner.SoulUrge = partner.Personality = partner.Birthday = 7;
    partner.NameAnalysis.HiddenPassion = {}; // nothing on the digit side
    const std::string_view subjects[] = {"Жизненный Путь"_cp, "Экспрессия"_cp, "Душевное Побуждение"_cp, "Личность"_cp,
                                         "День Рождения"_cp};
    const std::string_view objects[] = {"Жизненным Путем"_cp, "Экспрессией"_cp, "Душевным Побуждением"_cp,
                                        "Личностью"_cp, "Днем Рождения"_cp};
    std::vector<std::string> expected;
    for (const auto s : subjects)
        for (const auto o : objects) {
            expected.push_back(std::string(s) + std::string(" совпадает с "_cp) + std::string(o) +
                               std::string(" партнера"_cp));
            expected.emplace_back();
        }
    EXPECT_EQ(ComparePartners(me, partner), expected);
    EXPECT_EQ(expected[0], "Жизненный Путь совпадает с Жизненным Путем партнера"_cp);
    EXPECT_EQ(expected[48], "День Рождения совпадает с Днем Рождения партнера"_cp);
}

TEST(Partner, NoMatchGivesOneLine) {
    NumerologyProfile me;
    me.LifePath = 11;
    me.Expression = 22;
    me.SoulUrge = 33;
    me.Personality = 11;
    me.Birthday = 11;
    PartnerProfile partner;
    partner.LifePath = 2;
    partner.Expression = 4;
    partner.SoulUrge = 6;
    partner.Personality = 2;
    partner.Birthday = 2;
    EXPECT_EQ(ComparePartners(me, partner), std::vector<std::string>{std::string("Нет значимых совпадений"_cp)});
}

TEST(Partner, DigitBlocksAgainstEveryPartnerNumber) {
    NumerologyProfile me;
    me.LifePath = me.Expression = me.SoulUrge = me.Personality = me.Birthday = 33;
    me.DigitMarks[4] = MarkKarmicLesson; // 5
    PartnerProfile partner;
    partner.LifePath = partner.Expression = partner.SoulUrge = partner.Personality = partner.Birthday = 5;
    partner.NameAnalysis.KarmicLessons = {5};
    partner.NameAnalysis.HiddenPassion = {};
    EXPECT_EQ(ComparePartners(me, partner), WithBlanks({
                                                "Кармический Урок 5 совпадает с Жизненным Путем партнера"_cp,
                                                "Кармический Урок 5 совпадает с Экспрессией партнера"_cp,
                                                "Кармический Урок 5 совпадает с Душевным Побуждением партнера"_cp,
                                                "Кармический Урок 5 совпадает с Личностью партнера"_cp,
                                                "Кармический Урок 5 совпадает с Днем Рождения партнера"_cp,
                                                "Кармический Урок 5 совпадает с Кармическим Уроком партнера"_cp,
                                            }));
}

TEST(Partner, BlocksCAndDAgainstEveryNumber) {
    NumerologyProfile me;
    me.LifePath = me.Expression = me.SoulUrge = me.Personality = me.Birthday = 2;
    PartnerProfile partner;
    partner.LifePath = partner.Expression = partner.SoulUrge = partner.Personality = partner.Birthday = 0;
    partner.NameAnalysis.HiddenPassion = {2};
    EXPECT_EQ(ComparePartners(me, partner), WithBlanks({
                                                "Жизненный Путь совпадает со Скрытой Страстью 2 партнера"_cp,
                                                "Экспрессия совпадает со Скрытой Страстью 2 партнера"_cp,
                                                "Душевное Побуждение совпадает со Скрытой Страстью 2 партнера"_cp,
                                                "Личность совпадает со Скрытой Страстью 2 партнера"_cp,
                                                "День Рождения совпадает со Скрытой Страстью 2 партнера"_cp,
                                            }));
    partner.NameAnalysis.HiddenPassion = {};
    partner.NameAnalysis.KarmicLessons = {2};
    const auto lines = ComparePartners(me, partner);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[8], "День Рождения совпадает с Кармичаским Уроком 2 партнера"_cp);
}

TEST(Partner, ZeroNumbersMatchBlankPartnerNames) {
    NumerologyProfile me; // name fields of digits only: Expression, Soul, Personality 0
    me.LifePath = 8;
    me.Birthday = 9;
    const auto lines = ComparePartners(me, BuildPartnerProfile({1, 1, 1970, "", "", ""}));
    const std::string zeroPairs[] = {
        std::string("Экспрессия совпадает с Экспрессией партнера"_cp),
        std::string("Экспрессия совпадает с Душевным Побуждением партнера"_cp),
        std::string("Экспрессия совпадает с Личностью партнера"_cp),
        std::string("Душевное Побуждение совпадает с Экспрессией партнера"_cp),
        std::string("Душевное Побуждение совпадает с Душевным Побуждением партнера"_cp),
        std::string("Душевное Побуждение совпадает с Личностью партнера"_cp),
        std::string("Личность совпадает с Экспрессией партнера"_cp),
        std::string("Личность совпадает с Душевным Побуждением партнера"_cp),
        std::string("Личность совпадает с Личностью партнера"_cp),
    };
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(lines[2 * i], zeroPairs[i]);
    EXPECT_TRUE(lines.back().empty());
}

TEST(Partner, PageWarnsWhenTheFirstPersonIsBlank) {
    RecordingSink sink;
    session::PersonInput in;
    in.first = " ";
    in.middle = "\t";
    in.partner = session::PartnerInput{{1, 1, 1970}, std::string("Анна"_cp), "", ""};
    session::RunPartnerComparison(in, IvanProfile(), sink);
    const std::vector<std::string> calls = {"hide meResult",  "clear meResult", "hide lNoFirst",
                                            "hide lNoFirst2", "show lNoFirst",  "show lNoFirst2"};
    EXPECT_EQ(sink.calls, calls);
    EXPECT_TRUE(sink.lines[control::meResult].empty());
}

TEST(Partner, PageShowsTheLines) {
    RecordingSink sink;
    session::PersonInput in;
    in.first = "Иван"_cp;
    in.partner = session::PartnerInput{{1, 1, 1970}, std::string("Анна"_cp), "", ""};
    session::RunPartnerComparison(in, IvanProfile(), sink);
    EXPECT_EQ(sink.lines[control::meResult].size(), 20u);
    EXPECT_TRUE(sink.IsVisible(control::meResult));
    EXPECT_FALSE(sink.IsVisible(control::lNoFirst));
    EXPECT_EQ(sink.calls.back(), "show meResult");
    // Extreme partner dates are no error and do not overflow.
    in.partner->date = {INT32_MIN, INT32_MIN, INT32_MIN};
    EXPECT_NO_THROW(session::RunPartnerComparison(in, IvanProfile(), sink));
}

} // namespace
} // namespace lirem::engine
