// SPDX-License-Identifier: GPL-3.0-or-later
// The six handlers through the real controls: what the window shows after
// start-up, the worked examples, the calendar, the partner page, the free
// text, both error paths and Enter on the pages.
#include "WindowFixture.h"
#include "layout/ControlNames.h"
#include "tests/support/PartnerExample.h"
#include "tests/support/TestNames.h"
#include "ui/SpinEdit.h"

#include <QTextBlock>
#include <QTextDocument>

namespace lirem::ui::test {
namespace {

using Texts = std::vector<std::pair<const char*, QString>>;

class HandlersTest : public ShownWindowTest {
protected:
    void ExpectTexts(const Texts& texts) {
        for (const auto& [name, text] : texts) {
            EXPECT_EQ(Caption(name), text) << name;
        }
    }
    void ExpectDigitLabels(const lirem::control::NameSeries& digits, const std::vector<QString>& texts) {
        for (std::size_t d = 1; d <= 9; ++d) {
            EXPECT_EQ(Caption(digits(d)), texts[d - 1]) << digits(d);
        }
    }
    void EnterWorkedExample() {
        EnterPerson("29", "11", "1985", "Иван", "Петрович", "Сидоров");
        Click(control::bnDoit);
    }
    QString Cell(const lirem::control::NameSeries& cells, int k) const { return Caption(cells(k)); }
    bool CellShown(int k) const {
        const bool big = Shown(control::liDayN(k));
        EXPECT_EQ(big, Shown(control::lDayN(k))) << "cell " << k;
        return big;
    }
    QColor CellColour(int k) const { return FontColour(control::liDayN(k)); }
};

TEST_F(HandlersTest, FirstShownStateIsTheResultOfTheDefaultInputs) {
    EXPECT_TRUE(errors.empty());
    ExpectTexts({{control::stBDay, "1"},
                 {control::stPath, "1"},
                 {control::stExpress, "0"},
                 {control::stSoul, "0"},
                 {control::stPerson, "0"},
                 {control::lShowBDay, "1"},
                 {control::lShowPath, "1"},
                 {control::lShowExpress, "0"},
                 {control::lShowSoul, "0"},
                 {control::lShowPerson, "0"},
                 {control::stRealize, "1"},
                 {control::stReason, "1"},
                 {control::lPEBridge, "1"},
                 {control::lSPBridge, "0"},
                 {control::lESBridge, "0"}});
    for (const char* note : {control::lBDayKarma, control::lPathKarma, control::lExpressKarma, control::lSoulKarma,
                             control::lPersonKarma}) {
        EXPECT_FALSE(Shown(note)) << note;
    }
    EXPECT_EQ(MemoLines(control::meVozSpo), QStringList{"Способности равны или примерно равны Возможностям"});
    EXPECT_EQ(MemoLines(control::meVozMot), QStringList{"Возможности равны или примерно равны Мотивации"});
    EXPECT_EQ(MemoLines(control::meSpoMot), QStringList{"Способности равны или примерно равны Мотивации"});

    ExpectDigitLabels(control::lSpN, std::vector<QString>(9, "-"));
    ExpectDigitLabels(control::lEtN, std::vector<QString>(9, "0"));
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(FontColour(control::lSpN(d)), kRed);
    }
    ExpectTexts({{control::lKarLes, "Кармические Уроки: 1, 2, 3, 4, 5, 6, 7, 8, 9"},
                 {control::lNameLength, "Общая длина имени: 0"},
                 {control::lAlphabet, "Алфавит: -"},
                 {control::lMuchMore, "Значительно больше Эталона: нет"},
                 {control::lMuchLess, "Значительно меньше Эталона: нет"},
                 {control::lHidPas, "Число Скрытой Страсти: нет"}});

    ExpectTexts({{control::lPinN(1), "2"},
                 {control::lPinN(2), "9"},
                 {control::lPinN(3), "11"},
                 {control::lPinN(4), "9"},
                 {control::lPinStartN(1), "1.01.1970"},
                 {control::lPinStartN(2), "1.01.2006"},
                 {control::lPinStartN(3), "1.01.2015"},
                 {control::lPinStartN(4), "1.01.2024"},
                 {control::lPerN(1), "1"},
                 {control::lPerN(2), "1"},
                 {control::lPerN(3), "8"},
                 {control::lPerStartN(1), "1.01.1970"},
                 {control::lPerStartN(2), "1.01.1997"},
                 {control::lPerStartN(3), "1.01.2024"},
                 {control::lIspN(1), "0"},
                 {control::lIspN(2), "7"},
                 {control::lIspN(3), "7"},
                 {control::lIspN(4), "7"}});

