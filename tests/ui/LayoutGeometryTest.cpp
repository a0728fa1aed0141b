// SPDX-License-Identifier: GPL-3.0-or-later
// Every named control of the window exists, has the right kind and parent,
// and stands at its design position scaled to the screen.
#include "WindowFixture.h"
#include "layout/ControlNames.h"
#include "ui/Picture.h"
#include "ui/SpinEdit.h"
#include "ui/WidgetSink.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

#include <cstdlib>
#include <set>
#include <string>

namespace lirem::ui::test {
namespace {

enum class Kind { Label, ValueBox, Edit, Spin, Combo, Memo, Group, Picture, Button };

struct Expected {
    std::string name;
    Kind kind;
    std::string parent;
    int x, y, w, h; // w, h: design size; for labels the size of the initial text
};

bool IsCalendarDay(const std::string& name) {
    return control::lDayN.Contains(name);
}

// Labels fit their text: their size is checked loosely, everything else exactly.
bool SizesToText(Kind kind) {
    return kind == Kind::Label || kind == Kind::ValueBox;
}

std::vector<Expected> ExpectedLayout() {
    std::vector<Expected> t = {
        // page 1
        {control::lPath, Kind::Label, control::tsNucleus, 77, 20, 137, 16},
        {control::lBDay, Kind::Label, control::tsNucleus, 73, 200, 125, 16},
        {control::lExpress, Kind::Label, control::tsNucleus, 120, 80, 94, 16},
        {control::lSoul, Kind::Label, control::tsNucleus, 33, 140, 181, 16},
        {control::lPerson, Kind::Label, control::tsNucleus, 118, 260, 80, 16},
        {control::lPathKarma, Kind::Label, control::tsNucleus, 77, 40, 138, 16},
        {control::lExpressKarma, Kind::Label, control::tsNucleus, 77, 100, 138, 16},
        {control::lSoulKarma, Kind::Label, control::tsNucleus, 77, 160, 138, 16},
        {control::lBDayKarma, Kind::Label, control::tsNucleus, 77, 220, 138, 16},
        {control::lPersonKarma, Kind::Label, control::tsNucleus, 77, 280, 138, 16},
        {control::gbData, Kind::Group, control::tsNucleus, 256, 1, 393, 312},
        {control::stPath, Kind::ValueBox, control::tsNucleus, 220, 16, 13, 23},
        {control::stBDay, Kind::ValueBox, control::tsNucleus, 220, 196, 13, 23},
        {control::stExpress, Kind::ValueBox, control::tsNucleus, 220, 76, 13, 23},
        {control::stSoul, Kind::ValueBox, control::tsNucleus, 220, 136, 13, 23},
        {control::stPerson, Kind::ValueBox, control::tsNucleus, 220, 256, 13, 23},
        {control::lDay, Kind::Label, control::gbData, 38, 53, 37, 16},
        {control::lMonth, Kind::Label, control::gbData, 140, 53, 45, 16},
        {control::lYear, Kind::Label, control::gbData, 255, 53, 29, 16},
        {control::lName, Kind::Label, control::gbData, 78, 117, 32, 16},
        {control::lSecond, Kind::Label, control::gbData, 40, 164, 70, 16},
        {control::lLast, Kind::Label, control::gbData, 41, 212, 69, 16},
        {control::seDay, Kind::Spin, control::gbData, 80, 47, 43, 26},
        {control::seMonth, Kind::Spin, control::gbData, 190, 47, 43, 26},
        {control::seYear, Kind::Spin, control::gbData, 288, 47, 63, 26},
        {control::edFirst, Kind::Edit, control::gbData, 120, 113, 257, 24},
        {control::edMiddle, Kind::Edit, control::gbData, 121, 160, 257, 24},
        {control::edLast, Kind::Edit, control::gbData, 121, 208, 257, 24},
        {control::bnDoit, Kind::Button, control::gbData, 232, 264, 113, 25},
        // page 2
        {control::imStrannik, Kind::Picture, control::tsSyntez, 8, 16, 225, 297},
        {control::imPath, Kind::Picture, control::tsSyntez, 456, 144, 209, 129},
        {control::Image1, Kind::Picture, control::tsSyntez, 176, 264, 369, 41},
        {control::lShowSoul, Kind::Label, control::tsSyntez, 184, 28, 13, 27},
        {control::lShowPerson, Kind::Label, control::tsSyntez, 128, 132, 13, 27},
        {control::lShowExpress, Kind::Label, control::tsSyntez, 48, 100, 13, 27},
        {control::lShowPath, Kind::Label, control::tsSyntez, 552, 236, 13, 27},
        {control::lShowBDay, Kind::Label, control::tsSyntez, 264, 252, 13, 27},
        {control::lRealize, Kind::Label, control::tsSyntez, 235, 56, 132, 16},
        {control::Label4, Kind::Label, control::tsSyntez, 267, 80, 99, 16},
        {control::meVozSpo, Kind::Memo, control::tsSyntez, 408, 8, 241, 41},
        {control::meVozMot, Kind::Memo, control::tsSyntez, 408, 52, 242, 41},
        {control::meSpoMot, Kind::Memo, control::tsSyntez, 408, 97, 243, 41},
        {control::stRealize, Kind::ValueBox, control::tsSyntez, 372, 52, 13, 23},
        {control::gbBridges, Kind::Group, control::tsSyntez, 237, 144, 162, 81},
        {control::stReason, Kind::ValueBox, control::tsSyntez, 372, 78, 13, 23},
        {control::lPE, Kind::Label, control::gbBridges, 8, 18, 0, 0},
        {control::lSP, Kind::Label, control::gbBridges, 8, 36, 0, 0},
        {control::lES, Kind::Label, control::gbBridges, 8, 54, 0, 0},
        {control::lPEBridge, Kind::Label, control::gbBridges, 138, 18, 0, 0},
        {control::lSPBridge, Kind::Label, control::gbBridges, 129, 37, 0, 0},
        {control::lESBridge, Kind::Label, control::gbBridges, 141, 54, 0, 0},
        // page 3
        {control::imEtalon, Kind::Picture, control::tsSpectrum, 216, 44, 135, 135},
        {control::imSpectrum, Kind::Picture, control::tsSpectrum, 49, 44, 135, 135},
        {control::lSpectre, Kind::Label, control::tsSpectrum, 49, 20, 103, 18},
        {control::lEtalonTitle, Kind::Label, control::tsSpectrum, 216, 20, 53, 18},
        {control::lNameLength, Kind::Label, control::tsSpectrum, 422, 45, 141, 16},
        {control::lAlphabet, Kind::Label, control::tsSpectrum, 422, 69, 67, 16},
        {control::lKarLes, Kind::Label, control::tsSpectrum, 113, 207, 150, 18},
        {control::lHidPas, Kind::Label, control::tsSpectrum, 113, 230, 181, 18},
        {control::lMuchMore, Kind::Label, control::tsSpectrum, 113, 253, 227, 18},
        {control::lMuchLess, Kind::Label, control::tsSpectrum, 113, 276, 228, 18},
        // page 4
        {control::gbPartner, Kind::Group, control::tsSynastry, 272, 1, 377, 312},
        {control::meResult, Kind::Memo, control::tsSynastry, 8, 9, 249, 302},
        {control::lPartnerDay, Kind::Label, control::gbPartner, 19, 53, 37, 16},
        {control::lPartnerMonth, Kind::Label, control::gbPartner, 121, 53, 45, 16},
        {control::lPartnerYear, Kind::Label, control::gbPartner, 236, 53, 29, 16},
        {control::lPartnerFirst, Kind::Label, control::gbPartner, 59, 117, 32, 16},
        {control::lPartnerMiddle, Kind::Label, control::gbPartner, 21, 164, 70, 16},
        {control::lPartnerLast, Kind::Label, control::gbPartner, 22, 212, 69, 16},
        {control::lNoFirst, Kind::Label, control::gbPartner, 6, 240, 233, 16},
        {control::lNoFirst2, Kind::Label, control::gbPartner, 6, 256, 177, 16},
        {control::sePartnerDay, Kind::Spin, control::gbPartner, 61, 47, 43, 26},
        {control::sePartnerMonth, Kind::Spin, control::gbPartner, 171, 47, 43, 26},
        {control::sePartnerYear, Kind::Spin, control::gbPartner, 269, 47, 63, 26},
        {control::edPartnerFirst, Kind::Edit, control::gbPartner, 101, 113, 257, 24},
        {control::edPartnerMiddle, Kind::Edit, control::gbPartner, 102, 160, 257, 24},
        {control::edPartnerLast, Kind::Edit, control::gbPartner, 102, 208, 257, 24},
        {control::bnPartner, Kind::Button, control::gbPartner, 213, 264, 113, 25},
        // page 5
        {control::imPinnacles, Kind::Picture, control::tsPinnacles, 24, 34, 617, 135},
        {control::lPinTitle, Kind::Label, control::tsPinnacles, 19, 9, 72, 18},
        {control::lPerTitle, Kind::Label, control::tsPinnacles, 17, 208, 201, 18},
        {control::imPeriods, Kind::Picture, control::tsPinnacles, 23, 252, 625, 41},
        {control::lPinN(1), Kind::Label, control::tsPinnacles, 133, 10, 11, 24},
        {control::lPinN(2), Kind::Label, control::tsPinnacles, 286, 10, 11, 24},
        {control::lPinN(3), Kind::Label, control::tsPinnacles, 361, 10, 11, 24},
        {control::lPinN(4), Kind::Label, control::tsPinnacles, 515, 10, 11, 24},
        {control::lPinStartN(1), Kind::Label, control::tsPinnacles, 3, 172, 55, 16},
        {control::lPinStartN(2), Kind::Label, control::tsPinnacles, 233, 172, 56, 16},
        {control::lPinStartN(3), Kind::Label, control::tsPinnacles, 310, 172, 56, 16},
        {control::lPinStartN(4), Kind::Label, control::tsPinnacles, 388, 172, 56, 16},
        {control::lPerStartN(1), Kind::Label, control::tsPinnacles, 3, 297, 58, 16},
        {control::lPerStartN(2), Kind::Label, control::tsPinnacles, 211, 297, 58, 16},
        {control::lPerStartN(3), Kind::Label, control::tsPinnacles, 418, 297, 58, 16},
        {control::lPerN(1), Kind::Label, control::tsPinnacles, 123, 227, 11, 24},
        {control::lPerN(2), Kind::Label, control::tsPinnacles, 331, 227, 11, 24},
        {control::lPerN(3), Kind::Label, control::tsPinnacles, 542, 227, 11, 24},
        {control::lIspTitle, Kind::Label, control::tsPinnacles, 96, 72, 82, 18},
        {control::lIspN(1), Kind::Label, control::tsPinnacles, 133, 95, 11, 24},
        {control::lIspN(2), Kind::Label, control::tsPinnacles, 286, 95, 11, 24},
        {control::lIspN(3), Kind::Label, control::tsPinnacles, 361, 95, 11, 24},
        {control::lIspN(4), Kind::Label, control::tsPinnacles, 515, 95, 11, 24},
        // page 6
        {control::cbYear, Kind::Combo, control::tsYears, 48, 56, 73, 24},
        {control::cbMonth, Kind::Combo, control::tsYears, 48, 156, 113, 24},
        {control::imGrid, Kind::Picture, control::tsYears, 340, 50, 287, 240},
        {control::lCurYear, Kind::Label, control::tsYears, 35, 33, 32, 18},
        {control::lCurMonth, Kind::Label, control::tsYears, 35, 133, 52, 18},
        {control::liYear, Kind::Label, control::tsYears, 48, 85, 176, 18},
        {control::liMonth, Kind::Label, control::tsYears, 48, 185, 196, 18},
        {control::liDayTitle, Kind::Label, control::tsYears, 339, 15, 165, 18},
        {control::Label1, Kind::Label, control::tsYears, 14, 247, 246, 16},
        {control::Label2, Kind::Label, control::tsYears, 14, 267, 297, 16},
        // page 7
        {control::Image2, Kind::Picture, control::tsMisc, 49, 122, 135, 135},
        {control::lSumma, Kind::Label, control::tsMisc, 23, 54, 64, 18},
        {control::lKarma, Kind::Label, control::tsMisc, 23, 74, 165, 18},
        {control::edMisc, Kind::Edit, control::tsMisc, 0, 8, 649, 24},
        {control::bnMisc, Kind::Button, control::tsMisc, 396, 275, 137, 25},
        {control::meMisc, Kind::Memo, control::tsMisc, 272, 56, 385, 185},
        // page 8
        {control::meAuthor, Kind::Memo, control::tsAbout, 5, 5, 648, 308},
    };
    // The 3 x 3 count grids: digit d in row (d-1)/3, column (d-1)%3.
    const int spLeft[] = {65, 110, 154}, spTop[] = {53, 98, 141};
    const int etLeft[] = {233, 278, 322}, etTop[] = {54, 98, 142};
    const int miscTop[] = {131, 176, 219};
    for (int d = 1; d <= 9; ++d) {
        const int r = (d - 1) / 3, c = (d - 1) % 3;
        t.push_back({control::lSpN(d), Kind::Label, control::tsSpectrum, spLeft[c], spTop[r], 13, 27});
        t.push_back({control::lEtN(d), Kind::Label, control::tsSpectrum, etLeft[c], etTop[r], 13, 27});
        t.push_back({control::lMiscN(d), Kind::Label, control::tsMisc, spLeft[c], miscTop[r], 13, 27});
    }
    // The calendar: cell k in row (k-1)/7, column (k-1)%7; the last row one unit right.
    const int bigLeft[] = {348, 389, 430, 471, 511, 552, 593}, smallLeft[] = {365, 406, 447, 487, 528, 569, 610};
    const int bigTop[] = {53, 93, 133, 172, 212, 253}, smallTop[] = {72, 112, 151, 190, 230, 271};
    for (int k = 1; k <= 37; ++k) {
        const int r = (k - 1) / 7, c = (k - 1) % 7, shift = k >= 36 ? 1 : 0;
        t.push_back({control::liDayN(k), Kind::Label, control::tsYears, bigLeft[c] + shift, bigTop[r], 11, 24});
        t.push_back({control::lDayN(k), Kind::Label, control::tsYears, smallLeft[c] + shift, smallTop[r], 7, 16});
    }
    return t;
}

// Labels whose text never changes at run time.
const std::set<std::string>& StaticCaptions() {
    static const std::set<std::string> names = {
        control::lPath,         control::lBDay,        control::lExpress,      control::lSoul,
        control::lPerson,       control::lDay,         control::lMonth,        control::lYear,
        control::lName,         control::lSecond,      control::lLast,         control::lRealize,
        control::Label4,        control::lSpectre,     control::lEtalonTitle,  control::lPartnerDay,
        control::lPartnerMonth, control::lPartnerYear, control::lPartnerFirst, control::lPartnerMiddle,
        control::lPartnerLast,  control::lNoFirst,     control::lNoFirst2,     control::lPinTitle,
        control::lPerTitle,     control::lIspTitle,    control::lCurYear,      control::lCurMonth,
        control::liDayTitle,    control::Label1,       control::Label2,        control::lSumma,
        control::lKarma,        control::lMiscN(1),
    };
    return names;
}

bool IsKind(QWidget* widget, Kind kind) {
    switch (kind) {
    case Kind::Label:
        return qobject_cast<QLabel*>(widget) != nullptr &&
               qobject_cast<QLabel*>(widget)->frameShape() == QFrame::NoFrame;
    case Kind::ValueBox:
        return qobject_cast<QLabel*>(widget) != nullptr &&
               qobject_cast<QLabel*>(widget)->frameShape() != QFrame::NoFrame;
    case Kind::Edit:
        return qobject_cast<QLineEdit*>(widget) != nullptr;
    case Kind::Spin:
        return qobject_cast<SpinEdit*>(widget) != nullptr;
    case Kind::Combo:
        return qobject_cast<QComboBox*>(widget) != nullptr;
    case Kind::Memo:
        return qobject_cast<QPlainTextEdit*>(widget) != nullptr;
    case Kind::Group:
        return qobject_cast<QGroupBox*>(widget) != nullptr;
    case Kind::Picture:
        return qobject_cast<Picture*>(widget) != nullptr;
    case Kind::Button:
        return qobject_cast<QPushButton*>(widget) != nullptr;
    }
    return false;
}

// The calendar grid's lines: the pixel columns (or rows) of the picture
// that are mostly dark.
std::vector<int> GridLines(const QImage& grid, bool vertical) {
    std::vector<int> lines;
    const int along = vertical ? grid.width() : grid.height();
    const int across = vertical ? grid.height() : grid.width();
    for (int i = 0; i < along; ++i) {
        int dark = 0;
        for (int j = 0; j < across; ++j) {
            dark += qGray(vertical ? grid.pixel(i, j) : grid.pixel(j, i)) < 160 ? 1 : 0;
        }
        if (dark > across / 2) {
            lines.push_back(i);
        }
    }
    return lines;
}

TEST_F(WindowTest, CalendarDaysStayInsideTheirCells) {
    // Every cell with the widest texts it can show, at the screen's resolution.
    QWidget* gridBox = window->Control(control::imGrid);
    window->PageControl()->setCurrentWidget(window->Control(control::tsYears));
    const QImage grid = gridBox->grab().toImage();
    const std::vector<int> columns = GridLines(grid, true);
    const std::vector<int> rows = GridLines(grid, false);
    ASSERT_GE(columns.size(), 8U);
    ASSERT_GE(rows.size(), 7U);
    ControlMap days;
    for (int k = 1; k <= 37; ++k) {
        const std::string name = control::lDayN(k);
        days.emplace(name, window->Control(name));
    }
    WidgetSink sink(days);
    for (const char* text : {"28", "30", "31", "8"}) {
        for (int k = 1; k <= 37; ++k) {
            const std::string name = control::lDayN(k);
            sink.SetText(name, text);
            // The label in the grid picture's pixels; it must touch no line.
            const QRect label = window->Control(name)->geometry().translated(-gridBox->pos());
            for (int x : columns) {
                EXPECT_FALSE(label.left() <= x && x <= label.right()) << name << " '" << text << "' column " << x;
            }
            for (int y : rows) {
                EXPECT_FALSE(label.top() <= y && y <= label.bottom()) << name << " '" << text << "' row " << y;
            }
        }
    }
}

TEST_F(WindowTest, EveryNamedControlStandsAtItsScaledPosition) {
    const auto& s = window->Scale();
    for (const Expected& e : ExpectedLayout()) {
        SCOPED_TRACE(e.name);
        QWidget* widget = window->Control(e.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->objectName().toStdString(), e.name);
        EXPECT_TRUE(IsKind(widget, e.kind));
        ASSERT_NE(widget->parentWidget(), nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), e.parent);
        if (IsCalendarDay(e.name)) {
            // A two-digit day may stand further left to stay inside its cell.
            EXPECT_EQ(widget->y(), s(e.y));
            EXPECT_LE(widget->x(), s(e.x));
        } else {
            EXPECT_EQ(widget->pos(), QPoint(s(e.x), s(e.y)));
        }
        if (!SizesToText(e.kind)) {
            EXPECT_EQ(widget->size(), QSize(s(e.w), s(e.h)));
        } else {
            // Labels and value boxes fit their text, whatever was written into them.
            EXPECT_EQ(widget->size(), widget->sizeHint());
            if (StaticCaptions().count(e.name) != 0) {
                // A fixed caption is about as large as the layout drew it: this
                // catches a missing face, a wrong point size or a lost bold.
                EXPECT_NEAR(widget->width(), s(e.w), std::max(4.0, 0.3 * s(e.w)));
                EXPECT_NEAR(widget->height(), s(e.h), 5);
            }
        }
    }
}

TEST_F(WindowTest, LayoutHasNoUnexpectedNamedControls) {
    // Every layout control in the window is one the expected table names.
    const auto expected = ExpectedLayout();
    int named = 0;
    for (QWidget* page : window->PageControl()->findChildren<QWidget*>(QRegularExpression("^ts"))) {
        for (QWidget* child : page->findChildren<QWidget*>()) {
            if (window->Control(child->objectName().toStdString()) == child) {
                ++named;
            }
        }
    }
    EXPECT_EQ(named, static_cast<int>(expected.size()));
}

// The shared list of control names and the layout agree both ways: every
// control the layout creates is listed once, and every listed name is a
// control the window creates (the window, its pages and status bar by itself).
TEST(ControlNames, ListAndLayoutAgree) {
    std::multiset<std::string_view> created{control::MainForm, control::pcPages, control::sbMessage};
    for (const layout::PageRow& page : layout::Pages()) {
        created.insert(page.name);
    }
    for (const layout::ControlRow& row : layout::Controls()) {
        created.insert(row.name);
    }
    const std::vector<std::string_view> listed = control::EveryName();
    EXPECT_EQ(created, std::multiset<std::string_view>(listed.begin(), listed.end()));
    EXPECT_EQ(std::set<std::string_view>(listed.begin(), listed.end()).size(), listed.size());
}

TEST_F(WindowTest, WindowFrameAndPages) {
    const auto& s = window->Scale();
    EXPECT_EQ(window->objectName(), control::MainForm);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Нумерологический Калькулятор Lirem 3.0"));
    // The skinned frame goes round the client area: left 10, title 33, right 12, bottom 13.
    ASSERT_NE(window->SkinForm(), nullptr);
    ASSERT_TRUE(window->SkinForm()->Attached());
    const QMargins frame = window->SkinForm()->FrameMargins();
    EXPECT_EQ(frame, QMargins(10, 33, 12, 13));
    EXPECT_EQ(window->size(), QSize(s(681) + 22, s(381) + 46));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    // The window asked for a minimise button and no maximise button.
    EXPECT_TRUE(window->SkinForm()->SavedBorderIcons().minimize);
    EXPECT_FALSE(window->SkinForm()->SavedBorderIcons().maximize);
    EXPECT_EQ(window->Client()->geometry(), QRect(10, 33, s(681), s(381)));
    // Centred on the screen with its frame (to the pixel, rounding down).
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect placed(window->pos(), window->size());
    EXPECT_LE(std::abs(placed.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(placed.center().y() - screen.center().y()), 1);

    QTabWidget* pages = window->PageControl();
    EXPECT_EQ(pages->geometry(), QRect(0, 0, s(681), s(360)));
    EXPECT_EQ(window->StatusBar()->geometry(), QRect(0, s(360), s(681), s(21)));
    const std::pair<const char*, QString> tabs[] = {
        {control::tsNucleus, "Ядро"},         {control::tsSyntez, "Синтез"},     {control::tsSpectrum, "Спектр"},
        {control::tsSynastry, "Партнерство"}, {control::tsPinnacles, "Периоды"}, {control::tsYears, "Годы и Дни"},
        {control::tsMisc, "Разное"},          {control::tsAbout, "О Программе"},
    };
    ASSERT_EQ(pages->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), tabs[i].first);
        EXPECT_EQ(pages->tabText(i), tabs[i].second);
    }
    EXPECT_EQ(pages->currentWidget()->objectName(), control::tsNucleus);
    EXPECT_EQ(window->StatusBar()->findChildren<QLabel*>().size(), 1);
    EXPECT_EQ(window->StatusBar()->findChild<QLabel*>()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_FALSE(window->StatusBar()->findChild<QLabel*>()->text().isEmpty());
    EXPECT_FALSE(window->windowIcon().isNull());
    for (const char* list : {control::cbYear, control::cbMonth}) {
        EXPECT_EQ(window->ControlAs<QComboBox>(list)->view()->sizeHintForRow(0), s(16)) << list;
    }
}

} // namespace
} // namespace lirem::ui::test
