// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Display.h"
#include "tests/support/RecordingSink.h"

#include "engine/Cp1251Literal.h"
#include "engine/NameAnalysis.h"
#include "layout/ControlNames.h"

#include <gtest/gtest.h>

namespace lirem::engine {
namespace {

using test::RecordingSink;
using Nine = std::array<std::uint8_t, 9>;

struct SpectrumCase {
    std::string_view first, middle, last;
    std::int64_t length;
    NameAlphabet alphabet;
    Nine spectrum;
    Nine etalon;
    DigitList lessons, more, less, passion;
};

TEST(Spectrum, WorkedExamples) {
    const SpectrumCase cases[] = {
        {"", "", "", 0, NameAlphabet::None, {}, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}, {}, {}},
        {"  ", " ", "", 0, NameAlphabet::None, {}, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}, {}, {}},
        {"Анна"_cp,
         "",
         "",
         4,
         NameAlphabet::Russian,
         {2, 0, 0, 0, 0, 2, 0, 0, 0},
         {1, 0, 0, 0, 0, 1, 1, 0, 0},
         {2, 3, 4, 5, 7, 8, 9},
         {},
         {},
         {1, 6}},
        {"Мария"_cp,
         "Ивановна"_cp,
         "Петрова"_cp,
         20,
         NameAlphabet::Russian,
         {6, 1, 3, 0, 1, 4, 2, 1, 2},
         {4, 2, 2, 1, 1, 3, 4, 1, 1},
         {4},
         {1},
         {7},
         {1}},
        {"Alexander",
         "",
         "Smith",
         14,
         NameAlphabet::English,
         {3, 1, 1, 2, 3, 1, 0, 1, 2},
         {2, 2, 2, 1, 2, 2, 1, 1, 2},
         {7},
         {},
         {},
         {1, 4, 5}},
        {"Bob",
         "",
         "",
         3,
         NameAlphabet::English,
         {0, 2, 0, 0, 0, 1, 0, 0, 0},
         {0, 0, 0, 0, 1, 0, 0, 0, 0},
         {1, 3, 4, 5, 7, 8, 9},
         {2},
         {},
         {2}},
        {"Иван"_cp,
         "Петрович"_cp,
         "Сидоров"_cp,
         19,
         NameAlphabet::Russian,
         {5, 1, 3, 0, 1, 2, 4, 1, 2},
         {4, 2, 2, 1, 1, 3, 4, 1, 1},
         {4},
         {},
         {},
         {1, 3, 9}},
        // An empty first name: no alphabet, English row over the other two names.
        {"",
         "Иван"_cp,
         "Ли"_cp,
         6,
         NameAlphabet::None,
         {3, 0, 1, 1, 0, 1, 0, 0, 0},
         {1, 1, 1, 0, 1, 1, 0, 0, 1},
         {2, 5, 7, 8, 9},
         {1},
         {},
         {1}},
        // A Latin first letter makes the whole name English.
        {"Jан"_cp,
         "",
         "",
         3,
         NameAlphabet::English,
         {2, 0, 0, 0, 0, 1, 0, 0, 0},
         {0, 0, 0, 0, 1, 0, 0, 0, 0},
         {2, 3, 4, 5, 7, 8, 9},
         {1},
         {},
         {1}},
        // The hyphen counts in the length only.
        {"Анна"_cp,
         "",
         "Ли-Ли"_cp,
         9,
         NameAlphabet::Russian,
         {4, 0, 0, 2, 0, 2, 0, 0, 0},
         {2, 1, 1, 1, 1, 1, 2, 0, 1},
         {2, 3, 5, 7, 8, 9},
         {1},
         {7},
         {1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + "|" + std::string(c.middle) + "|" + std::string(c.last));
        const SpectrumReport r = AnalyzeNameSpectrum(c.first, c.middle, c.last);
        EXPECT_EQ(r.NameLength, c.length);
        EXPECT_EQ(r.Alphabet, c.alphabet);
        EXPECT_EQ(r.Spectrum, c.spectrum);
        EXPECT_EQ(r.Etalon, c.etalon);
        EXPECT_EQ(r.KarmicLessons, c.lessons);
        EXPECT_EQ(r.MuchMore, c.more);
        EXPECT_EQ(r.MuchLess, c.less);
        EXPECT_EQ(r.HiddenPassion, c.passion);
    }
}

TEST(Spectrum, EtalonRoundsHalvesToEvenAndKeepsEightBits) {
    EXPECT_EQ(EtalonSpectrum(14, NameAlphabet::English), (Nine{2, 2, 2, 1, 2, 2, 1, 1, 2})); // 1.5 -> 2, 2.5 -> 2
    EXPECT_EQ(EtalonSpectrum(14, NameAlphabet::None), EtalonSpectrum(14, NameAlphabet::English));
    EXPECT_EQ(EtalonSpectrum(7, NameAlphabet::English)[0], 1);                  // 28/28
    EXPECT_EQ(EtalonSpectrum(2, NameAlphabet::English)[2], 0);                  // 6/28
    EXPECT_EQ(EtalonSpectrum(14, NameAlphabet::English)[3], 1);                 // 28/28
    EXPECT_EQ(EtalonSpectrum(42, NameAlphabet::English)[1], 4);                 // 4.5 -> 4
    EXPECT_EQ(EtalonSpectrum(70, NameAlphabet::English)[1], 8);                 // 7.5 -> 8
    EXPECT_EQ(EtalonSpectrum(1379, NameAlphabet::Russian)[0], 255);             // 255.37
    EXPECT_EQ(EtalonSpectrum(1380, NameAlphabet::Russian)[0], 0);               // 255.56 -> 256, low 8 bits
    EXPECT_EQ(EtalonSpectrum(INT64_MAX / 8, NameAlphabet::Russian).size(), 9u); // no overflow
}

TEST(Spectrum, Captions) {
    const auto r = AnalyzeNameSpectrum("Мария"_cp, "Ивановна"_cp, "Петрова"_cp);
    EXPECT_EQ(KarmicLessonsLine(r), "Кармические Уроки: 4"_cp);
    EXPECT_EQ(MuchMoreLine(r), "Значительно больше Эталона: 1"_cp);
    EXPECT_EQ(MuchLessLine(r), "Значительно меньше Эталона: 7"_cp);
    EXPECT_EQ(HiddenPassionLine(r), "Число Скрытой Страсти: 1"_cp);
    EXPECT_EQ(NameLengthLine(r), "Общая длина имени: 20"_cp);
    const auto empty = AnalyzeNameSpectrum("", "", "");
    EXPECT_EQ(KarmicLessonsLine(empty), "Кармические Уроки: 1, 2, 3, 4, 5, 6, 7, 8, 9"_cp);
    EXPECT_EQ(MuchMoreLine(empty), "Значительно больше Эталона: нет"_cp);
    EXPECT_EQ(MuchLessLine(empty), "Значительно меньше Эталона: нет"_cp);
    EXPECT_EQ(HiddenPassionLine(empty), "Число Скрытой Страсти: нет"_cp);
    EXPECT_EQ(AlphabetLine(NameAlphabet::None), "Алфавит: -"_cp);
    EXPECT_EQ(AlphabetLine(NameAlphabet::Russian), "Алфавит: русский"_cp);
    EXPECT_EQ(AlphabetLine(NameAlphabet::English), "Алфавит: английский"_cp);
}

TEST(Spectrum, RussianLettersSet) {
    EXPECT_EQ(RussianLetters().count(), 66u);
    EXPECT_TRUE(RussianLetters()[0xA8]);
    EXPECT_TRUE(RussianLetters()[0xB8]);
    EXPECT_FALSE(RussianLetters()[0xB2]);
}

TEST(Spectrum, DisplayColoursLinesAndMarks) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::ShowSpectrum(AnalyzeNameSpectrum("Мария"_cp, "Ивановна"_cp, "Петрова"_cp), profile, sink);
    EXPECT_EQ(sink.texts[control::lKarLes], "Кармические Уроки: 4"_cp);
    EXPECT_EQ(sink.texts[control::lMuchMore], "Значительно больше Эталона: 1"_cp);
    EXPECT_EQ(sink.texts[control::lMuchLess], "Значительно меньше Эталона: 7"_cp);
    EXPECT_EQ(sink.texts[control::lHidPas], "Число Скрытой Страсти: 1"_cp);
    EXPECT_EQ(sink.texts[control::lNameLength], "Общая длина имени: 20"_cp);
    EXPECT_EQ(sink.texts[control::lAlphabet], "Алфавит: русский"_cp);
    const char* spectrum[] = {"6", "1", "3", "-", "1", "4", "2", "1", "2"};
    const char* etalon[] = {"4", "2", "2", "1", "1", "3", "4", "1", "1"};
    const layout::Rgb colours[] = {layout::colour::Purple, layout::colour::Black, layout::colour::Black,
                                   layout::colour::Red,    layout::colour::Black, layout::colour::Black,
                                   layout::colour::Navy,   layout::colour::Black, layout::colour::Black};
    for (int d = 1; d <= 9; ++d) {
        const std::string sp = control::lSpN(d);
        EXPECT_EQ(sink.texts[sp], spectrum[d - 1]) << d;
        EXPECT_EQ(sink.texts[control::lEtN(d)], etalon[d - 1]) << d;
        EXPECT_EQ(sink.colours[sp], colours[d - 1]) << d;
        EXPECT_EQ(sink.colours.count(control::lEtN(d)), 0u);
    }
    EXPECT_EQ(profile.DigitMarks, (Nine{3, 0, 0, 1, 0, 0, 0, 0, 0}));
}