    // September 2025 for 1.1.1970: Personal Year 2, Personal Month 2; the month starts on a Monday.
    ExpectTexts({{control::liYear, "Индивидуальный Год 2"}, {control::liMonth, "Индивидуальный Месяц 2"}});
    for (int k = 1; k <= 37; ++k) {
        EXPECT_EQ(CellShown(k), k <= 30) << k;
    }
    EXPECT_EQ(Cell(control::lDayN, 1), "1");
    EXPECT_EQ(Cell(control::liDayN, 1), "3");
    EXPECT_EQ(Cell(control::lDayN, 30), "30");

    // Pages that the start-up does not fill.
    EXPECT_TRUE(Get<QPlainTextEdit>(control::meResult)->toPlainText().isEmpty());
    EXPECT_FALSE(Shown(control::lNoFirst));
    EXPECT_FALSE(Shown(control::lNoFirst2));
    ExpectTexts({{control::lSumma, "Сумма: 0"}, {control::lKarma, "Кармическое Число: 0"}});
    ExpectDigitLabels(control::lMiscN, std::vector<QString>(9, "0"));

    const engine::NumerologyProfile& p = window->Profile();
    EXPECT_EQ(p.LifePath, 1);
    EXPECT_EQ(p.Birthday, 1);
    EXPECT_EQ(p.PersonalYear, 2);
    EXPECT_EQ(p.PersonalMonth, 2);
}

TEST_F(HandlersTest, WorkedExampleThroughTheControls) {
    EnterWorkedExample();
    ASSERT_TRUE(errors.empty()) << errors.front().toStdString();
    ExpectTexts({{control::stBDay, "11"},
                 {control::stPath, "9"},
                 {control::stExpress, "6"},
                 {control::stSoul, "4"},
                 {control::stPerson, "11"},
                 {control::lShowBDay, "11"},
                 {control::lShowPath, "9"},
                 {control::lShowExpress, "6"},
                 {control::lShowSoul, "4"},
                 {control::lShowPerson, "11"},
                 {control::lSoulKarma, "Кармическое Число 13"}});
    EXPECT_TRUE(Shown(control::lSoulKarma));
    for (const char* note : {control::lBDayKarma, control::lPathKarma, control::lExpressKarma, control::lPersonKarma}) {
        EXPECT_FALSE(Shown(note)) << note;
    }

    EXPECT_EQ(MemoLines(control::meVozSpo), QStringList{"Возможности превышают Способности"});
    EXPECT_EQ(MemoLines(control::meVozMot), QStringList{"Возможности превышают Мотивацию"});
    EXPECT_EQ(MemoLines(control::meSpoMot), QStringList{"Способности равны или примерно равны Мотивации"});
    ExpectTexts({{control::stRealize, "6"},
                 {control::lPEBridge, "3"},
                 {control::lSPBridge, "2"},
                 {control::lESBridge, "2"},
                 {control::stReason, "22"}});

    ExpectDigitLabels(control::lSpN, {"5", "1", "3", "-", "1", "2", "4", "1", "2"});
    ExpectDigitLabels(control::lEtN, {"4", "2", "2", "1", "1", "3", "4", "1", "1"});
    const QColor spectrumColours[] = {kPurple, kBlack, kPurple, kRed, kBlack, kBlack, kBlack, kBlack, kPurple};
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(FontColour(control::lSpN(d)), spectrumColours[d - 1]) << d;
    }
    ExpectTexts({{control::lKarLes, "Кармические Уроки: 4"},
                 {control::lNameLength, "Общая длина имени: 19"},
                 {control::lAlphabet, "Алфавит: русский"},
                 {control::lMuchMore, "Значительно больше Эталона: нет"},
                 {control::lMuchLess, "Значительно меньше Эталона: нет"},
                 {control::lHidPas, "Число Скрытой Страсти: 1, 3, 9"}});

