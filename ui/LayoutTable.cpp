// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LayoutTable.h"

#include "engine/ControlNames.h"

#include <QStringList>

#include <array>

namespace lirem::ui {

namespace {

constexpr lirem::Rgb kWhite{255, 255, 255};
constexpr lirem::Rgb kSilver{192, 192, 192};
constexpr lirem::Rgb kMoneyGreen{192, 220, 192};
// The window's own colour: the label paints its parent's background.
constexpr std::optional<lirem::Rgb> kButtonFace{};

using K = ControlKind;
using F = FontFace;

ControlRow Label(std::string name, std::string parent, int x, int y, int w, int h, QString text,
                 FontFace face = F::Window, std::optional<lirem::Rgb> colour = {}) {
    return {.name = std::move(name),
            .kind = K::Label,
            .parent = std::move(parent),
            .x = x,
            .y = y,
            .width = w,
            .height = h,
            .text = std::move(text),
            .face = face,
            .colour = colour};
}

ControlRow Hidden(ControlRow row) {
    row.hidden = true;
    return row;
}

ControlRow WithBackground(ControlRow row, std::optional<lirem::Rgb> background) {
    row.background = background;
    return row;
}

ControlRow ValueBox(std::string name, std::string parent, int x, int y) {
    return {.name = std::move(name),
            .kind = K::ValueBox,
            .parent = std::move(parent),
            .x = x,
            .y = y,
            .width = 13,
            .height = 23,
            .text = "0",
            .face = F::Arial10};
}

ControlRow Spin(std::string name, std::string parent, int x, int y, int w, int min, int max, int length, int tab) {
    const int initial = max == 2020 ? 1970 : 1;
    return {.name = std::move(name),
            .kind = K::SpinEdit,
            .parent = std::move(parent),
            .x = x,
            .y = y,
            .width = w,
            .height = 26,
            .text = QString::number(initial),
            .tabOrder = tab,
            .minimum = min,
            .maximum = max,
            .maxLength = length};
}

ControlRow Edit(std::string name, std::string parent, int x, int y, int w, int tab) {
    return {.name = std::move(name),
            .kind = K::Edit,
            .parent = std::move(parent),
            .x = x,
            .y = y,
            .width = w,
            .height = 24,
            .tabOrder = tab};
}

ControlRow Button(std::string name, std::string parent, int x, int y, int w, int tab) {
    return {.name = std::move(name),
            .kind = K::Button,
            .parent = std::move(parent),
            .x = x,
            .y = y,
            .width = w,
            .height = 25,
            .text = "Рассчитать",
            .tabOrder = tab};
}

ControlRow Group(std::string name, std::string parent, int x, int y, int w, int h, QString caption, int tab) {
    return {.name = std::move(name),
            .kind = K::GroupBox,
            .parent = std::move(parent),
            .x = x,
            .y = y,
            .width = w,
            .height = h,
            .text = std::move(caption),
            .tabOrder = tab};
}

ControlRow Picture(std::string name, std::string parent, int x, int y, int w, int h, const char* file, bool stretch) {
    return {.name = std::move(name),
            .kind = K::Picture,
            .parent = std::move(parent),
            .x = x,
            .y = y,
            .width = w,
            .height = h,
            .picture = QStringLiteral(":/pictures/") + QString::fromLatin1(file),
            .stretch = stretch};
}

ControlRow Memo(std::string name, std::string parent, int x, int y, int w, int h, MemoLook look, int tab = -1) {
    return {.name = std::move(name),
            .kind = K::Memo,
            .parent = std::move(parent),
            .x = x,
            .y = y,
            .width = w,
            .height = h,
            .tabOrder = tab,
            .memo = look};
}

ControlRow Combo(std::string name, std::string parent, int x, int y, int w, int tab) {
    return {.name = std::move(name),
            .kind = K::ComboBox,
            .parent = std::move(parent),
            .x = x,
            .y = y,
            .width = w,
            .height = 24,
            .tabOrder = tab};
}

// Nine count labels over a 3 x 3 grid: digit d in row (d-1)/3, column (d-1)%3.
void AddDigitGrid(std::vector<ControlRow>& out, const control::NameSeries& digits, const std::string& page,
                  const std::array<int, 3>& lefts, const std::array<int, 3>& tops) {
    for (int d = 1; d <= 9; ++d) {
        const auto i = static_cast<std::size_t>(d - 1);
        out.push_back(Label(digits(d), page, lefts[i % 3], tops[i / 3], 13, 27, "0", F::Arial14));
    }
}

void AddNucleus(std::vector<ControlRow>& c) {
    const std::string page = control::tsNucleus;
    c.push_back(Label(control::lPath, page, 77, 20, 137, 16, "Жизненный Путь:", F::WindowBold));
    c.push_back(Label(control::lBDay, page, 73, 200, 125, 16, "День Рождения:", F::WindowBold));
    c.push_back(Label(control::lExpress, page, 120, 80, 94, 16, "Экспрессия:", F::WindowBold));
    c.push_back(Label(control::lSoul, page, 33, 140, 181, 16, "Душевное Побуждение:", F::WindowBold));
    c.push_back(Label(control::lPerson, page, 118, 260, 80, 16, "Личность:", F::WindowBold));
    const char* karmic = "Кармическое Число ";
    c.push_back(Hidden(Label(control::lPathKarma, page, 77, 40, 138, 16, karmic, F::Window, lirem::colour::Maroon)));
    c.push_back(
        Hidden(Label(control::lExpressKarma, page, 77, 100, 138, 16, karmic, F::Window, lirem::colour::Maroon)));
    c.push_back(Hidden(Label(control::lSoulKarma, page, 77, 160, 138, 16, karmic, F::Window, lirem::colour::Maroon)));
    c.push_back(Hidden(Label(control::lBDayKarma, page, 77, 220, 138, 16, karmic, F::Window, lirem::colour::Maroon)));
    c.push_back(Hidden(Label(control::lPersonKarma, page, 77, 280, 138, 16, karmic, F::Window, lirem::colour::Maroon)));
    c.push_back(Group(control::gbData, page, 256, 1, 393, 312, "Исходные Данные", 0));
    c.push_back(ValueBox(control::stPath, page, 220, 16));
    c.push_back(ValueBox(control::stBDay, page, 220, 196));
    c.push_back(ValueBox(control::stExpress, page, 220, 76));
    c.push_back(ValueBox(control::stSoul, page, 220, 136));
    c.push_back(ValueBox(control::stPerson, page, 220, 256));

    const std::string group = control::gbData;
    c.push_back(Label(control::lDay, group, 38, 53, 37, 16, "День:"));
    c.push_back(Label(control::lMonth, group, 140, 53, 45, 16, "Месяц:"));
    c.push_back(Label(control::lYear, group, 255, 53, 29, 16, "Год:"));
    c.push_back(Label(control::lName, group, 78, 117, 32, 16, "Имя:"));
    c.push_back(Label(control::lSecond, group, 40, 164, 70, 16, "Отчество:"));
    c.push_back(Label(control::lLast, group, 41, 212, 69, 16, "Фамилия:"));
    c.push_back(Spin(control::seDay, group, 80, 47, 43, 1, 31, 2, 0));
    c.push_back(Spin(control::seMonth, group, 190, 47, 43, 1, 12, 2, 1));
    c.push_back(Spin(control::seYear, group, 288, 47, 63, 0, 2020, 4, 2));
    c.push_back(Edit(control::edFirst, group, 120, 113, 257, 3));
    c.push_back(Edit(control::edMiddle, group, 121, 160, 257, 4));
    c.push_back(Edit(control::edLast, group, 121, 208, 257, 5));
    c.push_back(Button(control::bnDoit, group, 232, 264, 113, 6));
}

void AddSyntez(std::vector<ControlRow>& c) {
    const std::string page = control::tsSyntez;
    c.push_back(Picture(control::imStrannik, page, 8, 16, 225, 297, "strannik.svg", true));
    c.push_back(Picture(control::imPath, page, 456, 144, 209, 129, "path.svg", true));
    c.push_back(Picture(control::Image1, page, 176, 264, 369, 41, "blocks.svg", true));
    c.push_back(WithBackground(Label(control::lShowSoul, page, 184, 28, 13, 27, "9", F::Arial14), kWhite));
    c.push_back(WithBackground(Label(control::lShowPerson, page, 128, 132, 13, 27, "9", F::Arial14), kSilver));
    c.push_back(WithBackground(Label(control::lShowExpress, page, 48, 100, 13, 27, "9", F::Arial14), kMoneyGreen));
    c.push_back(WithBackground(Label(control::lShowPath, page, 552, 236, 13, 27, "9", F::Arial14, kWhite),
                               lirem::colour::Purple));
    c.push_back(WithBackground(Label(control::lShowBDay, page, 264, 252, 13, 27, "9", F::Arial14), kButtonFace));
    c.push_back(Label(control::lRealize, page, 235, 56, 132, 16, "Число Реализации:"));
    c.push_back(Label(control::Label4, page, 267, 80, 99, 16, "Число Разума:"));
    const MemoLook verdict{
        .readOnly = true, .border = false, .verticalScrollBar = false, .buttonFaceBackground = true, .tabStop = false};
    c.push_back(Memo(control::meVozSpo, page, 408, 8, 241, 41, verdict));
    c.push_back(Memo(control::meVozMot, page, 408, 52, 242, 41, verdict));
    c.push_back(Memo(control::meSpoMot, page, 408, 97, 243, 41, verdict));
    c.push_back(ValueBox(control::stRealize, page, 372, 52));
    c.push_back(Group(control::gbBridges, page, 237, 144, 162, 81, "Мосты", -1));
    c.push_back(ValueBox(control::stReason, page, 372, 78));

    const std::string group = control::gbBridges;
    c.push_back(Label(control::lPE, group, 8, 18, 0, 0, "Путь - Экспрессия:"));
    c.push_back(Label(control::lPEBridge, group, 138, 18, 0, 0, "0", F::WindowBold));
    c.push_back(Label(control::lSP, group, 8, 36, 0, 0, "Душа - Личность:"));
    c.push_back(Label(control::lSPBridge, group, 129, 37, 0, 0, "0", F::WindowBold));
    c.push_back(Label(control::lES, group, 8, 54, 0, 0, "Экспрессия - Душа:"));
    c.push_back(Label(control::lESBridge, group, 141, 54, 0, 0, "0", F::WindowBold));
}

void AddSpectrum(std::vector<ControlRow>& c) {
    const std::string page = control::tsSpectrum;
    c.push_back(Picture(control::imEtalon, page, 216, 44, 135, 135, "etalon.svg", false));
    c.push_back(Picture(control::imSpectrum, page, 49, 44, 135, 135, "digitgrid.svg", false));
    AddDigitGrid(c, control::lSpN, page, {65, 110, 154}, {53, 98, 141});
    AddDigitGrid(c, control::lEtN, page, {233, 278, 322}, {54, 98, 142});
    c.push_back(Label(control::lSpectre, page, 49, 20, 103, 18, "Спектр имени", F::Arial9));
    c.push_back(Label(control::lEtalonTitle, page, 216, 20, 53, 18, "Эталон", F::Arial9));
    c.push_back(Label(control::lNameLength, page, 422, 45, 141, 16, "Общая длина имени:"));
    c.push_back(Label(control::lAlphabet, page, 422, 69, 67, 16, "Алфавит:"));
    c.push_back(Label(control::lKarLes, page, 113, 207, 150, 18, "Кармические Уроки:", F::Arial9, lirem::colour::Red));
    c.push_back(
        Label(control::lHidPas, page, 113, 230, 181, 18, "Число Скрытой Страсти:", F::Arial9, lirem::colour::Purple));
    c.push_back(Label(control::lMuchMore, page, 113, 253, 227, 18, "Значительно больше Эталона:", F::Arial9,
                      lirem::colour::Green));
    c.push_back(Label(control::lMuchLess, page, 113, 276, 228, 18, "Значительно меньше Эталона:", F::Arial9,
                      lirem::colour::Navy));
}

void AddSynastry(std::vector<ControlRow>& c) {
    const std::string page = control::tsSynastry;
    c.push_back(Group(control::gbPartner, page, 272, 1, 377, 312, "Исходные Данные Партнера", 0));
    c.push_back(Memo(control::meResult, page, 8, 9, 249, 302, {.verticalScrollBar = true}, 1));

    const std::string group = control::gbPartner;
    c.push_back(Label(control::lPartnerDay, group, 19, 53, 37, 16, "День:"));
    c.push_back(Label(control::lPartnerMonth, group, 121, 53, 45, 16, "Месяц:"));
    c.push_back(Label(control::lPartnerYear, group, 236, 53, 29, 16, "Год:"));
    c.push_back(Label(control::lPartnerFirst, group, 59, 117, 32, 16, "Имя:"));
    c.push_back(Label(control::lPartnerMiddle, group, 21, 164, 70, 16, "Отчество:"));
    c.push_back(Label(control::lPartnerLast, group, 22, 212, 69, 16, "Фамилия:"));
    c.push_back(Hidden(Label(control::lNoFirst, group, 6, 240, 233, 16, "Не введены исходные данные ", F::WindowBold,
                             lirem::colour::Red)));
    c.push_back(Hidden(
        Label(control::lNoFirst2, group, 6, 256, 177, 16, "для первого партнера!", F::WindowBold, lirem::colour::Red)));
    c.push_back(Spin(control::sePartnerDay, group, 61, 47, 43, 1, 31, 2, 0));
    c.push_back(Spin(control::sePartnerMonth, group, 171, 47, 43, 1, 12, 2, 1));
    c.push_back(Spin(control::sePartnerYear, group, 269, 47, 63, 0, 2020, 4, 2));
    c.push_back(Edit(control::edPartnerFirst, group, 101, 113, 257, 3));
    c.push_back(Edit(control::edPartnerMiddle, group, 102, 160, 257, 4));
    c.push_back(Edit(control::edPartnerLast, group, 102, 208, 257, 5));
    c.push_back(Button(control::bnPartner, group, 213, 264, 113, 6));
}

void AddPinnacles(std::vector<ControlRow>& c) {
    const std::string page = control::tsPinnacles;
    c.push_back(Picture(control::imPinnacles, page, 24, 34, 617, 135, "pinnacles.svg", true));
    c.push_back(Label(control::lPinTitle, page, 19, 9, 72, 18, "Вершины", F::Arial9));
    c.push_back(Label(control::lPerTitle, page, 17, 208, 201, 18, "Периоды Жизненного Пути", F::Arial9));
    c.push_back(Picture(control::imPeriods, page, 23, 252, 625, 41, "periods.svg", true));
    constexpr std::array<int, 4> pinLefts{133, 286, 361, 515};
    for (int i = 0; i < 4; ++i) {
        c.push_back(Label(control::lPinN(i + 1), page, pinLefts[static_cast<std::size_t>(i)], 10, 11, 24, "0",
                          F::Arial12, lirem::colour::Green));
    }
    constexpr std::array<int, 4> pinStartLefts{3, 233, 310, 388};
    for (int i = 0; i < 4; ++i) {
        c.push_back(Label(control::lPinStartN(i + 1), page, pinStartLefts[static_cast<std::size_t>(i)], 172,
                          i == 0 ? 55 : 56, 16, i == 0 ? "1.01.1970" : "1.01.2000"));
    }
    constexpr std::array<int, 3> perStartLefts{3, 211, 418};
    for (int i = 0; i < 3; ++i) {
        c.push_back(Label(control::lPerStartN(i + 1), page, perStartLefts[static_cast<std::size_t>(i)], 297, 58, 16,
                          "1.01.2000"));
    }
    constexpr std::array<int, 3> perLefts{123, 331, 542};
    for (int i = 0; i < 3; ++i) {
        c.push_back(Label(control::lPerN(i + 1), page, perLefts[static_cast<std::size_t>(i)], 227, 11, 24, "0",
                          F::Arial12, lirem::colour::Purple));
    }
    c.push_back(Label(control::lIspTitle, page, 96, 72, 82, 18, "Испытания", F::Arial9, lirem::colour::Maroon));
    for (int i = 0; i < 4; ++i) {
        c.push_back(Label(control::lIspN(i + 1), page, pinLefts[static_cast<std::size_t>(i)], 95, 11, 24, "0",
                          F::Arial12, lirem::colour::Maroon));
    }
}

void AddYears(std::vector<ControlRow>& c) {
    const std::string page = control::tsYears;
    c.push_back(Picture(control::imGrid, page, 340, 50, 287, 240, "grid.svg", false));
    constexpr std::array<int, 7> bigLefts{348, 389, 430, 471, 511, 552, 593};
    constexpr std::array<int, 7> smallLefts{365, 406, 447, 487, 528, 569, 610};
    constexpr std::array<int, 6> bigTops{53, 93, 133, 172, 212, 253};
    constexpr std::array<int, 6> smallTops{72, 112, 151, 190, 230, 271};
    // The last row stands one unit further right.
    auto shift = [](int k) { return k > 35 ? 1 : 0; };
    for (int k = 1; k <= 37; ++k) {
        const auto row = static_cast<std::size_t>((k - 1) / 7);
        const auto column = static_cast<std::size_t>((k - 1) % 7);
        c.push_back(Label(control::liDayN(k), page, bigLefts[column] + shift(k), bigTops[row], 11, 24, "0", F::Arial12,
                          lirem::colour::Teal));
    }
    // The grid's vertical lines right of each column: a two-digit day stays left of them.
    constexpr std::array<int, 7> cellRights{381, 422, 463, 503, 544, 585, 625};
    for (int k = 1; k <= 37; ++k) {
        const auto row = static_cast<std::size_t>((k - 1) / 7);
        const auto column = static_cast<std::size_t>((k - 1) % 7);
        ControlRow day = Label(control::lDayN(k), page, smallLefts[column] + shift(k), smallTops[row], 7, 16, "0",
                               F::Window, lirem::colour::Black);
        day.rightBound = cellRights[column];
        c.push_back(std::move(day));
    }
    c.push_back(Label(control::lCurYear, page, 35, 33, 32, 18, "Год:", F::Arial9));
    c.push_back(Label(control::lCurMonth, page, 35, 133, 52, 18, "Месяц:", F::Arial9));
    c.push_back(Label(control::liYear, page, 48, 85, 176, 18, "Индивидуальный Год 0", F::Arial9, lirem::colour::Teal));
    c.push_back(
        Label(control::liMonth, page, 48, 185, 196, 18, "Индивидуальный Месяц 0", F::Arial9, lirem::colour::Teal));
    c.push_back(
        Label(control::liDayTitle, page, 339, 15, 165, 18, "Индивидуальные Дни", F::Arial9, lirem::colour::Teal));
    c.push_back(Label(control::Label1, page, 14, 247, 246, 16, "Фиолетовым цветом выделены", F::WindowBold,
                      lirem::colour::Purple));
    c.push_back(Label(control::Label2, page, 14, 267, 297, 16, "Духовные Дни Рождения (см. Главу 20)", F::WindowBold,
                      lirem::colour::Purple));
    c.push_back(Combo(control::cbYear, page, 48, 56, 73, 0));
    c.push_back(Combo(control::cbMonth, page, 48, 156, 113, 1));
}

void AddMisc(std::vector<ControlRow>& c) {
    const std::string page = control::tsMisc;
    c.push_back(Picture(control::Image2, page, 49, 122, 135, 135, "digitgrid.svg", false));
    AddDigitGrid(c, control::lMiscN, page, {65, 110, 154}, {131, 176, 219});
    c.push_back(Label(control::lSumma, page, 23, 54, 64, 18, "Сумма: 0", F::Arial9));
    c.push_back(Label(control::lKarma, page, 23, 74, 165, 18, "Кармическое Число: 0", F::Arial9));
    c.push_back(Edit(control::edMisc, page, 0, 8, 649, 0));
    ControlRow button = Button(control::bnMisc, page, 396, 275, 137, 1);
    c.push_back(button);
    c.push_back(Memo(control::meMisc, page, 272, 56, 385, 185,
                     {.readOnly = true, .border = false, .verticalScrollBar = true, .buttonFaceBackground = true}, 2));
}

void AddAbout(std::vector<ControlRow>& c) {
    c.push_back(
        Memo(control::meAuthor, control::tsAbout, 5, 5, 648, 308, {.readOnly = true, .verticalScrollBar = true}, 0));
}

std::vector<ControlRow> BuildControls() {
    std::vector<ControlRow> controls;
    controls.reserve(256);
    AddNucleus(controls);
    AddSyntez(controls);
    AddSpectrum(controls);
    AddSynastry(controls);
    AddPinnacles(controls);
    AddYears(controls);
    AddMisc(controls);
    AddAbout(controls);
    return controls;
}

} // namespace

const std::vector<PageRow>& Pages() {
    static const std::vector<PageRow> pages{
        {control::tsNucleus, "Ядро"},         {control::tsSyntez, "Синтез"},     {control::tsSpectrum, "Спектр"},
        {control::tsSynastry, "Партнерство"}, {control::tsPinnacles, "Периоды"}, {control::tsYears, "Годы и Дни"},
        {control::tsMisc, "Разное"},          {control::tsAbout, "О Программе"},
    };
    return pages;
}

const std::vector<ControlRow>& Controls() {
    static const std::vector<ControlRow> controls = BuildControls();
    return controls;
}

QStringList MonthNames() {
    return {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
            "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
}

QStringList MiscMemoLines() {
    return {
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
}

QString AuthorText() {
    return QStringLiteral(
        "Дорогой друг!\n"
        "\n"
        "Спасибо, что открыли «Лирем». Эта программа — спутник книги о нумерологии: она берёт на себя "
        "все утомительные подсчёты, чтобы ваше внимание целиком досталось самому интересному — смыслу чисел.\n"
        "\n"
        "Введите дату рождения и полное имя на странице «Ядро» и нажмите «Рассчитать». Остальные страницы "
        "заполнятся сами: синтез, спектр имени, вершины и периоды, личный календарь. На странице «Партнерство» "
        "можно сравнить себя с близким человеком, а на странице «Разное» — узнать число телефона, адреса "
        "или названия.\n"
        "\n"
        "Помните: числа — не приговор, а подсказка. Пусть они помогут вам лучше понять себя и тех, "
        "кого вы любите.\n"
        "\n"
        "С теплом и наилучшими пожеланиями,\n"
        "автор программы");
}

QString StatusText() {
    return QStringLiteral("Лирем 3.0 — нумерологический калькулятор, спутник книги о числах");
}

} // namespace lirem::ui
