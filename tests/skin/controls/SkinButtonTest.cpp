// SPDX-License-Identifier: GPL-3.0-or-later
// Push buttons: the router, the press/release/space behaviour and the frames
// and caption colours as they appear on screen.

#include "Harness.h"

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinScratch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace lirem::skin::test;
using lirem::skin::SkinControlClass;

namespace {

// A button that counts the presses it sees itself.
class CountingButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        QPushButton::mousePressEvent(event);
    }
};

struct ButtonFixture : ::testing::Test {
    Harness harness;
    CountingButton* button = nullptr;
    QPushButton* other = nullptr;

    void SetUp() override {
        other = harness.Add(SkinControlClass::Button, QRect(10, 80, 100, 30), new QPushButton("Другая"));
        button = harness.Add(SkinControlClass::Button, QRect(10, 10, 120, 34), new CountingButton("Рассчитать"));
        QFont font = button->font();
        font.setPixelSize(18);
        font.setStyleStrategy(QFont::NoAntialias);
        button->setFont(font);
        harness.Show();
    }
    lirem::skin::TSkinButton* Skin() const { return qobject_cast<lirem::skin::TSkinButton*>(harness.Skinned()); }
    // A pixel of the button's face away from the caption and the corner.
    QColor Face() const { return Harness::Shot(*button).pixel(60, 2); }
};

TEST_F(ButtonFixture, PressAndReleaseOverTheButtonClicksOnce) {
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 2));
    EXPECT_EQ(button->presses, 0) << "the skin takes the press";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(Skin()->Pressed());
}

TEST_F(ButtonFixture, PressOverTheButtonReleasedElsewhereDoesNotClick) {
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_NE(Face(), FrameColour(kButtonBase, 2));
}

TEST_F(ButtonFixture, DoubleClickClicksTwice) {
    // A double click arrives as press, release, double-click, release.
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 20));
    const QPointF at(20, 20);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &twice);
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 2));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ButtonFixture, PressTakesTheFocus) {
    other->setFocus();
    ASSERT_TRUE(other->hasFocus());
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(button->hasFocus());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 20));
}

TEST_F(ButtonFixture, ButtonThatCannotTakeFocusHandlesThePressItself) {
    other->setFocus();
    button->setFocusPolicy(Qt::NoFocus);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(button->presses, 1);
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 2)) << "down by its own account";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonFixture, SpaceShowsThePressedFrameUntilReleased) {
    button->setFocus();
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 2));
    // A held key repeats as release/press pairs: still pressed.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(button, &repeatRelease);
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 2));
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 4)) << "focused";
    EXPECT_EQ(clicks.count(), 1) << "the button's own space handling clicks";
}

TEST_F(ButtonFixture, OtherKeysLeaveTheFrame) {
    button->setFocus();
    QTest::keyPress(button, Qt::Key_A);
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 4));
    QTest::keyRelease(button, Qt::Key_A);
}

TEST_F(ButtonFixture, FramesByState) {
    struct Case {
        const char* name;
        bool focused;
        bool hot;
        bool enabled;
        int frame;
    };
    const Case cases[] = {
        {"normal", false, false, true, 1},    {"hot", false, true, true, 4},
        {"focused", true, false, true, 4},    {"focused and hot", true, true, true, 4},
        {"disabled", false, false, false, 3}, {"disabled while hot", false, true, false, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        button->setEnabled(true);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        other->setFocus();
        if (c.focused)
            button->setFocus();
        if (c.hot) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(button, &enter);
        }
        button->setEnabled(c.enabled);
        EXPECT_EQ(Face(), FrameColour(kButtonBase, c.frame));
    }
}

TEST_F(ButtonFixture, HotFollowsTheMouse) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    EXPECT_TRUE(Skin()->Hot());
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 4));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(Skin()->Hot());
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 1));
}

TEST_F(ButtonFixture, DisabledCaptionInButtonShadow) {
    button->setEnabled(false);
    const QImage shot = Harness::Shot(*button);
    const QList<QRgb> ink = ColoursBut(shot, QRect(10, 6, 100, 22), FrameColour(kButtonBase, 3).rgb());
    ASSERT_FALSE(ink.isEmpty()) << "no caption drawn";
    EXPECT_EQ(ink, QList<QRgb>{kShadow.rgb()});
}

TEST_F(ButtonFixture, CaptionInButtonText) {
    const QImage shot = Harness::Shot(*button);
    const QList<QRgb> ink = ColoursBut(shot, QRect(10, 6, 100, 22), FrameColour(kButtonBase, 1).rgb());
    EXPECT_EQ(ink, QList<QRgb>{kButtonText.rgb()});
}

TEST_F(ButtonFixture, MagentaShowsButtonFace) {
    EXPECT_EQ(QColor(Harness::Shot(*button).pixel(0, 0)), kFace);
}

TEST_F(ButtonFixture, TextChangeRepaintsWithTheSkin) {
    button->setText(QStringLiteral("Другой текст"));
    EXPECT_EQ(Face(), FrameColour(kButtonBase, 1));
}