    ExpectTexts({{control::lPinN(1), "22"},
                 {control::lPinN(2), "7"},
                 {control::lPinN(3), "11"},
                 {control::lPinN(4), "7"},
                 {control::lPinStartN(1), "29.11.1985"},
                 {control::lPinStartN(2), "1.01.2013"},
                 {control::lPinStartN(3), "1.01.2022"},
                 {control::lPinStartN(4), "1.01.2031"},
                 {control::lPerN(1), "11"},
                 {control::lPerN(2), "11"},
                 {control::lPerN(3), "5"},
                 {control::lPerStartN(1), "29.11.1985"},
                 {control::lPerStartN(2), "1.01.2013"},
                 {control::lPerStartN(3), "1.01.2040"},
                 {control::lIspN(1), "0"},
                 {control::lIspN(2), "3"},
                 {control::lIspN(3), "3"},
                 {control::lIspN(4), "3"}});

    // September 2025: Personal Year 4, Personal Month 4; Life Path 9 marks days 9, 18 and 27.
    ExpectTexts({{control::liYear, "Индивидуальный Год 4"}, {control::liMonth, "Индивидуальный Месяц 4"}});
    for (int k = 1; k <= 30; ++k) {
        EXPECT_EQ(CellColour(k), (k == 9 || k == 18 || k == 27) ? kPurple : kTeal) << k;
    }

    const engine::NumerologyProfile& p = window->Profile();
    EXPECT_EQ(p.DigitMarks, (std::array<std::uint8_t, 9>{3, 0, 3, 1, 0, 0, 0, 0, 3}));
}

TEST_F(HandlersTest, ALaterCalculationHidesTheNotesAgain) {
    EnterPerson("13", "3", "2000", "Иван", "Петрович", "Сидоров");
    Click(control::bnDoit);
    EXPECT_TRUE(Shown(control::lBDayKarma));
    EXPECT_EQ(Caption(control::lBDayKarma), "Кармическое Число 13");
    EXPECT_TRUE(Shown(control::lSoulKarma));
    Type(control::seDay, "12");
    Type(control::edFirst, "Анна");
    Click(control::bnDoit);
    for (const char* note : {control::lBDayKarma, control::lPathKarma, control::lExpressKarma, control::lSoulKarma,
                             control::lPersonKarma}) {
        EXPECT_EQ(Caption(note).startsWith("Кармическое Число "), true) << note;
    }
    EXPECT_FALSE(Shown(control::lBDayKarma));
    EXPECT_EQ(Caption(control::lBDayKarma), "Кармическое Число ");
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
    Click(control::bnDoit);
    ShowPage(control::tsYears);
    const CalendarCase& c = GetParam();
    ChooseYear(c.year);
    ChooseMonth(c.month);
    ASSERT_TRUE(errors.empty());
    ExpectTexts({{control::liYear, c.personalYear}, {control::liMonth, c.personalMonth}});
    for (int k = 1; k <= 37; ++k) {
        const bool shown = k >= c.firstShown && k <= c.lastShown;
        EXPECT_EQ(CellShown(k), shown) << k;
        if (shown) {
            const int day = k - c.firstShown + 1;
            EXPECT_EQ(Cell(control::lDayN, k), QString::number(day)) << k;
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
    Click(control::bnDoit);
    ChooseYear(2025);
    ChooseMonth(9);
    const char* expected[] = {"6", "7", "8", "9", "1", "2"};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(Cell(control::liDayN, k), expected[k - 1]) << k;
    }
}

TEST_F(HandlersTest, PartnerWorkedExampleGivesTenLinesEachFollowedByAnEmptyLine) {
    EnterWorkedExample();
    ShowPage(control::tsSynastry);
    Type(control::sePartnerDay, "1");
    Type(control::sePartnerMonth, "1");
    Type(control::sePartnerYear, "1970");
    Type(control::edPartnerFirst, "Анна");
    Click(control::bnPartner);
    QStringList expected;
    for (const char* line : lirem::test::kAnnaMatches) {
        expected << QString::fromUtf8(line) << QString();
    }
    auto* memo = Get<QPlainTextEdit>(control::meResult);
    ASSERT_EQ(memo->document()->blockCount(), 20);
    QStringList blocks;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        blocks << b.text();
    }
    EXPECT_EQ(blocks, expected);
    EXPECT_TRUE(Shown(control::meResult));
    EXPECT_FALSE(Shown(control::lNoFirst));
    EXPECT_FALSE(Shown(control::lNoFirst2));
    EXPECT_TRUE(errors.empty());
}

