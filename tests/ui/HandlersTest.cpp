// SPDX-License-Identifier: GPL-3.0-or-later
// The six handlers through the real controls: what the window shows after
// start-up, the worked examples, the calendar, the partner page, the free
// text, both error paths and Enter on the pages.
#include "WindowFixture.h"
#include "tests/support/PartnerExample.h"
#include "tests/support/TestNames.h"
#include "ui/SpinEdit.h"

#include <QTextBlock>
#include <QTextDocument>

namespace lirem::ui::test {
namespace {

const QColor kBlack(0, 0, 0), kRed(255, 0, 0), kPurple(128, 0, 128), kTeal(0, 128, 128);

using Texts = std::vector<std::pair<const char*, QString>>;

class HandlersTest : public ShownWindowTest {
protected:
    void ExpectTexts(const Texts& texts) {
        for (const auto& [name, text] : texts) {
            EXPECT_EQ(Caption(name), text) << name;
        }
    }
    void ExpectDigitLabels(const char* stem, const std::vector<QString>& texts) {
        for (int d = 1; d <= 9; ++d) {
            const std::string name = stem + std::to_string(d);
            EXPECT_EQ(Caption(name.c_str()), texts[static_cast<std::size_t>(d - 1)]) << name;
        }
    }
    void EnterWorkedExample() {
        EnterPerson("29", "11", "1985", "Иван", "Петрович", "Сидоров");
        Click("bnDoit");
    }
    QString Cell(const char* stem, int k) const { return Caption((stem + std::to_string(k)).c_str()); }
    bool CellShown(int k) const {
        const bool big = Shown(("liDay" + std::to_string(k)).c_str());
        EXPECT_EQ(big, Shown(("lDay" + std::to_string(k)).c_str())) << "cell " << k;
        return big;
    }
    QColor CellColour(int k) const { return FontColour(("liDay" + std::to_string(k)).c_str()); }
};

TEST_F(HandlersTest, FirstShownStateIsTheResultOfTheDefaultInputs) {
    EXPECT_TRUE(errors.empty());
    ExpectTexts({{"stBDay", "1"},
                 {"stPath", "1"},
                 {"stExpress", "0"},
                 {"stSoul", "0"},
                 {"stPerson", "0"},
                 {"lShowBDay", "1"},
                 {"lShowPath", "1"},
                 {"lShowExpress", "0"},
                 {"lShowSoul", "0"},
                 {"lShowPerson", "0"},
                 {"stRealize", "1"},
                 {"stReason", "1"},
                 {"lPEBridge", "1"},
                 {"lSPBridge", "0"},
                 {"lESBridge", "0"}});
    for (const char* note : {"lBDayKarma", "lPathKarma", "lExpressKarma", "lSoulKarma", "lPersonKarma"}) {
        EXPECT_FALSE(Shown(note)) << note;
    }
    EXPECT_EQ(MemoLines("meVozSpo"), QStringList{"Способности равны или примерно равны Возможностям"});
    EXPECT_EQ(MemoLines("meVozMot"), QStringList{"Возможности равны или примерно равны Мотивации"});
    EXPECT_EQ(MemoLines("meSpoMot"), QStringList{"Способности равны или примерно равны Мотивации"});

    ExpectDigitLabels("lSp", std::vector<QString>(9, "-"));
    ExpectDigitLabels("lEt", std::vector<QString>(9, "0"));
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(FontColour(("lSp" + std::to_string(d)).c_str()), kRed);
    }
    ExpectTexts({{"lKarLes", "Кармические Уроки: 1, 2, 3, 4, 5, 6, 7, 8, 9"},
                 {"lNameLength", "Общая длина имени: 0"},
                 {"lAlphabet", "Алфавит: -"},
                 {"lMuchMore", "Значительно больше Эталона: нет"},
                 {"lMuchLess", "Значительно меньше Эталона: нет"},
                 {"lHidPas", "Число Скрытой Страсти: нет"}});

