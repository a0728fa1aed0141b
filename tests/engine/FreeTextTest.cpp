// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Display.h"
#include "tests/support/RecordingSink.h"

#include "engine/Cp1251Literal.h"
#include "engine/FreeText.h"
#include "layout/ControlNames.h"

#include <gtest/gtest.h>

#include <string>

namespace lirem::engine {
namespace {

using test::RecordingSink;

struct FreeTextCase {
    std::string text;
    std::int64_t raw;
    int reduced;
    int karmic;
    DigitHistogram counts;
};

TEST(FreeText, WorkedExamples) {
    const FreeTextCase cases[] = {
        {"12345", 15, 6, 0, {1, 1, 1, 1, 1, 0, 0, 0, 0}},
        {"49", 13, 4, 13, {0, 0, 0, 1, 0, 0, 0, 0, 1}},
        {"29", 11, 11, 0, {0, 1, 0, 0, 0, 0, 0, 0, 1}},
        {std::string("Анна"_cp), 14, 5, 14, {2, 0, 0, 0, 0, 2, 0, 0, 0}},
        {"Ivan 1970", 36, 9, 0, {2, 0, 0, 1, 1, 0, 1, 0, 2}},
        {"+7 (495) 123-45-67", 53, 8, 0, {1, 1, 1, 2, 2, 1, 2, 0, 1}},
        {"!!!", 0, 0, 0, {}},
        {"1000", 1, 1, 0, {1, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"99992", 38, 11, 0, {0, 1, 0, 0, 0, 0, 0, 0, 4}},
        {"58", 13, 4, 13, {0, 0, 0, 0, 1, 0, 0, 1, 0}},
        {"95", 14, 5, 14, {0, 0, 0, 0, 1, 0, 0, 0, 1}},
        {"79", 16, 7, 16, {0, 0, 0, 0, 0, 0, 1, 0, 1}},
        {std::string(22, '9') + "1", 199, 1, 19, {1, 0, 0, 0, 0, 0, 0, 0, 22}},
        {std::string("Aа"_cp), 2, 2, 0, {2, 0, 0, 0, 0, 0, 0, 0, 0}},
        {std::string("\xB2\xAA") + "-", 0, 0, 0, {}}, // І, Є and a hyphen are skipped
        {std::string(256, '1'), 256, 4, 13, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const FreeTextReport r = AnalyzeFreeText(c.text);
        EXPECT_EQ(r.RawSum, c.raw);
        EXPECT_EQ(r.ReducedSum, c.reduced);
        EXPECT_EQ(r.KarmicNumber, c.karmic);
        EXPECT_EQ(r.Counts, c.counts);
    }
}

TEST(FreeText, PageTexts) {
    RecordingSink sink;
    session::ShowFreeText("  49  ", sink);
    EXPECT_EQ(sink.texts[control::lSumma], "Сумма: 4"_cp);
    EXPECT_EQ(sink.texts[control::lKarma], "Кармическое Число: 13"_cp);
    const std::vector<std::string> order = {"text lSumma", "text lKarma", "text lMisc1", "text lMisc2",
                                            "text lMisc3", "text lMisc4", "text lMisc5", "text lMisc6",
                                            "text lMisc7", "text lMisc8", "text lMisc9"};
    EXPECT_EQ(sink.calls, order);
    EXPECT_EQ(sink.texts[control::lMiscN(4)], "1");
    EXPECT_EQ(sink.texts[control::lMiscN(9)], "1");
    EXPECT_EQ(sink.texts[control::lMiscN(1)], "0");
    session::ShowFreeText("29", sink);
    EXPECT_EQ(sink.texts[control::lSumma], "Сумма: 11"_cp);
    EXPECT_EQ(sink.texts[control::lKarma], "Кармическое Число: -"_cp);
}

TEST(FreeText, TextsForReports) {
    EXPECT_EQ(SumText(AnalyzeFreeText("!!!")).View(), "Сумма: 0"_cp);
    EXPECT_EQ(KarmaText(AnalyzeFreeText("!!!")).View(), "Кармическое Число: -"_cp);
    EXPECT_EQ(KarmaText(AnalyzeFreeText(std::string(256, '1'))).View(), "Кармическое Число: 13"_cp);
}

TEST(FreeText, BlankTextChangesNothing) {
    RecordingSink sink;
    session::ShowFreeText("", sink);
    session::ShowFreeText(" \t\r\n ", sink);
    EXPECT_TRUE(sink.calls.empty());
}

TEST(FreeText, HugeTextsDoNotOverflow) {
    const std::string nines(std::size_t{1} << 20, '9');
    const FreeTextReport r = AnalyzeFreeText(nines);
    EXPECT_EQ(r.RawSum, 9LL << 20);
    EXPECT_EQ(r.ReducedSum, 9);
    EXPECT_EQ(r.Counts[8], 0); // 2^20 wraps
    std::string all;
    for (unsigned b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_GT(AnalyzeFreeText(all).RawSum, 0);
}

} // namespace
} // namespace lirem::engine