TEST_F(HandlersTest, BlankFirstPersonShowsTheWarningsAndHidesTheMemo) {
    EnterWorkedExample();
    ShowPage(control::tsSynastry);
    Click(control::bnPartner);
    EXPECT_FALSE(Get<QPlainTextEdit>(control::meResult)->toPlainText().isEmpty());
    ShowPage(control::tsNucleus);
    Type(control::edFirst, "  ");
    Type(control::edMiddle, "\t");
    Type(control::edLast, "");
    ShowPage(control::tsSynastry);
    Click(control::bnPartner);
    EXPECT_TRUE(Shown(control::lNoFirst));
    EXPECT_TRUE(Shown(control::lNoFirst2));
    EXPECT_FALSE(Shown(control::meResult));
    EXPECT_TRUE(Get<QPlainTextEdit>(control::meResult)->toPlainText().isEmpty());
    // A name again: the memo returns and the warnings go.
    ShowPage(control::tsNucleus);
    Type(control::edFirst, "Иван");
    ShowPage(control::tsSynastry);
    Click(control::bnPartner);
    EXPECT_FALSE(Shown(control::lNoFirst));
    EXPECT_TRUE(Shown(control::meResult));
}

struct FreeTextCase {
    QString text;
    QString summa;
    QString karma;
    std::vector<QString> counts;
};

class FreeTextTest : public HandlersTest, public ::testing::WithParamInterface<FreeTextCase> {};

TEST_P(FreeTextTest, ButtonWritesSumKarmaAndCounts) {
    ShowPage(control::tsMisc);
    Type(control::edMisc, GetParam().text);
    Click(control::bnMisc);
    ExpectTexts({{control::lSumma, GetParam().summa}, {control::lKarma, GetParam().karma}});
    ExpectDigitLabels(control::lMiscN, GetParam().counts);
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
    ShowPage(control::tsMisc);
    Type(control::edMisc, "49");
    Click(control::bnMisc);
    for (const QString& blank : {QString(), QStringLiteral("   "), QStringLiteral(" \t ")}) {
        Type(control::edMisc, blank);
        Click(control::bnMisc);
        ExpectTexts({{control::lSumma, "Сумма: 4"}, {control::lKarma, "Кармическое Число: 13"}});
        ExpectDigitLabels(control::lMiscN, Counts("0 0 0 1 0 0 0 0 1"));
    }
}

TEST_F(HandlersTest, NegativeDayConfirmedWithEnterReportsAndKeepsThePartialWrites) {
    EnterWorkedExample();
    ASSERT_TRUE(errors.empty());
    Type(control::seDay, "-5");
    PressEnterIn(control::seDay);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "'-' is not a valid integer value.");
    // Written before the error: the notes reset, the Birthday number shown.
    EXPECT_EQ(Caption(control::stBDay), "-5");
    EXPECT_FALSE(Shown(control::lSoulKarma));
    EXPECT_EQ(Caption(control::lSoulKarma), "Кармическое Число ");
    // Not reached: everything else keeps the previous calculation.
    ExpectTexts({{control::lShowBDay, "11"},
                 {control::stPath, "9"},
                 {control::stSoul, "4"},
                 {control::stReason, "22"},
                 {control::lPinN(1), "22"}});
    ExpectDigitLabels(control::lSpN, {"5", "1", "3", "-", "1", "2", "4", "1", "2"});
    const engine::NumerologyProfile& p = window->Profile();
    EXPECT_EQ(p.Birthday, -5);
    EXPECT_EQ(p.LifePath, 9);
    EXPECT_EQ(p.DigitMarks, (std::array<std::uint8_t, 9>{}));
    // The raw value stays in the field until it loses the focus.
    EXPECT_EQ(Get<SpinEdit>(control::seDay)->Value(), -5);
    Get<QLineEdit>(control::edFirst)->setFocus();
    EXPECT_EQ(Get<SpinEdit>(control::seDay)->Value(), 1);
}

