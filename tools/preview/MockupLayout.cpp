// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/preview/MockupLayout.h"

#include <array>

namespace lirem::preview {
namespace {

const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kPurple(128, 0, 128);
const QColor kTeal(0, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kSilver(192, 192, 192);
const QColor kMoneyGreen(192, 220, 192);

MockPage synthesisPage(const QString& n) {
    MockPage page{"2-syntez", {}, {}};
    page.pictures = {{":/pictures/strannik.svg", {8, 16, 225, 297}},
                     {":/pictures/path.svg", {456, 144, 209, 129}},
                     {":/pictures/blocks.svg", {176, 264, 369, 41}}};
    page.labels = {{n, {184, 28}, Face::Arial14, Qt::black, Qt::white},
                   {n, {128, 132}, Face::Arial14, Qt::black, kSilver},
                   {n, {48, 100}, Face::Arial14, Qt::black, kMoneyGreen},
                   {n, {552, 236}, Face::Arial14, Qt::white, kPurple},
                   {n, {264, 252}, Face::Arial14, Qt::black, std::nullopt},
                   {"Число Реализации:", {235, 56}},
                   {"Число Разума:", {267, 80}}};
    return page;
}

void addGridCounts(MockPage& page, const QString& n, std::array<int, 3> lefts, std::array<int, 3> tops) {
    for (std::size_t d = 0; d < 9; ++d)
        page.labels.push_back({n, {lefts[d % 3], tops[d / 3]}, Face::Arial14});
}

MockPage spectrumPage(const QString& n) {
    MockPage page{"3-spectrum", {}, {}};
    page.pictures = {{":/pictures/etalon.svg", {216, 44, 135, 135}, false},
                     {":/pictures/digitgrid.svg", {49, 44, 135, 135}, false}};
    addGridCounts(page, n, {65, 110, 154}, {53, 98, 141});
    addGridCounts(page, n, {233, 278, 322}, {54, 98, 142});
    page.labels.push_back({"Спектр имени", {49, 20}, Face::Arial9});
    page.labels.push_back({"Эталон", {216, 20}, Face::Arial9});
    page.labels.push_back({"Кармические Уроки: 2, 7", {113, 207}, Face::Arial9, kRed});
    page.labels.push_back({"Число Скрытой Страсти: 5", {113, 230}, Face::Arial9, kPurple});
    page.labels.push_back({"Значительно больше Эталона: нет", {113, 253}, Face::Arial9, kGreen});
    page.labels.push_back({"Значительно меньше Эталона: нет", {113, 276}, Face::Arial9, kNavy});
    return page;
}

MockPage pinnaclesPage(const QString& n) {
    MockPage page{"5-pinnacles", {}, {}};
    page.pictures = {{":/pictures/pinnacles.svg", {24, 34, 617, 135}}, {":/pictures/periods.svg", {23, 252, 625, 41}}};
    page.labels = {{"Вершины", {19, 9}, Face::Arial9},
                   {"Периоды Жизненного Пути", {17, 208}, Face::Arial9},
                   {"Испытания", {96, 72}, Face::Arial9, kMaroon}};
    for (int x : {133, 286, 361, 515}) {
        page.labels.push_back({n, {x, 10}, Face::Arial12, kGreen});
        page.labels.push_back({n, {x, 95}, Face::Arial12, kMaroon});
    }
    for (int x : {3, 233, 310, 388})
        page.labels.push_back({"29.11.2021", {x, 172}});
    for (int x : {3, 211, 418})
        page.labels.push_back({"29.11.2021", {x, 297}});
    for (int x : {123, 331, 542})
        page.labels.push_back({n, {x, 227}, Face::Arial12, kPurple});
    return page;
}

MockPage yearsPage(const QString& n) {
    MockPage page{"6-years", {}, {}};
    page.pictures = {{":/pictures/grid.svg", {340, 50, 287, 240}, false}};
    const std::array<int, 7> bigLeft{348, 389, 430, 471, 511, 552, 593};
    const std::array<int, 7> smallLeft{365, 406, 447, 487, 528, 569, 610};
    const std::array<int, 6> bigTop{53, 93, 133, 172, 212, 253};
    const std::array<int, 6> smallTop{72, 112, 151, 190, 230, 271};
    for (std::size_t k = 0; k < 37; ++k) {
        const std::size_t r = k / 7;
        const std::size_t c = k % 7;
        const int shift = r == 5 ? 1 : 0;
        page.labels.push_back({n, {bigLeft[c] + shift, bigTop[r]}, Face::Arial12, kTeal});
        page.labels.push_back({QString::number(k < 31 ? k + 1 : 30), {smallLeft[c] + shift, smallTop[r]}});
    }
    page.labels.push_back({"Индивидуальные Дни", {339, 15}, Face::Arial9, kTeal});
    return page;
}

MockPage miscPage(const QString& n) {
    MockPage page{"7-misc", {}, {}};
    page.pictures = {{":/pictures/digitgrid.svg", {49, 122, 135, 135}, false}};
    addGridCounts(page, n, {65, 110, 154}, {131, 176, 219});
    page.labels.push_back({"Сумма: 0", {23, 54}, Face::Arial9});
    page.labels.push_back({"Кармическое Число: 0", {23, 74}, Face::Arial9});
    return page;
}

} // namespace

std::vector<MockPage> mockPages(const QString& sample) {
    return {synthesisPage(sample), spectrumPage(sample), pinnaclesPage(sample), yearsPage(sample), miscPage(sample)};
}

} // namespace lirem::preview
