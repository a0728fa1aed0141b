// SPDX-License-Identifier: GPL-3.0-or-later
// Every named control of the window exists, has the right kind and parent,
// and stands at its design position scaled to the screen.
#include "WindowFixture.h"
#include "layout/ControlNames.h"
#include "layout/LayoutTable.h"
#include "skin/frame/WinSkinForm.h"
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

Kind KindOf(layout::ControlKind kind) {
    switch (kind) {
    case layout::ControlKind::Label:
        return Kind::Label;
    case layout::ControlKind::ValueBox:
        return Kind::ValueBox;
    case layout::ControlKind::Edit:
        return Kind::Edit;
    case layout::ControlKind::SpinEdit:
        return Kind::Spin;
    case layout::ControlKind::ComboBox:
        return Kind::Combo;
    case layout::ControlKind::Memo:
        return Kind::Memo;
    case layout::ControlKind::GroupBox:
        return Kind::Group;
    case layout::ControlKind::Picture:
        return Kind::Picture;
    case layout::ControlKind::Button:
        return Kind::Button;
    }
    return Kind::Label;
}

// The layout table, as the window must show it.
std::vector<Expected> ExpectedLayout() {
    std::vector<Expected> t;
    for (const layout::ControlRow& row : layout::Controls())
        t.push_back({row.name, KindOf(row.kind), row.parent, row.x, row.y, row.width, row.height});
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
    QTabWidget* pages = window->PageControl();
    for (const Expected& e : ExpectedLayout()) {
        SCOPED_TRACE(e.name);
        QWidget* widget = window->Control(e.name);
        ASSERT_NE(widget, nullptr);
        // As its page shows it: a label out of sight is sized when shown.
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(widget)) {
                pages->setCurrentIndex(i);
            }
        }
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