// Typing into a calendar list selects the item the text names (a whole year;
// a month by name, number or the start of its name); a text that names none
// leaves the selection and the calendar as they were, and leaving the list
// shows the selected item again. Typing never raises an error.
TEST_F(HandlersTest, TypingIntoTheCalendarListsSelectsTheNamedItemOrNothing) {
    EnterWorkedExample();
    ShowPage(control::tsYears);
    struct Case {
        const char* list;
        const char* typed;
        int index; // selected afterwards
    };
    const Case cases[] = {
        {control::cbYear, "2030", 2030 - 1950},
        {control::cbYear, "20", 2025 - 1950},   // not a year yet: the calendar stays
        {control::cbYear, "1949", 2025 - 1950}, // not in the list
        {control::cbYear, "x", 2025 - 1950},
        {control::cbMonth, "Март", 2},
        {control::cbMonth, "мар", 2},
        {control::cbMonth, "Ию", 5}, // the first month that starts so: Июнь
        {control::cbMonth, "12", 11},
        {control::cbMonth, "3", 2},
        {control::cbMonth, "13", 0}, // "1" named January on the way
        {control::cbMonth, "x", 8},
        {control::cbMonth, "Сентябрьx", 8},
    };
    for (const Case& c : cases) {
        ChooseYear(2025);
        ChooseMonth(9);
        const QString year = Caption(control::liYear);
        const QString month = Caption(control::liMonth);
        const QString day9 = Cell(control::liDayN, 9);
        auto* list = Get<QComboBox>(c.list);
        list->lineEdit()->setFocus();
        list->lineEdit()->selectAll();
        for (const QChar ch : QString::fromUtf8(c.typed)) {
            QTest::sendKeyEvent(QTest::Click, list->lineEdit(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
        EXPECT_EQ(list->currentIndex(), c.index) << c.typed;
        EXPECT_EQ(list->currentText(), QString::fromUtf8(c.typed)) << "the text stays as typed: " << c.typed;
        EXPECT_TRUE(errors.empty()) << c.typed << ": " << (errors.empty() ? QString() : errors.back()).toStdString();
        const bool moved = c.index != (c.list == control::cbYear ? 2025 - 1950 : 8);
        if (!moved) {
            EXPECT_EQ(Caption(control::liYear), year) << c.typed;
            EXPECT_EQ(Caption(control::liMonth), month) << c.typed;
            EXPECT_EQ(Cell(control::liDayN, 9), day9) << c.typed;
        }
        // Leaving the list shows the selected item.
        Get<QComboBox>(c.list == control::cbYear ? control::cbMonth : control::cbYear)->lineEdit()->setFocus();
        EXPECT_EQ(list->currentText(), list->itemText(c.index)) << c.typed;
        errors.clear();
    }
    // A year typed in full runs the year's handler: 2030 for 29.11.1985.
    ChooseYear(2025);
    auto* years = Get<QComboBox>(control::cbYear);
    years->lineEdit()->setFocus();
    years->lineEdit()->selectAll();
    QTest::keyClicks(years->lineEdit(), "2030");
    const QString typed = Caption(control::liYear);
    ChooseYear(2030);
    EXPECT_EQ(Caption(control::liYear), typed);
}

TEST_F(HandlersTest, EnterPressesTheButtonOfPagesOneAndFourOnly) {
    // Page 1: Enter in a name field recalculates.
    Type(control::edFirst, "Иван");
    PressEnterIn(control::edFirst);
    EXPECT_EQ(Caption(control::stExpress), "11"); // Иван alone: Expression 11
    // Page 4: Enter in the partner's name runs the comparison.
    ShowPage(control::tsSynastry);
    Type(control::edPartnerFirst, "Анна");
    PressEnterIn(control::edPartnerFirst);
    EXPECT_FALSE(Get<QPlainTextEdit>(control::meResult)->toPlainText().isEmpty());
    // Page 7: Enter in the free text does nothing.
    ShowPage(control::tsMisc);
    Type(control::edMisc, "49");
    PressEnterIn(control::edMisc);
    EXPECT_EQ(Caption(control::lSumma), "Сумма: 0");
    EXPECT_TRUE(errors.empty());
}

TEST_F(HandlersTest, EnterWithModifiersOrInTheEditableMemoPressesNothing) {
    ShowPage(control::tsSynastry);
    Type(control::edPartnerFirst, "Анна");
    QTest::keyClick(window->Control(control::edPartnerFirst), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(window->Control(control::edPartnerFirst), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(Get<QPlainTextEdit>(control::meResult)->toPlainText().isEmpty());
    Get<QPlainTextEdit>(control::meResult)->setFocus();
    PressEnterIn(control::meResult);
    EXPECT_EQ(Get<QPlainTextEdit>(control::meResult)->toPlainText(), "\n");
}

TEST_F(HandlersTest, ClickingTheButtonClampsADayTypedOutOfRange) {
    Type(control::seDay, "45");
    Click(control::bnDoit);
    EXPECT_EQ(Get<SpinEdit>(control::seDay)->Value(), 31);
    EXPECT_EQ(Caption(control::stBDay), "4");
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace lirem::ui::test
