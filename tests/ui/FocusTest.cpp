// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus: where it starts, that it always shows, where Ctrl+Tab puts it.

#include "WindowFixture.h"

#include "layout/ControlNames.h"

#include <QApplication>
#include <QImage>
#include <QTabBar>

namespace lirem::ui::test {
namespace {

class FocusTest : public ShownWindowTest {
protected:
    static QWidget* Focused() { return QApplication::focusWidget(); }
    [[nodiscard]] bool HasFocus(const char* name) const {
        QWidget* control = window->Control(name);
        return Focused() != nullptr && (Focused() == control || control->isAncestorOf(Focused()));
    }
    [[nodiscard]] QWidget* PageOf(QWidget* control) const {
        for (int i = 0; i < window->PageControl()->count(); ++i) {
            if (window->PageControl()->widget(i)->isAncestorOf(control)) {
                return window->PageControl()->widget(i);
            }
        }
        return nullptr;
    }
    static QImage Look(QWidget* widget) { return widget->grab().toImage(); }
};

TEST_F(FocusTest, StartsInTheFirstFieldWithItsTextSelected) {
    EXPECT_TRUE(HasFocus(control::seDay));
    // A digit typed at start replaces the day.
    QTest::sendKeyEvent(QTest::Click, Focused(), Qt::Key_unknown, QStringLiteral("7"), Qt::NoModifier);
    EXPECT_EQ(window->Control(control::seDay)->findChild<QLineEdit*>()->text(), "7");
}

TEST_F(FocusTest, EveryControlThatTakesTheFocusShowsIt) {
    std::vector<QWidget*> controls{window->PageControl()->tabBar()};
    for (QWidget* widget : window->Client()->findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty() && window->Control(widget->objectName().toStdString()) == widget &&
            widget->focusPolicy() != Qt::NoFocus && PageOf(widget) != nullptr) {
            controls.push_back(widget);
        }
    }
    ASSERT_GT(controls.size(), 20U);
    QWidget* bar = window->PageControl()->tabBar();
    for (QWidget* control : controls) {
        if (QWidget* page = PageOf(control)) {
            window->PageControl()->setCurrentWidget(page);
        }
        // Focus taken with the mouse, where some styles show the least.
        control->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(control->hasFocus() || control->isAncestorOf(Focused())) << control->objectName().toStdString();
        const QImage focused = Look(control);
        (control == bar ? window->Control(control::seDay) : bar)->setFocus(Qt::MouseFocusReason);
        if (control == bar) {
            window->PageControl()->setCurrentIndex(0);
        }
        EXPECT_NE(focused, Look(control)) << control->objectName().toStdString();
    }
}

TEST_F(FocusTest, AMemoWithTheFocusIsFramed) {
    // The frame runs along the text area's edge, where a caret never is.
    for (const char* name : {control::meResult, control::meMisc, control::meAuthor}) {
        auto* memo = Get<QPlainTextEdit>(name);
        window->PageControl()->setCurrentWidget(PageOf(memo));
        memo->setFocus(Qt::TabFocusReason);
        const QImage focused = memo->viewport()->grab().toImage();
        window->PageControl()->tabBar()->setFocus(Qt::TabFocusReason);
        const QImage unfocused = memo->viewport()->grab().toImage();
        // The bottom edge, a few device pixels high whatever the scale.
        int differing = 0;
        for (int y = focused.height() - 4; y < focused.height(); ++y)
            for (int x = 0; x < focused.width(); ++x)
                differing += focused.pixel(x, y) != unfocused.pixel(x, y) ? 1 : 0;
        EXPECT_GT(differing, focused.width() / 4) << name;
    }
}

TEST_F(FocusTest, CtrlTabPutsTheFocusOnThePagesFirstFieldOrOnTheTabRow) {
    const auto ctrlTab = [] { QTest::keyClick(Focused(), Qt::Key_Tab, Qt::ControlModifier); };
    ShowPage(control::tsSynastry);
    window->Control(control::edPartnerLast)->setFocus(Qt::MouseFocusReason);
    window->PageControl()->setCurrentIndex(0);
    window->Control(control::edLast)->setFocus(Qt::MouseFocusReason);
    // Pages 2 and 3 have no field: the tab row keeps the focus and shows it.
    ctrlTab();
    EXPECT_EQ(Focused(), window->PageControl()->tabBar());
    ctrlTab();
    EXPECT_EQ(Focused(), window->PageControl()->tabBar());
    ctrlTab();
    EXPECT_TRUE(HasFocus(control::sePartnerDay));
    ctrlTab();
    ctrlTab();
    EXPECT_TRUE(HasFocus(control::cbYear));
    ctrlTab();
    EXPECT_TRUE(HasFocus(control::edMisc));
    ctrlTab();
    EXPECT_TRUE(HasFocus(control::meAuthor));
    ctrlTab();
    EXPECT_TRUE(HasFocus(control::seDay));
}

TEST_F(FocusTest, ClickingATabOfAPageWithoutFieldsLeavesAVisibleFocus) {
    window->Control(control::edFirst)->setFocus(Qt::MouseFocusReason);
    window->PageControl()->setCurrentIndex(1);
    EXPECT_EQ(Focused(), window->PageControl()->tabBar());
}

} // namespace
} // namespace lirem::ui::test
