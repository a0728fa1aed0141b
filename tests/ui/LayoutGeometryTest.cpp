// SPDX-License-Identifier: GPL-3.0-or-later
// Every named control of the window exists, has the right kind and parent,
// and stands at its design position scaled to the screen.
#include "WindowFixture.h"
#include "ui/Picture.h"
#include "ui/SpinEdit.h"
#include "ui/WidgetSink.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

#include <cctype>
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
    return name.size() > 4 && name.compare(0, 4, "lDay") == 0 && std::isdigit(static_cast<unsigned char>(name[4]));
}

// Labels fit their text: their size is checked loosely, everything else exactly.
bool SizesToText(Kind kind) {
    return kind == Kind::Label || kind == Kind::ValueBox;
}

std::vector<Expected> ExpectedLayout() {
    std::vector<Expected> t = {
        // page 1
        {"lPath", Kind::Label, "tsNucleus", 77, 20, 137, 16},
        {"lBDay", Kind::Label, "tsNucleus", 73, 200, 125, 16},
        {"lExpress", Kind::Label, "tsNucleus", 120, 80, 94, 16},
        {"lSoul", Kind::Label, "tsNucleus", 33, 140, 181, 16},
        {"lPerson", Kind::Label, "tsNucleus", 118, 260, 80, 16},
        {"lPathKarma", Kind::Label, "tsNucleus", 77, 40, 138, 16},
        {"lExpressKarma", Kind::Label, "tsNucleus", 77, 100, 138, 16},
        {"lSoulKarma", Kind::Label, "tsNucleus", 77, 160, 138, 16},
        {"lBDayKarma", Kind::Label, "tsNucleus", 77, 220, 138, 16},
        {"lPersonKarma", Kind::Label, "tsNucleus", 77, 280, 138, 16},
        {"gbData", Kind::Group, "tsNucleus", 256, 1, 393, 312},
        {"stPath", Kind::ValueBox, "tsNucleus", 220, 16, 13, 23},
        {"stBDay", Kind::ValueBox, "tsNucleus", 220, 196, 13, 23},
        {"stExpress", Kind::ValueBox, "tsNucleus", 220, 76, 13, 23},
        {"stSoul", Kind::ValueBox, "tsNucleus", 220, 136, 13, 23},
        {"stPerson", Kind::ValueBox, "tsNucleus", 220, 256, 13, 23},
        {"lDay", Kind::Label, "gbData", 38, 53, 37, 16},
        {"lMonth", Kind::Label, "gbData", 140, 53, 45, 16},
        {"lYear", Kind::Label, "gbData", 255, 53, 29, 16},
        {"lName", Kind::Label, "gbData", 78, 117, 32, 16},
        {"lSecond", Kind::Label, "gbData", 40, 164, 70, 16},
        {"lLast", Kind::Label, "gbData", 41, 212, 69, 16},
        {"seDay", Kind::Spin, "gbData", 80, 47, 43, 26},
        {"seMonth", Kind::Spin, "gbData", 190, 47, 43, 26},
        {"seYear", Kind::Spin, "gbData", 288, 47, 63, 26},
        {"edFirst", Kind::Edit, "gbData", 120, 113, 257, 24},
        {"edMiddle", Kind::Edit, "gbData", 121, 160, 257, 24},
        {"edLast", Kind::Edit, "gbData", 121, 208, 257, 24},
        {"bnDoit", Kind::Button, "gbData", 232, 264, 113, 25},
        // page 2
        {"imStrannik", Kind::Picture, "tsSyntez", 8, 16, 225, 297},
        {"imPath", Kind::Picture, "tsSyntez", 456, 144, 209, 129},
        {"Image1", Kind::Picture, "tsSyntez", 176, 264, 369, 41},
        {"lShowSoul", Kind::Label, "tsSyntez", 184, 28, 13, 27},
        {"lShowPerson", Kind::Label, "tsSyntez", 128, 132, 13, 27},
        {"lShowExpress", Kind::Label, "tsSyntez", 48, 100, 13, 27},
        {"lShowPath", Kind::Label, "tsSyntez", 552, 236, 13, 27},
        {"lShowBDay", Kind::Label, "tsSyntez", 264, 252, 13, 27},
        {"lRealize", Kind::Label, "tsSyntez", 235, 56, 132, 16},
        {"Label4", Kind::Label, "tsSyntez", 267, 80, 99, 16},
        {"meVozSpo", Kind::Memo, "tsSyntez", 408, 8, 241, 41},
        {"meVozMot", Kind::Memo, "tsSyntez", 408, 52, 242, 41},
        {"meSpoMot", Kind::Memo, "tsSyntez", 408, 97, 243, 41},
        {"stRealize", Kind::ValueBox, "tsSyntez", 372, 52, 13, 23},
        {"gbBridges", Kind::Group, "tsSyntez", 237, 144, 162, 81},
        {"stReason", Kind::ValueBox, "tsSyntez", 372, 78, 13, 23},
        {"lPE", Kind::Label, "gbBridges", 8, 18, 0, 0},
        {"lSP", Kind::Label, "gbBridges", 8, 36, 0, 0},
        {"lES", Kind::Label, "gbBridges", 8, 54, 0, 0},
        {"lPEBridge", Kind::Label, "gbBridges", 138, 18, 0, 0},
        {"lSPBridge", Kind::Label, "gbBridges", 129, 37, 0, 0},
        {"lESBridge", Kind::Label, "gbBridges", 141, 54, 0, 0},
        // page 3
        {"imEtalon", Kind::Picture, "tsSpectrum", 216, 44, 135, 135},
        {"imSpectrum", Kind::Picture, "tsSpectrum", 49, 44, 135, 135},
        {"lSpectre", Kind::Label, "tsSpectrum", 49, 20, 103, 18},
        {"lEtalonTitle", Kind::Label, "tsSpectrum", 216, 20, 53, 18},
        {"lNameLength", Kind::Label, "tsSpectrum", 422, 45, 141, 16},
        {"lAlphabet", Kind::Label, "tsSpectrum", 422, 69, 67, 16},
        {"lKarLes", Kind::Label, "tsSpectrum", 113, 207, 150, 18},
        {"lHidPas", Kind::Label, "tsSpectrum", 113, 230, 181, 18},
        {"lMuchMore", Kind::Label, "tsSpectrum", 113, 253, 227, 18},
        {"lMuchLess", Kind::Label, "tsSpectrum", 113, 276, 228, 18},
        // page 4
        {"gbPartner", Kind::Group, "tsSynastry", 272, 1, 377, 312},
        {"meResult", Kind::Memo, "tsSynastry", 8, 9, 249, 302},
        {"lPartnerDay", Kind::Label, "gbPartner", 19, 53, 37, 16},
        {"lPartnerMonth", Kind::Label, "gbPartner", 121, 53, 45, 16},
        {"lPartnerYear", Kind::Label, "gbPartner", 236, 53, 29, 16},
        {"lPartnerFirst", Kind::Label, "gbPartner", 59, 117, 32, 16},
        {"lPartnerMiddle", Kind::Label, "gbPartner", 21, 164, 70, 16},
        {"lPartnerLast", Kind::Label, "gbPartner", 22, 212, 69, 16},
        {"lNoFirst", Kind::Label, "gbPartner", 6, 240, 233, 16},
        {"lNoFirst2", Kind::Label, "gbPartner", 6, 256, 177, 16},
        {"sePartnerDay", Kind::Spin, "gbPartner", 61, 47, 43, 26},
        {"sePartnerMonth", Kind::Spin, "gbPartner", 171, 47, 43, 26},
        {"sePartnerYear", Kind::Spin, "gbPartner", 269, 47, 63, 26},
        {"edPartnerFirst", Kind::Edit, "gbPartner", 101, 113, 257, 24},
        {"edPartnerMiddle", Kind::Edit, "gbPartner", 102, 160, 257, 24},
        {"edPartnerLast", Kind::Edit, "gbPartner", 102, 208, 257, 24},
        {"bnPartner", Kind::Button, "gbPartner", 213, 264, 113, 25},
        // page 5
        {"imPinnacles", Kind::Picture, "tsPinnacles", 24, 34, 617, 135},
        {"lPinTitle", Kind::Label, "tsPinnacles", 19, 9, 72, 18},
        {"lPerTitle", Kind::Label, "tsPinnacles", 17, 208, 201, 18},
        {"imPeriods", Kind::Picture, "tsPinnacles", 23, 252, 625, 41},
        {"lPin1", Kind::Label, "tsPinnacles", 133, 10, 11, 24},
        {"lPin2", Kind::Label, "tsPinnacles", 286, 10, 11, 24},
        {"lPin3", Kind::Label, "tsPinnacles", 361, 10, 11, 24},
        {"lPin4", Kind::Label, "tsPinnacles", 515, 10, 11, 24},
        {"lPinStart1", Kind::Label, "tsPinnacles", 3, 172, 55, 16},
        {"lPinStart2", Kind::Label, "tsPinnacles", 233, 172, 56, 16},
        {"lPinStart3", Kind::Label, "tsPinnacles", 310, 172, 56, 16},
        {"lPinStart4", Kind::Label, "tsPinnacles", 388, 172, 56, 16},
        {"lPerStart1", Kind::Label, "tsPinnacles", 3, 297, 58, 16},
        {"lPerStart2", Kind::Label, "tsPinnacles", 211, 297, 58, 16},
        {"lPerStart3", Kind::Label, "tsPinnacles", 418, 297, 58, 16},
        {"lPer1", Kind::Label, "tsPinnacles", 123, 227, 11, 24},
        {"lPer2", Kind::Label, "tsPinnacles", 331, 227, 11, 24},
        {"lPer3", Kind::Label, "tsPinnacles", 542, 227, 11, 24},
        {"lIspTitle", Kind::Label, "tsPinnacles", 96, 72, 82, 18},
        {"lIsp1", Kind::Label, "tsPinnacles", 133, 95, 11, 24},
        {"lIsp2", Kind::Label, "tsPinnacles", 286, 95, 11, 24},
        {"lIsp3", Kind::Label, "tsPinnacles", 361, 95, 11, 24},
        {"lIsp4", Kind::Label, "tsPinnacles", 515, 95, 11, 24},
        // page 6
        {"cbYear", Kind::Combo, "tsYears", 48, 56, 73, 24},
        {"cbMonth", Kind::Combo, "tsYears", 48, 156, 113, 24},
        {"imGrid", Kind::Picture, "tsYears", 340, 50, 287, 240},
        {"lCurYear", Kind::Label, "tsYears", 35, 33, 32, 18},
        {"lCurMonth", Kind::Label, "tsYears", 35, 133, 52, 18},
        {"liYear", Kind::Label, "tsYears", 48, 85, 176, 18},
        {"liMonth", Kind::Label, "tsYears", 48, 185, 196, 18},
        {"liDayTitle", Kind::Label, "tsYears", 339, 15, 165, 18},
        {"Label1", Kind::Label, "tsYears", 14, 247, 246, 16},
        {"Label2", Kind::Label, "tsYears", 14, 267, 297, 16},
        // page 7
        {"Image2", Kind::Picture, "tsMisc", 49, 122, 135, 135},
        {"lSumma", Kind::Label, "tsMisc", 23, 54, 64, 18},
        {"lKarma", Kind::Label, "tsMisc", 23, 74, 165, 18},
        {"edMisc", Kind::Edit, "tsMisc", 0, 8, 649, 24},
        {"bnMisc", Kind::Button, "tsMisc", 396, 275, 137, 25},
        {"meMisc", Kind::Memo, "tsMisc", 272, 56, 385, 185},
        // page 8
        {"meAuthor", Kind::Memo, "tsAbout", 5, 5, 648, 308},
    };
    // The 3 x 3 count grids: digit d in row (d-1)/3, column (d-1)%3.
    const int spLeft[] = {65, 110, 154}, spTop[] = {53, 98, 141};
    const int etLeft[] = {233, 278, 322}, etTop[] = {54, 98, 142};
    const int miscTop[] = {131, 176, 219};
    for (int d = 1; d <= 9; ++d) {
        const int r = (d - 1) / 3, c = (d - 1) % 3;
        t.push_back({"lSp" + std::to_string(d), Kind::Label, "tsSpectrum", spLeft[c], spTop[r], 13, 27});
        t.push_back({"lEt" + std::to_string(d), Kind::Label, "tsSpectrum", etLeft[c], etTop[r], 13, 27});
        t.push_back({"lMisc" + std::to_string(d), Kind::Label, "tsMisc", spLeft[c], miscTop[r], 13, 27});
    }
    // The calendar: cell k in row (k-1)/7, column (k-1)%7; the last row one unit right.
    const int bigLeft[] = {348, 389, 430, 471, 511, 552, 593}, smallLeft[] = {365, 406, 447, 487, 528, 569, 610};
    const int bigTop[] = {53, 93, 133, 172, 212, 253}, smallTop[] = {72, 112, 151, 190, 230, 271};
    for (int k = 1; k <= 37; ++k) {
        const int r = (k - 1) / 7, c = (k - 1) % 7, shift = k >= 36 ? 1 : 0;
        t.push_back({"liDay" + std::to_string(k), Kind::Label, "tsYears", bigLeft[c] + shift, bigTop[r], 11, 24});
        t.push_back({"lDay" + std::to_string(k), Kind::Label, "tsYears", smallLeft[c] + shift, smallTop[r], 7, 16});
    }
    return t;
}