TEST(Spectrum, DisplayOfAnEmptyName) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::ShowSpectrum(AnalyzeNameSpectrum("", "", ""), profile, sink);
    EXPECT_EQ(sink.texts[control::lKarLes], "Кармические Уроки: 1, 2, 3, 4, 5, 6, 7, 8, 9"_cp);
    EXPECT_EQ(sink.texts[control::lMuchMore], "Значительно больше Эталона: нет"_cp);
    EXPECT_EQ(sink.texts[control::lMuchLess], "Значительно меньше Эталона: нет"_cp);
    EXPECT_EQ(sink.texts[control::lHidPas], "Число Скрытой Страсти: нет"_cp);
    EXPECT_EQ(sink.texts[control::lNameLength], "Общая длина имени: 0"_cp);
    EXPECT_EQ(sink.texts[control::lAlphabet], "Алфавит: -"_cp);
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(sink.texts[control::lSpN(d)], "-");
        EXPECT_EQ(sink.colours[control::lSpN(d)], layout::colour::Red);
        EXPECT_EQ(sink.texts[control::lEtN(d)], "0");
    }
    EXPECT_EQ(profile.DigitMarks, (Nine{1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(Spectrum, AZeroCountBelowTheEtalonKeepsItsRed) {
    // A zero count 2 below its Etalon is a deviation, but its label stays red.
    RecordingSink sink;
    NumerologyProfile profile;
    const auto r = AnalyzeNameSpectrum("Аааааааааааа"_cp, "", ""); // 12 letters: Etalon digit 1 = 60/27 -> 2
    ASSERT_TRUE(r.MuchLess.Contains(7));                           // 60/27 -> 2 against 0
    session::ShowSpectrum(r, profile, sink);
    EXPECT_EQ(sink.colours[control::lSpN(7)], layout::colour::Red);
    EXPECT_EQ(profile.DigitMarks[6], MarkKarmicLesson);
}

TEST(Spectrum, WriteOrder) {
    RecordingSink sink;
    NumerologyProfile profile;
    session::ShowSpectrum(AnalyzeNameSpectrum("Bob", "", ""), profile, sink);
    const std::vector<std::string> head = {"text lKarLes", "text lSp1", "colour lSp1",
                                           "text lKarLes", "text lSp2", "colour lSp2"};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), sink.calls.begin()));
    const std::vector<std::string> tail = {"text lMuchMore", "text lMuchLess", "colour lSp2", "text lMuchMore",
                                           "text lMuchLess", "text lHidPas",   "colour lSp2", "text lHidPas"};
    ASSERT_GE(sink.calls.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), sink.calls.end() - static_cast<std::ptrdiff_t>(tail.size())));
}

TEST(Spectrum, HugeAndOddInput) {
    std::string all;
    for (unsigned b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const auto r = AnalyzeNameSpectrum(all, all, all);
    EXPECT_EQ(r.NameLength, 3 * (255 - 32));      // trimmed of 0..32 in front, nothing behind
    EXPECT_EQ(r.Alphabet, NameAlphabet::English); // '!' leads
    const std::string big(std::size_t{1} << 20, static_cast<char>(0xC0));
    const auto b = AnalyzeNameSpectrum(big, big, big);
    EXPECT_EQ(b.NameLength, 3 << 20);
    EXPECT_EQ(b.Spectrum[0], 0); // 3 * 2^20 wraps to 0
    EXPECT_TRUE(b.KarmicLessons.Contains(1));
}

} // namespace
} // namespace lirem::engine
