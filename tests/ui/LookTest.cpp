// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed look of the window as built: faces, colours, backgrounds, visibility,
// memo styles, list contents and Tab order.
#include "WindowFixture.h"
#include "layout/ControlNames.h"
#include "layout/LayoutTable.h"
#include "look/LayoutLook.h"
#include "ui/SpinEdit.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QScrollBar>
#include <QTabWidget>

#include <optional>

namespace lirem::ui::test {
namespace {

struct LookCase {
    const char* name;
    const char* family; // as asked for
    int points;
    bool bold;
    QColor colour;
    std::optional<QColor> background;
    bool hidden;
};

class LookTest : public WindowTest, public ::testing::WithParamInterface<LookCase> {};

TEST_P(LookTest, FaceColourBackgroundAndVisibility) {
    const LookCase& c = GetParam();
    QWidget* widget = window->Control(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    const QFont font = widget->font();
    EXPECT_EQ(font.family(), c.family) << c.name;
    EXPECT_EQ(font.pointSize(), c.points) << c.name;
    EXPECT_EQ(font.bold(), c.bold) << c.name;
    // The face really used is one of the substitutes when the named one is missing.
    const QString used = QFontInfo(font).family();
    EXPECT_TRUE(used == c.family || used == "Liberation Sans" || used == "DejaVu Sans") << used.toStdString();
    if (c.colour.isValid()) {
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), c.colour) << c.name;
    }
    EXPECT_TRUE(widget->autoFillBackground()) << c.name;
    const QColor background = widget->palette().color(QPalette::Window);
    EXPECT_EQ(background, c.background.value_or(window->palette().color(QPalette::Window))) << c.name;
    EXPECT_EQ(widget->isHidden(), c.hidden) << c.name;
}

constexpr const char* kSans = "MS Sans Serif";
constexpr const char* kArial = "Arial";

INSTANTIATE_TEST_SUITE_P(Labels, LookTest,
                         ::testing::Values(LookCase{control::lPath, kSans, 8, true, {}, {}, false},
                                           LookCase{control::lPathKarma, kSans, 8, false, kMaroon, {}, true},
                                           LookCase{control::lPersonKarma, kSans, 8, false, kMaroon, {}, true},
                                           LookCase{control::stPath, kArial, 10, true, {}, {}, false},
                                           LookCase{control::lDay, kSans, 8, false, {}, {}, false},
                                           LookCase{control::lShowSoul, kArial, 14, true, {}, kWhite, false},
                                           LookCase{control::lShowPerson, kArial, 14, true, {}, kSilver, false},
                                           LookCase{control::lShowExpress, kArial, 14, true, {}, kMoneyGreen, false},
                                           LookCase{control::lShowPath, kArial, 14, true, kWhite, kPurple, false},
                                           LookCase{control::lShowBDay, kArial, 14, true, {}, {}, false},
                                           LookCase{control::lPEBridge, kSans, 8, true, {}, {}, false},
                                           LookCase{control::lSpN(5), kArial, 14, true, {}, {}, false},
                                           LookCase{control::lEtN(9), kArial, 14, true, {}, {}, false},
                                           LookCase{control::lSpectre, kArial, 9, true, {}, {}, false},
                                           LookCase{control::lKarLes, kArial, 9, true, kRed, {}, false},
                                           LookCase{control::lHidPas, kArial, 9, true, kPurple, {}, false},
                                           LookCase{control::lMuchMore, kArial, 9, true, kGreen, {}, false},
                                           LookCase{control::lMuchLess, kArial, 9, true, kNavy, {}, false},
                                           LookCase{control::lNoFirst, kSans, 8, true, kRed, {}, true},
                                           LookCase{control::lNoFirst2, kSans, 8, true, kRed, {}, true},
                                           LookCase{control::lPinN(1), kArial, 12, true, kGreen, {}, false},
                                           LookCase{control::lPerN(3), kArial, 12, true, kPurple, {}, false},
                                           LookCase{control::lIspN(2), kArial, 12, true, kMaroon, {}, false},
                                           LookCase{control::lIspTitle, kArial, 9, true, kMaroon, {}, false},
                                           LookCase{control::lPinStartN(1), kSans, 8, false, {}, {}, false},
                                           LookCase{control::lDayN(12), kSans, 8, false, kBlack, {}, false},
                                           LookCase{control::liYear, kArial, 9, true, kTeal, {}, false},
                                           LookCase{control::liDayTitle, kArial, 9, true, kTeal, {}, false},
                                           LookCase{control::Label1, kSans, 8, true, kPurple, {}, false},
                                           LookCase{control::Label2, kSans, 8, true, kPurple, {}, false},
                                           LookCase{control::lSumma, kArial, 9, true, {}, {}, false},
                                           LookCase{control::lMiscN(1), kArial, 14, true, {}, {}, false}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(WindowTest, MemoStyles) {
    struct Case {
        const char* name;
        bool readOnly;
        bool border;
        Qt::ScrollBarPolicy vertical;
        bool buttonFace;
        bool tabStop;
    };
    const Case cases[] = {
        {control::meVozSpo, true, false, Qt::ScrollBarAlwaysOff, true, false},
        {control::meVozMot, true, false, Qt::ScrollBarAlwaysOff, true, false},
        {control::meSpoMot, true, false, Qt::ScrollBarAlwaysOff, true, false},
        {control::meResult, false, true, Qt::ScrollBarAlwaysOn, false, true},
        {control::meMisc, true, false, Qt::ScrollBarAlwaysOn, true, true},
        {control::meAuthor, true, true, Qt::ScrollBarAlwaysOn, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* memo = Get<QPlainTextEdit>(c.name);
        EXPECT_EQ(memo->isReadOnly(), c.readOnly);
        EXPECT_EQ(memo->frameShape() != QFrame::NoFrame, c.border);
        EXPECT_EQ(memo->verticalScrollBarPolicy(), c.vertical);
        EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        const QColor base = memo->palette().color(QPalette::Base);
        EXPECT_EQ(base == window->palette().color(QPalette::Window), c.buttonFace);
        EXPECT_EQ((memo->focusPolicy() & Qt::TabFocus) != 0, c.tabStop);
        EXPECT_TRUE(memo->tabChangesFocus());
    }
}

TEST_F(WindowTest, FixedTexts) {
    // The memo holds the layout's lines, each a line of its own.
    const QStringList misc = look::FromUtf8(layout::MiscMemoLines());
    ASSERT_EQ(misc.size(), 15);
    EXPECT_EQ(MemoLines(control::meMisc), misc);
    EXPECT_GT(Get<QPlainTextEdit>(control::meAuthor)->toPlainText().size(), 100);
    EXPECT_TRUE(Get<QPlainTextEdit>(control::meResult)->toPlainText().isEmpty());

    const std::pair<const char*, const char*> captions[] = {
        {control::lPath, "Жизненный Путь:"},
        {control::lBDay, "День Рождения:"},
        {control::lExpress, "Экспрессия:"},
        {control::lSoul, "Душевное Побуждение:"},
        {control::lPerson, "Личность:"},
        {control::lPathKarma, "Кармическое Число "},
        {control::lDay, "День:"},
        {control::lMonth, "Месяц:"},
        {control::lYear, "Год:"},
        {control::lName, "Имя:"},
        {control::lSecond, "Отчество:"},
        {control::lLast, "Фамилия:"},
        {control::lRealize, "Число Реализации:"},
        {control::Label4, "Число Разума:"},
        {control::lPE, "Путь - Экспрессия:"},
        {control::lSP, "Душа - Личность:"},
        {control::lES, "Экспрессия - Душа:"},
        {control::lSpectre, "Спектр имени"},
        {control::lEtalonTitle, "Эталон"},
        {control::lNoFirst, "Не введены исходные данные "},
        {control::lNoFirst2, "для первого партнера!"},
        {control::lPinTitle, "Вершины"},
        {control::lPerTitle, "Периоды Жизненного Пути"},
        {control::lIspTitle, "Испытания"},
        {control::lCurYear, "Год:"},
        {control::lCurMonth, "Месяц:"},
        {control::liDayTitle, "Индивидуальные Дни"},
        {control::Label1, "Фиолетовым цветом выделены"},
        {control::Label2, "Духовные Дни Рождения (см. Главу 20)"},
        {control::lSumma, "Сумма: 0"},
        {control::lKarma, "Кармическое Число: 0"},
    };
    for (const auto& [name, text] : captions) {
        EXPECT_EQ(Caption(name), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(Get<QGroupBox>(control::gbData)->title(), "Исходные Данные");
    EXPECT_EQ(Get<QGroupBox>(control::gbPartner)->title(), "Исходные Данные Партнера");
    EXPECT_EQ(Get<QGroupBox>(control::gbBridges)->title(), "Мосты");
    for (const char* button : {control::bnDoit, control::bnPartner, control::bnMisc}) {
        EXPECT_EQ(Get<QPushButton>(button)->text(), "Рассчитать");
    }
}

TEST_F(WindowTest, SpinEditRangesAndInitialValues) {
    struct Case {
        const char* name;
        int minimum, maximum, length, value;
    };
    const Case cases[] = {
        {control::seDay, 1, 31, 2, 1},          {control::seMonth, 1, 12, 2, 1},
        {control::seYear, 0, 2020, 4, 1970},    {control::sePartnerDay, 1, 31, 2, 1},
        {control::sePartnerMonth, 1, 12, 2, 1}, {control::sePartnerYear, 0, 2020, 4, 1970},
    };
    for (const Case& c : cases) {
        auto* spin = Get<SpinEdit>(c.name);
        EXPECT_EQ(spin->Minimum(), c.minimum) << c.name;
        EXPECT_EQ(spin->Maximum(), c.maximum) << c.name;
        EXPECT_EQ(spin->MaxLength(), c.length) << c.name;
        EXPECT_EQ(spin->Value(), c.value) << c.name;
    }
    for (const char* edit : {control::edFirst, control::edMiddle, control::edLast, control::edPartnerFirst,
                             control::edPartnerMiddle, control::edPartnerLast, control::edMisc}) {
        EXPECT_TRUE(Get<QLineEdit>(edit)->text().isEmpty()) << edit;
        EXPECT_GE(Get<QLineEdit>(edit)->maxLength(), 100000) << edit;
    }
}

TEST_F(WindowTest, TabOrderWithinEachPage) {
    const std::vector<std::vector<const char*>> chains = {
        {control::seDay, control::seMonth, control::seYear, control::edFirst, control::edMiddle, control::edLast,
         control::bnDoit},
        {control::sePartnerDay, control::sePartnerMonth, control::sePartnerYear, control::edPartnerFirst,
         control::edPartnerMiddle, control::edPartnerLast, control::bnPartner, control::meResult},
        {control::cbYear, control::cbMonth},
        {control::edMisc, control::bnMisc, control::meMisc},
    };
    for (const auto& chain : chains) {
        for (std::size_t i = 1; i < chain.size(); ++i) {
            QWidget* from = window->Control(chain[i - 1]);
            QWidget* next = from->nextInFocusChain();
            // Skip the inner parts of composite widgets (a spin edit's line edit).
            while (next != nullptr && next->parentWidget() == from) {
                next = next->nextInFocusChain();
            }
            EXPECT_EQ(next, window->Control(chain[i])) << chain[i - 1] << " -> " << chain[i];
        }
    }
}

struct StartDateCase {
    QDate today;
    int yearIndex;
    int monthIndex;
};

class StartDateTest : public ::testing::TestWithParam<StartDateCase> {};

TEST_P(StartDateTest, ListsSelectTheCurrentYearAndMonth) {
    std::vector<QString> errors;
    auto window = MakeWindow(errors, GetParam().today);
    auto* years = window->ControlAs<QComboBox>(control::cbYear);
    auto* months = window->ControlAs<QComboBox>(control::cbMonth);
    ASSERT_EQ(years->count(), 101);
    EXPECT_EQ(years->itemText(0), "1950");
    EXPECT_EQ(years->itemText(100), "2050");
    EXPECT_EQ(years->currentIndex(), GetParam().yearIndex);
    EXPECT_EQ(months->currentIndex(), GetParam().monthIndex);
    const QStringList names = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                               "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
    ASSERT_EQ(months->count(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(months->itemText(i), names[i]);
    }
    EXPECT_TRUE(years->isEditable());
    EXPECT_TRUE(months->isEditable());
    EXPECT_EQ(window->PageControl()->currentWidget()->objectName(), control::tsNucleus);
}

INSTANTIATE_TEST_SUITE_P(Dates, StartDateTest,
                         ::testing::Values(StartDateCase{QDate(2025, 9, 15), 75, 8},
                                           StartDateCase{QDate(1950, 1, 1), 0, 0},
                                           StartDateCase{QDate(2050, 12, 31), 100, 11},
                                           StartDateCase{QDate(2051, 3, 1), -1, 2},
                                           StartDateCase{QDate(1949, 7, 4), -1, 6}),
                         [](const auto& testCase) { return testCase.param.today.toString("yyyyMMdd").toStdString(); });

} // namespace
} // namespace lirem::ui::test