TEST(ButtonColours, CaptionColourFromTheColourNumbers) {
    Harness harness(MakeTestSkin({.statusBarEdges = true, .buttonColours = true}));
    auto* button = harness.Add(SkinControlClass::Button, QRect(10, 10, 120, 34), new QPushButton("Цвет"));
    auto* other = harness.Add(SkinControlClass::Button, QRect(10, 50, 120, 34), new QPushButton("Фокус"));
    QFont font = button->font();
    font.setPixelSize(18);
    font.setStyleStrategy(QFont::NoAntialias);
    button->setFont(font);
    harness.Show();
    other->setFocus();
    struct Case {
        const char* name;
        bool hot;
        int frame;
        QColor ink;
    };
    const Case cases[] = {{"normal: NormalColour 0", false, 1, kColour0},
                          {"hot: MouseOverColour 1", true, 4, kColour1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.hot) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(button, &enter);
        }
        const QImage shot = Harness::Shot(*button);
        EXPECT_EQ(ColoursBut(shot, QRect(10, 6, 100, 22), FrameColour(kButtonBase, c.frame).rgb()),
                  QList<QRgb>{c.ink.rgb()});
    }
}

// --- The router ------------------------------------------------------------

TEST(Router, WithoutAButtonImageTheButtonKeepsItsOwnBehaviour) {
    Harness harness(std::make_unique<lirem::skin::TSkinData>()); // empty skin
    auto* button = harness.Add(SkinControlClass::Button, QRect(10, 10, 100, 30), new CountingButton("Кнопка"));
    harness.Show();
    const QImage before = Harness::Shot(*button);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(button->presses, 1);
    EXPECT_EQ(clicks.count(), 1);
    auto* plain = new QPushButton("Кнопка", &harness.Window());
    plain->setGeometry(10, 50, 100, 30);
    plain->show();
    button->clearFocus();
    plain->clearFocus();
    EXPECT_EQ(Harness::Shot(*button), Harness::Shot(*plain)) << "an empty skin draws nothing";
    static_cast<void>(before);
}

TEST(Router, ControlDestroyedFirstDetaches) {
    Harness harness;
    auto* button = harness.Add(SkinControlClass::Button, QRect(10, 10, 100, 30), new QPushButton("Кнопка"));
    auto* skinned = qobject_cast<lirem::skin::TSkinControl*>(harness.Skinned());
    ASSERT_NE(skinned, nullptr);
    EXPECT_TRUE(skinned->Attached());
    delete button;
    EXPECT_FALSE(skinned->Attached());
    EXPECT_EQ(skinned->Control(), nullptr);
}

TEST(Router, SkinObjectDestroyedFirstGivesTheControlBack) {
    Harness harness;
    auto* button = harness.Add(SkinControlClass::Button, QRect(10, 10, 100, 30), new CountingButton("Кнопка"));
    harness.Show();
    delete harness.Skinned();
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 15));
    EXPECT_EQ(button->presses, 1);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_NE(QColor(Harness::Shot(*button).pixel(50, 2)), FrameColour(kButtonBase, 1));
}

TEST(Router, ObjectsAreOwnedByTheOwnerAndShareItsScratch) {
    Harness harness;
    harness.Add(SkinControlClass::Button, QRect(10, 10, 100, 30), new QPushButton("1"));
    QObject* first = harness.Skinned();
    harness.Add(SkinControlClass::Button, QRect(10, 50, 100, 30), new QPushButton("2"));
    EXPECT_EQ(first->parent(), &harness.Owner());
    EXPECT_EQ(harness.Skinned()->parent(), &harness.Owner());
    EXPECT_EQ(harness.Owner().findChildren<lirem::skin::SkinScratch*>().size(), 1);
}

TEST(Router, NothingIsMadeWithoutControlOrSkin) {
    Harness harness;
    QPushButton button;
    EXPECT_EQ(lirem::skin::CreateSkinControl(SkinControlClass::Button, nullptr, &harness.Data(), &harness.Owner()),
              nullptr);
    EXPECT_EQ(lirem::skin::CreateSkinControl(SkinControlClass::Button, &button, nullptr, &harness.Owner()), nullptr);
}

// --- The program's skin ----------------------------------------------------

TEST(ProgramSkin, ButtonsShowTheFramesOfButtonBmp) {
    Harness harness(MakeProgramSkin());
    ASSERT_FALSE(harness.Data().SkinEmpty());
    const QImage& image = harness.Data().Buttons().Bitmap;
    ASSERT_EQ(image.size(), QSize(360, 24));
    auto* button = harness.Add(SkinControlClass::Button, QRect(10, 10, 113, 25), new QPushButton("Рассчитать"));
    auto* other = harness.Add(SkinControlClass::Button, QRect(10, 50, 113, 25), new QPushButton("Другая"));
    harness.Show();
    struct Case {
        const char* name;
        int frame;
    };
    // Corners are copied at their own size (12 x 11), so pixel (6, 5) of the
    // button is pixel (6, 5) of the frame.
    for (const Case& c : {Case{"normal", 1}, Case{"focused", 4}, Case{"disabled", 3}}) {
        SCOPED_TRACE(c.name);
        button->setEnabled(c.frame != 3);
        if (c.frame == 4)
            button->setFocus();
        else
            other->setFocus();
        const QColor expected = QColor::fromRgba(image.pixel((c.frame - 1) * 72 + 6, 5));
        EXPECT_EQ(QColor(Harness::Shot(*button).pixel(6, 5)), expected);
    }
}

} // namespace
