// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed look of the window as built: faces, colours, backgrounds, visibility,
// memo styles, list contents and Tab order.
#include "WindowFixture.h"
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

const QColor kBlack(0, 0, 0), kRed(255, 0, 0), kGreen(0, 128, 0), kNavy(0, 0, 128), kPurple(128, 0, 128),
    kTeal(0, 128, 128), kMaroon(128, 0, 0), kWhite(255, 255, 255), kSilver(192, 192, 192), kMoneyGreen(192, 220, 192);

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

INSTANTIATE_TEST_SUITE_P(
    Labels, LookTest,
    ::testing::Values(
        LookCase{"lPath", kSans, 8, true, {}, {}, false}, LookCase{"lPathKarma", kSans, 8, false, kMaroon, {}, true},
        LookCase{"lPersonKarma", kSans, 8, false, kMaroon, {}, true},
        LookCase{"stPath", kArial, 10, true, {}, {}, false}, LookCase{"lDay", kSans, 8, false, {}, {}, false},
        LookCase{"lShowSoul", kArial, 14, true, {}, kWhite, false},
        LookCase{"lShowPerson", kArial, 14, true, {}, kSilver, false},
        LookCase{"lShowExpress", kArial, 14, true, {}, kMoneyGreen, false},
        LookCase{"lShowPath", kArial, 14, true, kWhite, kPurple, false},
        LookCase{"lShowBDay", kArial, 14, true, {}, {}, false}, LookCase{"lPEBridge", kSans, 8, true, {}, {}, false},
        LookCase{"lSp5", kArial, 14, true, {}, {}, false}, LookCase{"lEt9", kArial, 14, true, {}, {}, false},
        LookCase{"lSpectre", kArial, 9, true, {}, {}, false}, LookCase{"lKarLes", kArial, 9, true, kRed, {}, false},
        LookCase{"lHidPas", kArial, 9, true, kPurple, {}, false},
        LookCase{"lMuchMore", kArial, 9, true, kGreen, {}, false},
        LookCase{"lMuchLess", kArial, 9, true, kNavy, {}, false}, LookCase{"lNoFirst", kSans, 8, true, kRed, {}, true},
        LookCase{"lNoFirst2", kSans, 8, true, kRed, {}, true}, LookCase{"lPin1", kArial, 12, true, kGreen, {}, false},
        LookCase{"lPer3", kArial, 12, true, kPurple, {}, false},
        LookCase{"lIsp2", kArial, 12, true, kMaroon, {}, false},
        LookCase{"lIspTitle", kArial, 9, true, kMaroon, {}, false},
        LookCase{"lPinStart1", kSans, 8, false, {}, {}, false}, LookCase{"lDay12", kSans, 8, false, kBlack, {}, false},
        LookCase{"liYear", kArial, 9, true, kTeal, {}, false},
        LookCase{"liDayTitle", kArial, 9, true, kTeal, {}, false},
        LookCase{"Label1", kSans, 8, true, kPurple, {}, false}, LookCase{"Label2", kSans, 8, true, kPurple, {}, false},
        LookCase{"lSumma", kArial, 9, true, {}, {}, false}, LookCase{"lMisc1", kArial, 14, true, {}, {}, false}),
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
        {"meVozSpo", true, false, Qt::ScrollBarAlwaysOff, true, false},
        {"meVozMot", true, false, Qt::ScrollBarAlwaysOff, true, false},
        {"meSpoMot", true, false, Qt::ScrollBarAlwaysOff, true, false},
        {"meResult", false, true, Qt::ScrollBarAlwaysOn, false, true},
        {"meMisc", true, false, Qt::ScrollBarAlwaysOn, true, true},
        {"meAuthor", true, true, Qt::ScrollBarAlwaysOn, false, true},
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
    const QStringList misc = {
        "Здесь вы можете определить нумерологическую ",
        "сумму и спектр для любого сколь угодно длинного ",
        "числа - телефонного номера, номера банковского ",
        "счета и т.д.",
        "",
        "Если во введенной вами строке будут буквы, ",
        "программа преобразует их при суммировании в ",
        "соответствующие числа русского или латинского ",
        "алфавита. Таким образом, здесь можно ",
        "анализировать и названия.",
        "",
        "Однако если вы изучаете какие-либо названия, их ",
        "лучше вводить на странице \"Ядро\" вместо имени: ",
        "так вы получите больше информации (числа ",
        "Душевного Побуждения и Личности).",
    };
    EXPECT_EQ(MemoLines("meMisc"), misc);
    EXPECT_GT(Get<QPlainTextEdit>("meAuthor")->toPlainText().size(), 100);
    EXPECT_TRUE(Get<QPlainTextEdit>("meResult")->toPlainText().isEmpty());

    const std::pair<const char*, const char*> captions[] = {
        {"lPath", "Жизненный Путь:"},
        {"lBDay", "День Рождения:"},
        {"lExpress", "Экспрессия:"},
        {"lSoul", "Душевное Побуждение:"},
        {"lPerson", "Личность:"},
        {"lPathKarma", "Кармическое Число "},
        {"lDay", "День:"},
        {"lMonth", "Месяц:"},
        {"lYear", "Год:"},
        {"lName", "Имя:"},
        {"lSecond", "Отчество:"},
        {"lLast", "Фамилия:"},
        {"lRealize", "Число Реализации:"},
        {"Label4", "Число Разума:"},
        {"lPE", "Путь - Экспрессия:"},
        {"lSP", "Душа - Личность:"},
        {"lES", "Экспрессия - Душа:"},
        {"lSpectre", "Спектр имени"},
        {"lEtalonTitle", "Эталон"},
        {"lNoFirst", "Не введены исходные данные "},
        {"lNoFirst2", "для первого партнера!"},
        {"lPinTitle", "Вершины"},
        {"lPerTitle", "Периоды Жизненного Пути"},
        {"lIspTitle", "Испытания"},
        {"lCurYear", "Год:"},
        {"lCurMonth", "Месяц:"},
        {"liDayTitle", "Индивидуальные Дни"},
        {"Label1", "Фиолетовым цветом выделены"},
        {"Label2", "Духовные Дни Рождения (см. Главу 20)"},
        {"lSumma", "Сумма: 0"},
        {"lKarma", "Кармическое Число: 0"},
    };
    for (const auto& [name, text] : captions) {
        EXPECT_EQ(Caption(name), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(Get<QGroupBox>("gbData")->title(), "Исходные Данные");
    EXPECT_EQ(Get<QGroupBox>("gbPartner")->title(), "Исходные Данные Партнера");
    EXPECT_EQ(Get<QGroupBox>("gbBridges")->title(), "Мосты");
    for (const char* button : {"bnDoit", "bnPartner", "bnMisc"}) {
        EXPECT_EQ(Get<QPushButton>(button)->text(), "Рассчитать");
    }
}

TEST_F(WindowTest, SpinEditRangesAndInitialValues) {
    struct Case {
        const char* name;
        int minimum, maximum, length, value;
    };
    const Case cases[] = {
        {"seDay", 1, 31, 2, 1},        {"seMonth", 1, 12, 2, 1},        {"seYear", 0, 2020, 4, 1970},
        {"sePartnerDay", 1, 31, 2, 1}, {"sePartnerMonth", 1, 12, 2, 1}, {"sePartnerYear", 0, 2020, 4, 1970},
    };
    for (const Case& c : cases) {
        auto* spin = Get<lirem::ui::TSpinEdit>(c.name);
        EXPECT_EQ(spin->Minimum(), c.minimum) << c.name;
        EXPECT_EQ(spin->Maximum(), c.maximum) << c.name;
        EXPECT_EQ(spin->MaxLength(), c.length) << c.name;
        EXPECT_EQ(spin->Value(), c.value) << c.name;
    }
    for (const char* edit :
         {"edFirst", "edMiddle", "edLast", "edPartnerFirst", "edPartnerMiddle", "edPartnerLast", "edMisc"}) {
        EXPECT_TRUE(Get<QLineEdit>(edit)->text().isEmpty()) << edit;
        EXPECT_GE(Get<QLineEdit>(edit)->maxLength(), 100000) << edit;
    }
}

TEST_F(WindowTest, TabOrderWithinEachPage) {
    const std::vector<std::vector<const char*>> chains = {
        {"seDay", "seMonth", "seYear", "edFirst", "edMiddle", "edLast", "bnDoit"},
        {"sePartnerDay", "sePartnerMonth", "sePartnerYear", "edPartnerFirst", "edPartnerMiddle", "edPartnerLast",
         "bnPartner", "meResult"},
        {"cbYear", "cbMonth"},
        {"edMisc", "bnMisc", "meMisc"},
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
    auto* years = window->ControlAs<QComboBox>("cbYear");
    auto* months = window->ControlAs<QComboBox>("cbMonth");
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
    EXPECT_EQ(window->PageControl()->currentWidget()->objectName(), "tsNucleus");
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