    ExpectTexts({{"lPin1", "2"},
                 {"lPin2", "9"},
                 {"lPin3", "11"},
                 {"lPin4", "9"},
                 {"lPinStart1", "1.01.1970"},
                 {"lPinStart2", "1.01.2006"},
                 {"lPinStart3", "1.01.2015"},
                 {"lPinStart4", "1.01.2024"},
                 {"lPer1", "1"},
                 {"lPer2", "1"},
                 {"lPer3", "8"},
                 {"lPerStart1", "1.01.1970"},
                 {"lPerStart2", "1.01.1997"},
                 {"lPerStart3", "1.01.2024"},
                 {"lIsp1", "0"},
                 {"lIsp2", "7"},
                 {"lIsp3", "7"},
                 {"lIsp4", "7"}});

    // September 2025 for 1.1.1970: Personal Year 2, Personal Month 2; the month starts on a Monday.
    ExpectTexts({{"liYear", "Индивидуальный Год 2"}, {"liMonth", "Индивидуальный Месяц 2"}});
    for (int k = 1; k <= 37; ++k) {
        EXPECT_EQ(CellShown(k), k <= 30) << k;
    }
    EXPECT_EQ(Cell("lDay", 1), "1");
    EXPECT_EQ(Cell("liDay", 1), "3");
    EXPECT_EQ(Cell("lDay", 30), "30");

    // Pages that the start-up does not fill.
    EXPECT_TRUE(Get<QPlainTextEdit>("meResult")->toPlainText().isEmpty());
    EXPECT_FALSE(Shown("lNoFirst"));
    EXPECT_FALSE(Shown("lNoFirst2"));
    ExpectTexts({{"lSumma", "Сумма: 0"}, {"lKarma", "Кармическое Число: 0"}});
    ExpectDigitLabels("lMisc", std::vector<QString>(9, "0"));

    const lirem::NumerologyProfile& p = window->Profile();
    EXPECT_EQ(p.LifePath, 1);
    EXPECT_EQ(p.Birthday, 1);
    EXPECT_EQ(p.PersonalYear, 2);
    EXPECT_EQ(p.PersonalMonth, 2);
}

TEST_F(HandlersTest, WorkedExampleThroughTheControls) {
    EnterWorkedExample();
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ExpectTexts({{"stBDay", "11"},
                 {"stPath", "9"},
                 {"stExpress", "6"},
                 {"stSoul", "4"},
                 {"stPerson", "11"},
                 {"lShowBDay", "11"},
                 {"lShowPath", "9"},
                 {"lShowExpress", "6"},
                 {"lShowSoul", "4"},
                 {"lShowPerson", "11"},
                 {"lSoulKarma", "Кармическое Число 13"}});
    EXPECT_TRUE(Shown("lSoulKarma"));
    for (const char* note : {"lBDayKarma", "lPathKarma", "lExpressKarma", "lPersonKarma"}) {
        EXPECT_FALSE(Shown(note)) << note;
    }

    EXPECT_EQ(MemoLines("meVozSpo"), QStringList{"Возможности превышают Способности"});
    EXPECT_EQ(MemoLines("meVozMot"), QStringList{"Возможности превышают Мотивацию"});
    EXPECT_EQ(MemoLines("meSpoMot"), QStringList{"Способности равны или примерно равны Мотивации"});
    ExpectTexts({{"stRealize", "6"}, {"lPEBridge", "3"}, {"lSPBridge", "2"}, {"lESBridge", "2"}, {"stReason", "22"}});

    ExpectDigitLabels("lSp", {"5", "1", "3", "-", "1", "2", "4", "1", "2"});
    ExpectDigitLabels("lEt", {"4", "2", "2", "1", "1", "3", "4", "1", "1"});
    const QColor spectrumColours[] = {kPurple, kBlack, kPurple, kRed, kBlack, kBlack, kBlack, kBlack, kPurple};
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(FontColour(("lSp" + std::to_string(d)).c_str()), spectrumColours[d - 1]) << d;
    }
    ExpectTexts({{"lKarLes", "Кармические Уроки: 4"},
                 {"lNameLength", "Общая длина имени: 19"},
                 {"lAlphabet", "Алфавит: русский"},
                 {"lMuchMore", "Значительно больше Эталона: нет"},
                 {"lMuchLess", "Значительно меньше Эталона: нет"},
                 {"lHidPas", "Число Скрытой Страсти: 1, 3, 9"}});

