// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/LayoutTable.h"

#include "layout/ControlNames.h"

#include <array>
#include <map>

namespace lirem::layout {

namespace {

constexpr Rgb kWhite = colour::White;
constexpr Rgb kSilver = colour::Silver;
constexpr Rgb kMoneyGreen = colour::MoneyGreen;
// The window's own colour: the label paints its parent's background.
constexpr std::optional<Rgb> kButtonFace{};

using K = ControlKind;
using F = FontFace;

// Where a control stands, in design units; a size of 0 takes its kind's size.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What every control of a kind starts with unless its row says otherwise.
struct KindDefaults {
    ControlKind kind;
    int width;
    int height;
    const char* text;
    FontFace face;
};

constexpr std::array<KindDefaults, 5> kKindDefaults{{
    {K::ValueBox, 13, 23, "0", F::Arial10},
    {K::SpinEdit, 0, 26, "1", F::Window},
    {K::Edit, 0, 24, nullptr, F::Window},
    {K::ComboBox, 0, 24, nullptr, F::Window},
    {K::Button, 0, 25, "Рассчитать", F::Window},
}};

// One layout row: its kind, name, parent and box, and whatever else of the
// row differs from the kind's defaults (`look`, whose own name, kind, parent
// and box are ignored). Pictures are named by their file in the program's
// picture resources.
ControlRow Row(ControlKind kind, std::string name, std::string parent, Box box, ControlRow look = {}) {
    ControlRow row = std::move(look);
    row.name = std::move(name);
    row.kind = kind;
    row.parent = std::move(parent);
    row.x = box.x;
    row.y = box.y;
    row.width = box.width;
    row.height = box.height;
    for (const KindDefaults& defaults : kKindDefaults) {
        if (defaults.kind != kind) {
            continue;
        }
        if (row.width == 0) {
            row.width = defaults.width;
        }
        if (row.height == 0) {
            row.height = defaults.height;
        }
        if (row.text.empty() && defaults.text != nullptr) {
            row.text = defaults.text;
        }
        if (row.face == F::Window) {
            row.face = defaults.face;
        }
    }
    return row;
}

// Nine count labels over a 3 x 3 grid: digit d in row (d-1)/3, column (d-1)%3.
void AddDigitGrid(std::vector<ControlRow>& out, const control::NameSeries& digits, const std::string& page,
                  const std::array<int, 3>& lefts, const std::array<int, 3>& tops) {
    for (int d = 1; d <= 9; ++d) {
        const auto i = static_cast<std::size_t>(d - 1);
        out.push_back(
            Row(K::Label, digits(d), page, {lefts[i % 3], tops[i / 3], 13, 27}, {.text = "0", .face = F::Arial14}));
    }
}

void AddNucleus(std::vector<ControlRow>& c) {
    const std::string page = control::tsNucleus;
    c.push_back(
        Row(K::Label, control::lPath, page, {77, 20, 137, 16}, {.text = "Жизненный Путь:", .face = F::WindowBold}));
    c.push_back(
        Row(K::Label, control::lBDay, page, {73, 200, 125, 16}, {.text = "День Рождения:", .face = F::WindowBold}));
    c.push_back(
        Row(K::Label, control::lExpress, page, {120, 80, 94, 16}, {.text = "Экспрессия:", .face = F::WindowBold}));
    c.push_back(Row(K::Label, control::lSoul, page, {33, 140, 181, 16},
                    {.text = "Душевное Побуждение:", .face = F::WindowBold}));
    c.push_back(
        Row(K::Label, control::lPerson, page, {118, 260, 80, 16}, {.text = "Личность:", .face = F::WindowBold}));
    const char* karmic = "Кармическое Число ";
    c.push_back(Row(K::Label, control::lPathKarma, page, {77, 40, 138, 16},
                    {.text = karmic, .colour = colour::Maroon, .hidden = true}));
    c.push_back(Row(K::Label, control::lExpressKarma, page, {77, 100, 138, 16},
                    {.text = karmic, .colour = colour::Maroon, .hidden = true}));
    c.push_back(Row(K::Label, control::lSoulKarma, page, {77, 160, 138, 16},
                    {.text = karmic, .colour = colour::Maroon, .hidden = true}));
    c.push_back(Row(K::Label, control::lBDayKarma, page, {77, 220, 138, 16},
                    {.text = karmic, .colour = colour::Maroon, .hidden = true}));
    c.push_back(Row(K::Label, control::lPersonKarma, page, {77, 280, 138, 16},
                    {.text = karmic, .colour = colour::Maroon, .hidden = true}));
    c.push_back(
        Row(K::GroupBox, control::gbData, page, {256, 1, 393, 312}, {.text = "Исходные Данные", .tabOrder = 0}));
    c.push_back(Row(K::ValueBox, control::stPath, page, {220, 16}));
    c.push_back(Row(K::ValueBox, control::stBDay, page, {220, 196}));
    c.push_back(Row(K::ValueBox, control::stExpress, page, {220, 76}));
    c.push_back(Row(K::ValueBox, control::stSoul, page, {220, 136}));
    c.push_back(Row(K::ValueBox, control::stPerson, page, {220, 256}));

    const std::string group = control::gbData;
    c.push_back(Row(K::Label, control::lDay, group, {38, 53, 37, 16}, {.text = "День:"}));
    c.push_back(Row(K::Label, control::lMonth, group, {140, 53, 45, 16}, {.text = "Месяц:"}));
    c.push_back(Row(K::Label, control::lYear, group, {255, 53, 29, 16}, {.text = "Год:"}));
    c.push_back(Row(K::Label, control::lName, group, {78, 117, 32, 16}, {.text = "Имя:"}));
    c.push_back(Row(K::Label, control::lSecond, group, {40, 164, 70, 16}, {.text = "Отчество:"}));
    c.push_back(Row(K::Label, control::lLast, group, {41, 212, 69, 16}, {.text = "Фамилия:"}));
    c.push_back(Row(K::SpinEdit, control::seDay, group, {80, 47, 43},
                    {.tabOrder = 0, .minimum = 1, .maximum = 31, .maxLength = 2}));
    c.push_back(Row(K::SpinEdit, control::seMonth, group, {190, 47, 43},
                    {.tabOrder = 1, .minimum = 1, .maximum = 12, .maxLength = 2}));
    c.push_back(Row(K::SpinEdit, control::seYear, group, {288, 47, 63},
                    {.text = "1970", .tabOrder = 2, .minimum = 0, .maximum = 2020, .maxLength = 4}));
    c.push_back(Row(K::Edit, control::edFirst, group, {120, 113, 257}, {.tabOrder = 3}));
    c.push_back(Row(K::Edit, control::edMiddle, group, {121, 160, 257}, {.tabOrder = 4}));
    c.push_back(Row(K::Edit, control::edLast, group, {121, 208, 257}, {.tabOrder = 5}));
    c.push_back(Row(K::Button, control::bnDoit, group, {232, 264, 113}, {.tabOrder = 6}));
}

void AddSyntez(std::vector<ControlRow>& c) {
    const std::string page = control::tsSyntez;
    c.push_back(
        Row(K::Picture, control::imStrannik, page, {8, 16, 225, 297}, {.picture = "strannik.svg", .stretch = true}));
    c.push_back(Row(K::Picture, control::imPath, page, {456, 144, 209, 129}, {.picture = "path.svg", .stretch = true}));
    c.push_back(
        Row(K::Picture, control::Image1, page, {176, 264, 369, 41}, {.picture = "blocks.svg", .stretch = true}));
    c.push_back(Row(K::Label, control::lShowSoul, page, {184, 28, 13, 27},
                    {.text = "9", .face = F::Arial14, .background = kWhite}));
    c.push_back(Row(K::Label, control::lShowPerson, page, {128, 132, 13, 27},
                    {.text = "9", .face = F::Arial14, .background = kSilver}));
    c.push_back(Row(K::Label, control::lShowExpress, page, {48, 100, 13, 27},
                    {.text = "9", .face = F::Arial14, .background = kMoneyGreen}));
    c.push_back(Row(K::Label, control::lShowPath, page, {552, 236, 13, 27},
                    {.text = "9", .face = F::Arial14, .colour = kWhite, .background = colour::Purple}));
    c.push_back(Row(K::Label, control::lShowBDay, page, {264, 252, 13, 27},
                    {.text = "9", .face = F::Arial14, .background = kButtonFace}));
    c.push_back(Row(K::Label, control::lRealize, page, {235, 56, 132, 16}, {.text = "Число Реализации:"}));
    c.push_back(Row(K::Label, control::Label4, page, {267, 80, 99, 16}, {.text = "Число Разума:"}));
    const MemoLook verdict{
        .readOnly = true, .border = false, .verticalScrollBar = false, .buttonFaceBackground = true, .tabStop = false};
    c.push_back(Row(K::Memo, control::meVozSpo, page, {408, 8, 241, 41}, {.memo = verdict}));
    c.push_back(Row(K::Memo, control::meVozMot, page, {408, 52, 242, 41}, {.memo = verdict}));
    c.push_back(Row(K::Memo, control::meSpoMot, page, {408, 97, 243, 41}, {.memo = verdict}));
    c.push_back(Row(K::ValueBox, control::stRealize, page, {372, 52}));
    c.push_back(Row(K::GroupBox, control::gbBridges, page, {237, 144, 162, 81}, {.text = "Мосты", .tabOrder = -1}));
    c.push_back(Row(K::ValueBox, control::stReason, page, {372, 78}));

    const std::string group = control::gbBridges;
    c.push_back(Row(K::Label, control::lPE, group, {8, 18, 0, 0}, {.text = "Путь - Экспрессия:"}));
    c.push_back(Row(K::Label, control::lPEBridge, group, {138, 18, 0, 0}, {.text = "0", .face = F::WindowBold}));
    c.push_back(Row(K::Label, control::lSP, group, {8, 36, 0, 0}, {.text = "Душа - Личность:"}));
    c.push_back(Row(K::Label, control::lSPBridge, group, {129, 37, 0, 0}, {.text = "0", .face = F::WindowBold}));
    c.push_back(Row(K::Label, control::lES, group, {8, 54, 0, 0}, {.text = "Экспрессия - Душа:"}));
    c.push_back(Row(K::Label, control::lESBridge, group, {141, 54, 0, 0}, {.text = "0", .face = F::WindowBold}));
}

void AddSpectrum(std::vector<ControlRow>& c) {
    const std::string page = control::tsSpectrum;
    c.push_back(Row(K::Picture, control::imEtalon, page, {216, 44, 135, 135}, {.picture = "etalon.svg"}));
    c.push_back(Row(K::Picture, control::imSpectrum, page, {49, 44, 135, 135}, {.picture = "digitgrid.svg"}));
    AddDigitGrid(c, control::lSpN, page, {65, 110, 154}, {53, 98, 141});
    AddDigitGrid(c, control::lEtN, page, {233, 278, 322}, {54, 98, 142});
    c.push_back(Row(K::Label, control::lSpectre, page, {49, 20, 103, 18}, {.text = "Спектр имени", .face = F::Arial9}));
    c.push_back(Row(K::Label, control::lEtalonTitle, page, {216, 20, 53, 18}, {.text = "Эталон", .face = F::Arial9}));
    c.push_back(Row(K::Label, control::lNameLength, page, {422, 45, 141, 16}, {.text = "Общая длина имени:"}));
    c.push_back(Row(K::Label, control::lAlphabet, page, {422, 69, 67, 16}, {.text = "Алфавит:"}));
    c.push_back(Row(K::Label, control::lKarLes, page, {113, 207, 150, 18},
                    {.text = "Кармические Уроки:", .face = F::Arial9, .colour = colour::Red}));
    c.push_back(Row(K::Label, control::lHidPas, page, {113, 230, 181, 18},
                    {.text = "Число Скрытой Страсти:", .face = F::Arial9, .colour = colour::Purple}));
    c.push_back(Row(K::Label, control::lMuchMore, page, {113, 253, 227, 18},
                    {.text = "Значительно больше Эталона:", .face = F::Arial9, .colour = colour::Green}));
    c.push_back(Row(K::Label, control::lMuchLess, page, {113, 276, 228, 18},
                    {.text = "Значительно меньше Эталона:", .face = F::Arial9, .colour = colour::Navy}));
}

void AddSynastry(std::vector<ControlRow>& c) {
    const std::string page = control::tsSynastry;
    c.push_back(Row(K::GroupBox, control::gbPartner, page, {272, 1, 377, 312},
                    {.text = "Исходные Данные Партнера", .tabOrder = 0}));
    c.push_back(
        Row(K::Memo, control::meResult, page, {8, 9, 249, 302}, {.tabOrder = 1, .memo = {.verticalScrollBar = true}}));

    const std::string group = control::gbPartner;
    c.push_back(Row(K::Label, control::lPartnerDay, group, {19, 53, 37, 16}, {.text = "День:"}));
    c.push_back(Row(K::Label, control::lPartnerMonth, group, {121, 53, 45, 16}, {.text = "Месяц:"}));
    c.push_back(Row(K::Label, control::lPartnerYear, group, {236, 53, 29, 16}, {.text = "Год:"}));
    c.push_back(Row(K::Label, control::lPartnerFirst, group, {59, 117, 32, 16}, {.text = "Имя:"}));
    c.push_back(Row(K::Label, control::lPartnerMiddle, group, {21, 164, 70, 16}, {.text = "Отчество:"}));
    c.push_back(Row(K::Label, control::lPartnerLast, group, {22, 212, 69, 16}, {.text = "Фамилия:"}));
    c.push_back(
        Row(K::Label, control::lNoFirst, group, {6, 240, 233, 16},
            {.text = "Не введены исходные данные ", .face = F::WindowBold, .colour = colour::Red, .hidden = true}));
    c.push_back(Row(K::Label, control::lNoFirst2, group, {6, 256, 177, 16},
                    {.text = "для первого партнера!", .face = F::WindowBold, .colour = colour::Red, .hidden = true}));
    c.push_back(Row(K::SpinEdit, control::sePartnerDay, group, {61, 47, 43},
                    {.tabOrder = 0, .minimum = 1, .maximum = 31, .maxLength = 2}));
    c.push_back(Row(K::SpinEdit, control::sePartnerMonth, group, {171, 47, 43},
                    {.tabOrder = 1, .minimum = 1, .maximum = 12, .maxLength = 2}));
    c.push_back(Row(K::SpinEdit, control::sePartnerYear, group, {269, 47, 63},
                    {.text = "1970", .tabOrder = 2, .minimum = 0, .maximum = 2020, .maxLength = 4}));
    c.push_back(Row(K::Edit, control::edPartnerFirst, group, {101, 113, 257}, {.tabOrder = 3}));
    c.push_back(Row(K::Edit, control::edPartnerMiddle, group, {102, 160, 257}, {.tabOrder = 4}));
    c.push_back(Row(K::Edit, control::edPartnerLast, group, {102, 208, 257}, {.tabOrder = 5}));
    c.push_back(Row(K::Button, control::bnPartner, group, {213, 264, 113}, {.tabOrder = 6}));
}

void AddPinnacles(std::vector<ControlRow>& c) {
    const std::string page = control::tsPinnacles;
    c.push_back(
        Row(K::Picture, control::imPinnacles, page, {24, 34, 617, 135}, {.picture = "pinnacles.svg", .stretch = true}));
    c.push_back(Row(K::Label, control::lPinTitle, page, {19, 9, 72, 18}, {.text = "Вершины", .face = F::Arial9}));
    c.push_back(Row(K::Label, control::lPerTitle, page, {17, 208, 201, 18},
                    {.text = "Периоды Жизненного Пути", .face = F::Arial9}));
    c.push_back(
        Row(K::Picture, control::imPeriods, page, {23, 252, 625, 41}, {.picture = "periods.svg", .stretch = true}));
    constexpr std::array<int, 4> pinLefts{133, 286, 361, 515};
    for (int i = 0; i < 4; ++i) {
        c.push_back(Row(K::Label, control::lPinN(i + 1), page, {pinLefts[static_cast<std::size_t>(i)], 10, 11, 24},
                        {.text = "0", .face = F::Arial12, .colour = colour::Green}));
    }
    constexpr std::array<int, 4> pinStartLefts{3, 233, 310, 388};
    for (int i = 0; i < 4; ++i) {
        c.push_back(Row(K::Label, control::lPinStartN(i + 1), page,
                        {pinStartLefts[static_cast<std::size_t>(i)], 172, i == 0 ? 55 : 56, 16},
                        {.text = i == 0 ? "1.01.1970" : "1.01.2000"}));
    }
    constexpr std::array<int, 3> perStartLefts{3, 211, 418};
    for (int i = 0; i < 3; ++i) {
        c.push_back(Row(K::Label, control::lPerStartN(i + 1), page,
                        {perStartLefts[static_cast<std::size_t>(i)], 297, 58, 16}, {.text = "1.01.2000"}));
    }
    constexpr std::array<int, 3> perLefts{123, 331, 542};
    for (int i = 0; i < 3; ++i) {
        c.push_back(Row(K::Label, control::lPerN(i + 1), page, {perLefts[static_cast<std::size_t>(i)], 227, 11, 24},
                        {.text = "0", .face = F::Arial12, .colour = colour::Purple}));
    }
    c.push_back(Row(K::Label, control::lIspTitle, page, {96, 72, 82, 18},
                    {.text = "Испытания", .face = F::Arial9, .colour = colour::Maroon}));
    for (int i = 0; i < 4; ++i) {
        c.push_back(Row(K::Label, control::lIspN(i + 1), page, {pinLefts[static_cast<std::size_t>(i)], 95, 11, 24},
                        {.text = "0", .face = F::Arial12, .colour = colour::Maroon}));
    }
}

void AddYears(std::vector<ControlRow>& c) {
    const std::string page = control::tsYears;
    c.push_back(Row(K::Picture, control::imGrid, page, {340, 50, 287, 240}, {.picture = "grid.svg"}));
    constexpr std::array<int, 7> bigLefts{348, 389, 430, 471, 511, 552, 593};
    constexpr std::array<int, 7> smallLefts{365, 406, 447, 487, 528, 569, 610};
    constexpr std::array<int, 6> bigTops{53, 93, 133, 172, 212, 253};
    constexpr std::array<int, 6> smallTops{72, 112, 151, 190, 230, 271};
    // The last row stands one unit further right.
    auto shift = [](int k) { return k > 35 ? 1 : 0; };
    for (int k = 1; k <= 37; ++k) {
        const auto row = static_cast<std::size_t>((k - 1) / 7);
        const auto column = static_cast<std::size_t>((k - 1) % 7);
        c.push_back(Row(K::Label, control::liDayN(k), page, {bigLefts[column] + shift(k), bigTops[row], 11, 24},
                        {.text = "0", .face = F::Arial12, .colour = colour::Teal}));
    }
    // The grid's vertical lines right of each column: a two-digit day stays left of them.
    constexpr std::array<int, 7> cellRights{381, 422, 463, 503, 544, 585, 625};
    for (int k = 1; k <= 37; ++k) {
        const auto row = static_cast<std::size_t>((k - 1) / 7);
        const auto column = static_cast<std::size_t>((k - 1) % 7);
        c.push_back(Row(K::Label, control::lDayN(k), page, {smallLefts[column] + shift(k), smallTops[row], 7, 16},
                        {.text = "0", .colour = colour::Black, .rightBound = cellRights[column]}));
    }
    c.push_back(Row(K::Label, control::lCurYear, page, {35, 33, 32, 18}, {.text = "Год:", .face = F::Arial9}));
    c.push_back(Row(K::Label, control::lCurMonth, page, {35, 133, 52, 18}, {.text = "Месяц:", .face = F::Arial9}));
    c.push_back(Row(K::Label, control::liYear, page, {48, 85, 176, 18},
                    {.text = "Индивидуальный Год 0", .face = F::Arial9, .colour = colour::Teal}));
    c.push_back(Row(K::Label, control::liMonth, page, {48, 185, 196, 18},
                    {.text = "Индивидуальный Месяц 0", .face = F::Arial9, .colour = colour::Teal}));
    c.push_back(Row(K::Label, control::liDayTitle, page, {339, 15, 165, 18},
                    {.text = "Индивидуальные Дни", .face = F::Arial9, .colour = colour::Teal}));
    c.push_back(Row(K::Label, control::Label1, page, {14, 247, 246, 16},
                    {.text = "Фиолетовым цветом выделены", .face = F::WindowBold, .colour = colour::Purple}));
    c.push_back(Row(K::Label, control::Label2, page, {14, 267, 297, 16},
                    {.text = "Духовные Дни Рождения (см. Главу 20)", .face = F::WindowBold, .colour = colour::Purple}));
    c.push_back(Row(K::ComboBox, control::cbYear, page, {48, 56, 73}, {.tabOrder = 0}));
    c.push_back(Row(K::ComboBox, control::cbMonth, page, {48, 156, 113}, {.tabOrder = 1}));
}

void AddMisc(std::vector<ControlRow>& c) {
    const std::string page = control::tsMisc;
    c.push_back(Row(K::Picture, control::Image2, page, {49, 122, 135, 135}, {.picture = "digitgrid.svg"}));
    AddDigitGrid(c, control::lMiscN, page, {65, 110, 154}, {131, 176, 219});
    c.push_back(Row(K::Label, control::lSumma, page, {23, 54, 64, 18}, {.text = "Сумма: 0", .face = F::Arial9}));
    c.push_back(
        Row(K::Label, control::lKarma, page, {23, 74, 165, 18}, {.text = "Кармическое Число: 0", .face = F::Arial9}));
    c.push_back(Row(K::Edit, control::edMisc, page, {0, 8, 649}, {.tabOrder = 0}));
    c.push_back(Row(K::Button, control::bnMisc, page, {396, 275, 137}, {.tabOrder = 1}));
    c.push_back(
        Row(K::Memo, control::meMisc, page, {272, 56, 385, 185},
            {.tabOrder = 2,
             .memo = {.readOnly = true, .border = false, .verticalScrollBar = true, .buttonFaceBackground = true}}));
}

void AddAbout(std::vector<ControlRow>& c) {
    c.push_back(Row(K::Memo, control::meAuthor, control::tsAbout, {5, 5, 648, 308},
                    {.tabOrder = 0, .memo = {.readOnly = true, .verticalScrollBar = true}}));
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

std::string_view WindowCaption() {
    return "Нумерологический Калькулятор Lirem 3.0";
}

std::string_view ApplicationTitle() {
    return "Нумерологический Калькулятор Лирем 3.0";
}

const std::vector<std::string_view>& MonthNames() {
    static const std::vector<std::string_view> months{"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                                      "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
    return months;
}

const std::vector<std::string_view>& MiscMemoLines() {
    static const std::vector<std::string_view> lines{
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
    return lines;
}

std::string_view AuthorText() {
    return "Дорогой друг!\n"
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
           "автор программы";
}

std::string_view StatusText() {
    return "Ctrl+O — картотека · Ctrl+S — сохранить · Ctrl+P — печать";
}

const ControlRow* FindControl(std::string_view name) {
    static const std::map<std::string_view, const ControlRow*, std::less<>> index = [] {
        std::map<std::string_view, const ControlRow*, std::less<>> rows;
        for (const ControlRow& row : Controls())
            rows.emplace(row.name, &row);
        return rows;
    }();
    const auto it = index.find(name);
    return it != index.end() ? it->second : nullptr;
}

} // namespace lirem::layout
