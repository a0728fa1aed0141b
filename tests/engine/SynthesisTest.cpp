// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Display.h"
#include "tests/support/RecordingSink.h"

#include "engine/Cp1251Literal.h"
#include "engine/Synthesis.h"
#include "layout/ControlNames.h"

#include <gtest/gtest.h>

namespace lirem::engine {
namespace {

using test::RecordingSink;

struct SynthesisCase {
    int lifePath, expression, soul, personality, birthday;
    std::string_view first;
    std::string_view vozSpo, vozMot, spoMot;
    int realization, pe, sp, es, reason;
};

TEST(Synthesis, WorkedExamplesAndBands) {
    const SynthesisCase cases[] = {
        {9, 6, 4, 11, 11, "Иван"_cp, "Возможности превышают Способности"_cp, "Возможности превышают Мотивацию"_cp,
         "Способности равны или примерно равны Мотивации"_cp, 6, 3, 2, 2, 22},
        {22, 6, 1, 5, 4, "", "Возможности превышают Способности"_cp, "Возможности значительно превышают Мотивацию"_cp,
         "Способности превышают Мотивацию"_cp, 1, 2, 4, 5, 4},
        {1, 0, 0, 0, 1, "", "Способности равны или примерно равны Возможностям"_cp,
         "Возможности равны или примерно равны Мотивации"_cp, "Способности равны или примерно равны Мотивации"_cp, 1, 1,
         0, 0, 1},
        // d exactly 6 / 5 / 3 / 2, Abilities and Motivation above Possibilities.
        {1, 7, 6, 0, 0, "", "Способности значительно превышают Возможности"_cp, "Мотивация превышает Возможности"_cp,
         "Способности равны или примерно равны Мотивации"_cp, 8, 6, 6, 1, 0},
        {1, 4, 3, 0, 0, "", "Способности превышают Возможности"_cp, "Возможности равны или примерно равны Мотивации"_cp,
         "Способности равны или примерно равны Мотивации"_cp, 5, 3, 3, 1, 0},
        {1, 1, 7, 0, 0, "", "Способности равны или примерно равны Возможностям"_cp,
         "Мотивация значительно превышает Возможности"_cp, "Мотивация значительно превышает Способности"_cp, 2, 0, 7, 6,
         0},
        {4, 1, 1, 0, 0, "", "Возможности превышают Способности"_cp, "Возможности превышают Мотивацию"_cp,
         "Способности равны или примерно равны Мотивации"_cp, 5, 3, 1, 0, 0},
        {1, 1, 4, 0, 0, "", "Способности равны или примерно равны Возможностям"_cp,
         "Мотивация превышает Возможности"_cp, "Мотивация превышает Способности"_cp, 2, 0, 4, 3, 0},
        {9, 3, 0, 0, 0, "", "Возможности значительно превышают Способности"_cp,
         "Возможности значительно превышают Мотивацию"_cp, "Способности превышают Мотивацию"_cp, 3, 6, 0, 3, 0},
        {6, 6, 9, 0, 0, "", "Способности равны или примерно равны Возможностям"_cp,
         "Мотивация превышает Возможности"_cp, "Мотивация превышает Способности"_cp, 3, 0, 9, 3, 0},
        {9, 9, 3, 0, 0, "", "Способности равны или примерно равны Возможностям"_cp,
         "Возможности значительно превышают Мотивацию"_cp, "Способности значительно превышают Мотивацию"_cp, 9, 0, 3, 6,
         0},
        // Masters compared by rank: 33 (12) against 9 is d 3; 11 (10) against 9 is d 1.
        {33, 9, 9, 0, 0, "", "Возможности превышают Способности"_cp, "Возможности превышают Мотивацию"_cp,
         "Способности равны или примерно равны Мотивации"_cp, 6, 3, 9, 0, 0},
        {11, 9, 22, 0, 0, "", "Способности равны или примерно равны Возможностям"_cp,
         "Возможности равны или примерно равны Мотивации"_cp, "Способности равны или примерно равны Мотивации"_cp, 2, 7,
         4, 5, 0},
        // Empty names with Life Path 6: both significant lines.
        {6, 0, 0, 0, 6, "", "Возможности значительно превышают Способности"_cp,
         "Возможности значительно превышают Мотивацию"_cp, "Способности равны или примерно равны Мотивации"_cp, 6, 6, 0,
         0, 6},
        // Realization keeps masters; a master bridge counts by its digit sum.
        {11, 22, 22, 22, 0, "", "Способности равны или примерно равны Возможностям"_cp,
         "Возможности равны или примерно равны Мотивации"_cp, "Способности равны или примерно равны Мотивации"_cp, 33,
         2, 0, 0, 0},
        {11, 11, 0, 0, 0, "", "Способности равны или примерно равны Возможностям"_cp,
         "Возможности значительно превышают Мотивацию"_cp, "Способности значительно превышают Мотивацию"_cp, 22, 0, 0,
         2, 0},
        {22, 4, 0, 0, 0, "", "Возможности значительно превышают Способности"_cp,
         "Возможности значительно превышают Мотивацию"_cp, "Способности превышают Мотивацию"_cp, 8, 0, 0, 4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lifePath << " " << c.expression << " " << c.soul);
        const SynthesisReport r =
            ComputeSynthesis(c.lifePath, c.expression, c.soul, c.personality, c.birthday, c.first);
        EXPECT_EQ(r.PossibilitiesAbilitiesLine, c.vozSpo);
        EXPECT_EQ(r.PossibilitiesMotivationLine, c.vozMot);
        EXPECT_EQ(r.AbilitiesMotivationLine, c.spoMot);
        EXPECT_EQ(r.Realization, c.realization);
        EXPECT_EQ(r.PathExpressionBridge, c.pe);
        EXPECT_EQ(r.SoulPersonalityBridge, c.sp);
        EXPECT_EQ(r.ExpressionSoulBridge, c.es);
        EXPECT_EQ(r.Reason, c.reason);
    }
}

TEST(Synthesis, MasterRank) {
    const std::pair<int, int> cases[] = {{0, 0}, {9, 9}, {11, 10}, {22, 11}, {33, 12}, {10, 10}, {-4, -4}};
    for (const auto& [n, rank] : cases)
        EXPECT_EQ(MasterRank(n), rank) << n;
}

TEST(Synthesis, ReasonDependsOnTheFirstNameOnly) {
    const auto a = ComputeSynthesis(9, 6, 4, 11, 11, "Иван"_cp);
    EXPECT_EQ(a.Reason, 22);
}

TEST(Synthesis, ExtremeValuesDoNotOverflow) {
    const auto r = ComputeSynthesis(INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, "");
    EXPECT_EQ(r.Realization, -1);                 // INT32_MIN + INT32_MAX
    EXPECT_EQ(r.PathExpressionBridge, INT32_MAX); // |INT32_MIN - 1| saturates
    EXPECT_EQ(r.Reason, 1);
}

TEST(Synthesis, DisplayOrderAndOneLinePerMemo) {
    RecordingSink sink;
    const auto r = ComputeSynthesis(9, 6, 4, 11, 11, "Иван"_cp);
    session::ShowSynthesis(r, sink);
    session::ShowSynthesis(r, sink);
    const std::vector<std::string> once = {"clear meVozSpo", "clear meVozMot", "clear meSpoMot", "line meVozSpo",
                                           "line meVozMot",  "line meSpoMot",  "text stRealize", "text lPEBridge",
                                           "text lSPBridge", "text lESBridge", "text stReason"};
    ASSERT_EQ(sink.calls.size(), 2 * once.size());
    EXPECT_TRUE(std::equal(once.begin(), once.end(), sink.calls.begin()));
    EXPECT_EQ(sink.lines[control::meVozSpo],
              std::vector<std::string>{std::string("Возможности превышают Способности"_cp)});
    EXPECT_EQ(sink.texts[control::stRealize], "6");
    EXPECT_EQ(sink.texts[control::lPEBridge], "3");
    EXPECT_EQ(sink.texts[control::lSPBridge], "2");
    EXPECT_EQ(sink.texts[control::lESBridge], "2");
    EXPECT_EQ(sink.texts[control::stReason], "22");
}

} // namespace
} // namespace lirem::engine