    ExpectTexts({{"lPin1", "22"},
                 {"lPin2", "7"},
                 {"lPin3", "11"},
                 {"lPin4", "7"},
                 {"lPinStart1", "29.11.1985"},
                 {"lPinStart2", "1.01.2013"},
                 {"lPinStart3", "1.01.2022"},
                 {"lPinStart4", "1.01.2031"},
                 {"lPer1", "11"},
                 {"lPer2", "11"},
                 {"lPer3", "5"},
                 {"lPerStart1", "29.11.1985"},
                 {"lPerStart2", "1.01.2013"},
                 {"lPerStart3", "1.01.2040"},
                 {"lIsp1", "0"},
                 {"lIsp2", "3"},
                 {"lIsp3", "3"},
                 {"lIsp4", "3"}});

    // September 2025: Personal Year 4, Personal Month 4; Life Path 9 marks days 9, 18 and 27.
    ExpectTexts({{"liYear", "Индивидуальный Год 4"}, {"liMonth", "Индивидуальный Месяц 4"}});
    for (int k = 1; k <= 30; ++k) {
        EXPECT_EQ(CellColour(k), (k == 9 || k == 18 || k == 27) ? kPurple : kTeal) << k;
    }

    const lirem::NumerologyProfile& p = window->Profile();
    EXPECT_EQ(p.DigitMarks, (std::array<std::uint8_t, 9>{3, 0, 3, 1, 0, 0, 0, 0, 3}));
}

TEST_F(HandlersTest, ALaterCalculationHidesTheNotesAgain) {
    EnterPerson("13", "3", "2000", "Иван", "Петрович", "Сидоров");
    Click("bnDoit");
    EXPECT_TRUE(Shown("lBDayKarma"));
    EXPECT_EQ(Caption("lBDayKarma"), "Кармическое Число 13");
    EXPECT_TRUE(Shown("lSoulKarma"));
    Type("seDay", "12");
    Type("edFirst", "Анна");
    Click("bnDoit");
    for (const char* note : {"lBDayKarma", "lPathKarma", "lExpressKarma", "lSoulKarma", "lPersonKarma"}) {
        EXPECT_EQ(Caption(note).startsWith("Кармическое Число "), true) << note;
    }
    EXPECT_FALSE(Shown("lBDayKarma"));
    EXPECT_EQ(Caption("lBDayKarma"), "Кармическое Число ");
    EXPECT_TRUE(errors.empty());
}

struct CalendarCase {
    int year;
    int month;
    QString personalYear;
    QString personalMonth;
    int firstShown; // first shown cell
    int lastShown;  // last shown cell
    std::vector<int> purpleDays;
};

class CalendarTest : public HandlersTest, public ::testing::WithParamInterface<CalendarCase> {};