// Labels whose text never changes at run time.
const std::set<std::string>& StaticCaptions() {
    static const std::set<std::string> names = {
        "lPath",         "lBDay",          "lExpress",     "lSoul",       "lPerson",       "lDay",
        "lMonth",        "lYear",          "lName",        "lSecond",     "lLast",         "lRealize",
        "Label4",        "lSpectre",       "lEtalonTitle", "lPartnerDay", "lPartnerMonth", "lPartnerYear",
        "lPartnerFirst", "lPartnerMiddle", "lPartnerLast", "lNoFirst",    "lNoFirst2",     "lPinTitle",
        "lPerTitle",     "lIspTitle",      "lCurYear",     "lCurMonth",   "liDayTitle",    "Label1",
        "Label2",        "lSumma",         "lKarma",       "lMisc1",
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
        return qobject_cast<lirem::ui::TSpinEdit*>(widget) != nullptr;
    case Kind::Combo:
        return qobject_cast<QComboBox*>(widget) != nullptr;
    case Kind::Memo:
        return qobject_cast<QPlainTextEdit*>(widget) != nullptr;
    case Kind::Group:
        return qobject_cast<QGroupBox*>(widget) != nullptr;
    case Kind::Picture:
        return qobject_cast<lirem::ui::TPicture*>(widget) != nullptr;
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
    QWidget* gridBox = window->Control("imGrid");
    window->PageControl()->setCurrentWidget(window->Control("tsYears"));
    const QImage grid = gridBox->grab().toImage();
    const std::vector<int> columns = GridLines(grid, true);
    const std::vector<int> rows = GridLines(grid, false);
    ASSERT_GE(columns.size(), 8U);
    ASSERT_GE(rows.size(), 7U);
    ControlMap days;
    for (int k = 1; k <= 37; ++k) {
        const std::string name = "lDay" + std::to_string(k);
        days.emplace(name, window->Control(name));
    }
    WidgetSink sink(days);
    for (const char* text : {"28", "30", "31", "8"}) {
        for (int k = 1; k <= 37; ++k) {
            const std::string name = "lDay" + std::to_string(k);
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

TEST_F(WindowTest, WindowFrameAndPages) {
    const auto& s = window->Scale();
    EXPECT_EQ(window->objectName(), "MainForm");
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
        {"tsNucleus", "Ядро"},      {"tsSyntez", "Синтез"},    {"tsSpectrum", "Спектр"}, {"tsSynastry", "Партнерство"},
        {"tsPinnacles", "Периоды"}, {"tsYears", "Годы и Дни"}, {"tsMisc", "Разное"},     {"tsAbout", "О Программе"},
    };
    ASSERT_EQ(pages->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), tabs[i].first);
        EXPECT_EQ(pages->tabText(i), tabs[i].second);
    }
    EXPECT_EQ(pages->currentWidget()->objectName(), "tsNucleus");
    EXPECT_EQ(window->StatusBar()->findChildren<QLabel*>().size(), 1);
    EXPECT_EQ(window->StatusBar()->findChild<QLabel*>()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_FALSE(window->StatusBar()->findChild<QLabel*>()->text().isEmpty());
    EXPECT_FALSE(window->windowIcon().isNull());
    for (const char* list : {"cbYear", "cbMonth"}) {
        EXPECT_EQ(window->ControlAs<QComboBox>(list)->view()->sizeHintForRow(0), s(16)) << list;
    }
}

} // namespace
} // namespace lirem::ui::test