TEST_P(CalendarTest, ChosenMonthFillsTheGrid) {
    // Born 5 September 1970: Life Path 22.
    EnterPerson("5", "9", "1970", "", "", "");
    Click("bnDoit");
    ShowPage("tsYears");
    const CalendarCase& c = GetParam();
    ChooseYear(c.year);
    ChooseMonth(c.month);
    ASSERT_TRUE(errors.empty());
    ExpectTexts({{"liYear", c.personalYear}, {"liMonth", c.personalMonth}});
    for (int k = 1; k <= 37; ++k) {
        const bool shown = k >= c.firstShown && k <= c.lastShown;
        EXPECT_EQ(CellShown(k), shown) << k;
        if (shown) {
            const int day = k - c.firstShown + 1;
            EXPECT_EQ(Cell("lDay", k), QString::number(day)) << k;
            const bool purple = std::find(c.purpleDays.begin(), c.purpleDays.end(), day) != c.purpleDays.end();
            EXPECT_EQ(CellColour(k), purple ? kPurple : kTeal) << "day " << day;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Months, CalendarTest,
    ::testing::Values(CalendarCase{2025, 9, "Индивидуальный Год 5", "Индивидуальный Месяц 5", 1, 30, {4, 13}},
                      CalendarCase{2023, 1, "Индивидуальный Год 3", "Индивидуальный Месяц 4", 7, 37, {}},
                      CalendarCase{2010, 2, "Индивидуальный Год 8", "Индивидуальный Месяц 1", 1, 28, {}},
                      CalendarCase{2016, 2, "Индивидуальный Год 5", "Индивидуальный Месяц 7", 1, 29, {11, 29}}),
    [](const auto& testCase) {
        return std::to_string(testCase.param.year) + "_" + std::to_string(testCase.param.month);
    });

TEST_F(HandlersTest, SeptemberPersonalDaysRunFromSix) {
    EnterPerson("5", "9", "1970", "", "", "");
    Click("bnDoit");
    ChooseYear(2025);
    ChooseMonth(9);
    const char* expected[] = {"6", "7", "8", "9", "1", "2"};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(Cell("liDay", k), expected[k - 1]) << k;
    }
}

TEST_F(HandlersTest, PartnerWorkedExampleGivesTenLinesEachFollowedByAnEmptyLine) {
    EnterWorkedExample();
    ShowPage("tsSynastry");
    Type("sePartnerDay", "1");
    Type("sePartnerMonth", "1");
    Type("sePartnerYear", "1970");
    Type("edPartnerFirst", "Анна");
    Click("bnPartner");
    QStringList expected;
    for (const char* line : lirem::test::kAnnaMatches) {
        expected << QString::fromUtf8(line) << QString();
    }
    auto* memo = Get<QPlainTextEdit>("meResult");
    ASSERT_EQ(memo->document()->blockCount(), 20);
    QStringList blocks;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        blocks << b.text();
    }
    EXPECT_EQ(blocks, expected);
    EXPECT_TRUE(Shown("meResult"));
    EXPECT_FALSE(Shown("lNoFirst"));
    EXPECT_FALSE(Shown("lNoFirst2"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(HandlersTest, BlankFirstPersonShowsTheWarningsAndHidesTheMemo) {
    EnterWorkedExample();
    ShowPage("tsSynastry");
    Click("bnPartner");
    EXPECT_FALSE(Get<QPlainTextEdit>("meResult")->toPlainText().isEmpty());
    ShowPage("tsNucleus");
    Type("edFirst", "  ");
    Type("edMiddle", "\t");
    Type("edLast", "");
    ShowPage("tsSynastry");
    Click("bnPartner");
    EXPECT_TRUE(Shown("lNoFirst"));
    EXPECT_TRUE(Shown("lNoFirst2"));
    EXPECT_FALSE(Shown("meResult"));
    EXPECT_TRUE(Get<QPlainTextEdit>("meResult")->toPlainText().isEmpty());
    // A name again: the memo returns and the warnings go.
    ShowPage("tsNucleus");
    Type("edFirst", "Иван");
    ShowPage("tsSynastry");
    Click("bnPartner");
    EXPECT_FALSE(Shown("lNoFirst"));
    EXPECT_TRUE(Shown("meResult"));
}

struct FreeTextCase {
    QString text;
    QString summa;
    QString karma;
    std::vector<QString> counts;
};

class FreeTextTest : public HandlersTest, public ::testing::WithParamInterface<FreeTextCase> {};

TEST_P(FreeTextTest, ButtonWritesSumKarmaAndCounts) {
    ShowPage("tsMisc");
    Type("edMisc", GetParam().text);
    Click("bnMisc");
    ExpectTexts({{"lSumma", GetParam().summa}, {"lKarma", GetParam().karma}});
    ExpectDigitLabels("lMisc", GetParam().counts);
}

std::vector<QString> Counts(const char* digits) {
    std::vector<QString> out;
    for (const char* p = digits; *p != 0; ++p) {
        if (*p != ' ') {
            out.emplace_back(QChar(*p));
        }
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FreeTextTest,
    ::testing::Values(FreeTextCase{"12345", "Сумма: 6", "Кармическое Число: -", Counts("1 1 1 1 1 0 0 0 0")},
                      FreeTextCase{"49", "Сумма: 4", "Кармическое Число: 13", Counts("0 0 0 1 0 0 0 0 1")},
                      FreeTextCase{"29", "Сумма: 11", "Кармическое Число: -", Counts("0 1 0 0 0 0 0 0 1")},
                      FreeTextCase{"Анна", "Сумма: 5", "Кармическое Число: 14", Counts("2 0 0 0 0 2 0 0 0")},
                      FreeTextCase{"Ivan 1970", "Сумма: 9", "Кармическое Число: -", Counts("2 0 0 1 1 0 1 0 2")},
                      FreeTextCase{"+7 (495) 123-45-67", "Сумма: 8", "Кармическое Число: -",
                                   Counts("1 1 1 2 2 1 2 0 1")},
                      FreeTextCase{"!!!", "Сумма: 0", "Кармическое Число: -", Counts("0 0 0 0 0 0 0 0 0")}),
    [](const auto& testCase) { return lirem::test::TestNameOf(testCase.param.text.toStdString()); });

TEST_F(HandlersTest, BlankFreeTextChangesNothing) {
    ShowPage("tsMisc");
    Type("edMisc", "49");
    Click("bnMisc");
    for (const QString& blank : {QString(), QStringLiteral("   "), QStringLiteral(" \t ")}) {
        Type("edMisc", blank);
        Click("bnMisc");
        ExpectTexts({{"lSumma", "Сумма: 4"}, {"lKarma", "Кармическое Число: 13"}});
        ExpectDigitLabels("lMisc", Counts("0 0 0 1 0 0 0 0 1"));
    }
}

TEST_F(HandlersTest, NegativeDayConfirmedWithEnterReportsAndKeepsThePartialWrites) {
    EnterWorkedExample();
    ASSERT_TRUE(errors.empty());
    Type("seDay", "-5");
    PressEnterIn("seDay");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "'-' is not a valid integer value.");
    // Written before the error: the notes reset, the Birthday number shown.
    EXPECT_EQ(Caption("stBDay"), "-5");
    EXPECT_FALSE(Shown("lSoulKarma"));
    EXPECT_EQ(Caption("lSoulKarma"), "Кармическое Число ");
    // Not reached: everything else keeps the previous calculation.
    ExpectTexts({{"lShowBDay", "11"}, {"stPath", "9"}, {"stSoul", "4"}, {"stReason", "22"}, {"lPin1", "22"}});
    ExpectDigitLabels("lSp", {"5", "1", "3", "-", "1", "2", "4", "1", "2"});
    const lirem::NumerologyProfile& p = window->Profile();
    EXPECT_EQ(p.Birthday, -5);
    EXPECT_EQ(p.LifePath, 9);
    EXPECT_EQ(p.DigitMarks, (std::array<std::uint8_t, 9>{}));
    // The raw value stays in the field until it loses the focus.
    EXPECT_EQ(Get<lirem::ui::TSpinEdit>("seDay")->Value(), -5);
    Get<QLineEdit>("edFirst")->setFocus();
    EXPECT_EQ(Get<lirem::ui::TSpinEdit>("seDay")->Value(), 1);
}

TEST_F(HandlersTest, TypingIntoTheMonthListReportsAnInvalidDateAfterThePersonalMonth) {
    EnterWorkedExample();
    ShowPage("tsYears");
    ChooseYear(2025);
    ChooseMonth(9);
    // Mark a cell purple first, to see the colours reset before the failure.
    ASSERT_EQ(CellColour(9), kPurple);
    const QString day9 = Cell("liDay", 9);
    auto* month = Get<QComboBox>("cbMonth");
    month->lineEdit()->setFocus();
    month->lineEdit()->end(false);
    QTest::keyClicks(month->lineEdit(), "x");
    EXPECT_EQ(month->currentIndex(), -1);
    EXPECT_EQ(month->currentText(), "Сентябрьx");
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back(), "Invalid argument to date encode.");
    // The Personal Month of month 0 is the Personal Year itself.
    EXPECT_EQ(Caption("liMonth"), "Индивидуальный Месяц 4");
    for (int k = 1; k <= 37; ++k) {
        EXPECT_EQ(CellColour(k), kTeal) << k;
    }
    EXPECT_EQ(Cell("liDay", 9), day9);
    for (int k = 1; k <= 37; ++k) {
        EXPECT_EQ(CellShown(k), k <= 30) << k;
    }
}

TEST_F(HandlersTest, TypingIntoTheYearListUsesTheYearBeforeTheList) {
    auto* year = Get<QComboBox>("cbYear");
    year->lineEdit()->setFocus();
    year->lineEdit()->selectAll();
    QTest::keyClicks(year->lineEdit(), "2");
    EXPECT_EQ(year->currentIndex(), -1);
    EXPECT_TRUE(errors.empty());
    // 1949 for 1.1.1970: RTD(RWM(1949) + 1 + 1) = RTD(5 + 2) = 7.
    EXPECT_EQ(Caption("liYear"), "Индивидуальный Год 7");
}

TEST_F(HandlersTest, EnterPressesTheButtonOfPagesOneAndFourOnly) {
    // Page 1: Enter in a name field recalculates.
    Type("edFirst", "Иван");
    PressEnterIn("edFirst");
    EXPECT_EQ(Caption("stExpress"), "11"); // Иван alone: Expression 11
    // Page 4: Enter in the partner's name runs the comparison.
    ShowPage("tsSynastry");
    Type("edPartnerFirst", "Анна");
    PressEnterIn("edPartnerFirst");
    EXPECT_FALSE(Get<QPlainTextEdit>("meResult")->toPlainText().isEmpty());
    // Page 7: Enter in the free text does nothing.
    ShowPage("tsMisc");
    Type("edMisc", "49");
    PressEnterIn("edMisc");
    EXPECT_EQ(Caption("lSumma"), "Сумма: 0");
    EXPECT_TRUE(errors.empty());
}

TEST_F(HandlersTest, EnterWithModifiersOrInTheEditableMemoPressesNothing) {
    ShowPage("tsSynastry");
    Type("edPartnerFirst", "Анна");
    QTest::keyClick(window->Control("edPartnerFirst"), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(window->Control("edPartnerFirst"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(Get<QPlainTextEdit>("meResult")->toPlainText().isEmpty());
    Get<QPlainTextEdit>("meResult")->setFocus();
    PressEnterIn("meResult");
    EXPECT_EQ(Get<QPlainTextEdit>("meResult")->toPlainText(), "\n");
}

TEST_F(HandlersTest, ClickingTheButtonClampsADayTypedOutOfRange) {
    Type("seDay", "45");
    Click("bnDoit");
    EXPECT_EQ(Get<lirem::ui::TSpinEdit>("seDay")->Value(), 31);
    EXPECT_EQ(Caption("stBDay"), "4");
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace lirem::ui::test
