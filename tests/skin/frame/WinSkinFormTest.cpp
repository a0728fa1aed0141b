// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned frame on a test window: attaching and detaching, frame metrics
// and client geometry, caption text and caption buttons, the frames drawn for
// each state, hot tracking, the system menu and the window shape.

#include "FrameTestSkin.h"
#include "FrameTestUtil.h"

#include "skin/controls/WinSubClass.h"
#include "skin/data/SkinDraw.h"
#include "skin/frame/NCObjects.h"
#include "skin/frame/SkinMenuStyle.h"
#include "skin/frame/WinSkinForm.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace lirem::skin {
namespace {

using namespace lirem::skin::test;

constexpr QSize kClient(300, 200);

// Counts close events of the window.
class CloseSpy : public QObject {
public:
    int closes = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

QIcon TestIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(250, 120, 0));
    return QIcon(pixmap);
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { skin_ = MakeTestSkin(); }

    // A window of fixed client size with one client widget, and its frame.
    TWinSkinForm& MakeForm(bool fixed = true, bool attach = true) {
        form_ = std::make_unique<QWidget>();
        form_->setWindowTitle(QStringLiteral("Test"));
        client_ = new QWidget(form_.get());
        client_->setGeometry(QRect(QPoint(0, 0), kClient));
        if (fixed)
            form_->setFixedSize(kClient);
        else
            form_->resize(kClient);
        frame_ = new TWinSkinForm(form_.get());
        frame_->SetSkinData(skin_.get());
        if (attach)
            frame_->Loaded();
        return *frame_;
    }

public:
    TWinSysButton& Button(int action) const {
        for (const auto& b : frame_->SysButtons()) {
            if (b->Action() == action && b->Visible)
                return *b;
        }
        throw std::logic_error("no such caption button");
    }
    QPoint MinCentre() const { return Button(2).Rect.center(); }
    QPoint CloseCentre() const { return Button(0).Rect.center(); }
    QPoint BareCaption() const { return {form_->width() / 2, 2}; }
    int W() const { return form_->width(); }
    int H() const { return form_->height(); }

protected:
    std::unique_ptr<TSkinData> skin_; // outlives the window and its frame
    std::unique_ptr<QWidget> form_;
    QWidget* client_ = nullptr;
    TWinSkinForm* frame_ = nullptr;
};

// --- creation and attaching ---------------------------------------------------

TEST(TWinSkinFormOwnerTest, OwnerMustBeAForm) {
    QObject plain;
    QWidget window;
    QWidget* child = new QWidget(&window);
    QObject* const refused[] = {nullptr, &plain, child};
    for (QObject* owner : refused) {
        try {
            TWinSkinForm frame(owner);
            ADD_FAILURE() << "accepted a non-form owner";
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), "Owner must be a form.");
        }
    }
    auto* frame = new TWinSkinForm(&window);
    EXPECT_EQ(frame->parent(), &window);
    EXPECT_EQ(frame->Form(), &window);
}

TEST_F(FrameTest, DefaultsOfANewFrame) {
    TWinSkinForm& frame = MakeForm(true, false);
    EXPECT_EQ(frame.DisableTag(), 99);
    EXPECT_EQ(frame.SkinControls(), TSkinControlTypes::All());
    for (int kind = 0; kind < kSkinControlTypeCount; ++kind)
        EXPECT_TRUE(frame.SkinControls().Contains(static_cast<TSkinControlType>(kind)));
    EXPECT_FALSE(frame.Attached());
}

TEST_F(FrameTest, WithoutASkinThePlatformFrameStays) {
    struct Case {
        const char* name;
        bool setData;
        bool emptySkin;
    };
    const Case cases[] = {{"no skin data", false, false}, {"empty skin", true, true}};
    for (const Case& c : cases) {
        TSkinData empty;
        form_ = std::make_unique<QWidget>();
        form_->setFixedSize(kClient);
        auto* frame = new TWinSkinForm(form_.get());
        if (c.setData)
            frame->SetSkinData(c.emptySkin ? &empty : skin_.get());
        frame->Loaded();
        EXPECT_FALSE(frame->Attached()) << c.name;
        EXPECT_FALSE(form_->windowFlags().testFlag(Qt::FramelessWindowHint)) << c.name;
        EXPECT_EQ(form_->size(), kClient) << c.name;
        form_.reset();
    }
}

TEST_F(FrameTest, AttachInsetsTheClientAreaAndDetachRestoresIt) {
    TWinSkinForm& frame = MakeForm();
    ASSERT_TRUE(frame.Attached());
    EXPECT_TRUE(form_->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(frame.LeftWidth(), kLeft);
    EXPECT_EQ(frame.TitleHeight(), kTitle);
    EXPECT_EQ(frame.RightWidth(), kRight);
    EXPECT_EQ(frame.BottomHeight(), kBottom);
    EXPECT_EQ(frame.MenuBarHeight(), 0);
    EXPECT_EQ(form_->size(), kClient + QSize(kLeft + kRight, kTitle + kBottom));
    EXPECT_EQ(client_->geometry(), QRect(QPoint(kLeft, kTitle), kClient));
    EXPECT_EQ(frame.ClientRect(), client_->geometry());
    EXPECT_EQ(form_->palette().color(QPalette::Window), QColor(kFaceColour));

    frame.AttachSkin(false);
    EXPECT_FALSE(frame.Attached());
    EXPECT_FALSE(form_->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form_->size(), kClient);
    EXPECT_EQ(client_->geometry(), QRect(QPoint(0, 0), kClient));
    EXPECT_TRUE(form_->mask().isEmpty());
}

TEST_F(FrameTest, FaceColouredControlsFollowTheSkinsFace) {
    MakeForm(true, false);
    auto* faceMemo = new QWidget(client_);
    auto* whiteMemo = new QWidget(client_);
    const QColor oldFace = form_->palette().color(QPalette::Window);
    ASSERT_NE(oldFace, QColor(kFaceColour));
    QPalette palette = faceMemo->palette();
    palette.setColor(QPalette::Base, oldFace);
    faceMemo->setPalette(palette);
    palette.setColor(QPalette::Base, Qt::white);
    whiteMemo->setPalette(palette);

    frame_->Loaded();
    EXPECT_EQ(faceMemo->palette().color(QPalette::Base), QColor(kFaceColour));
    EXPECT_EQ(whiteMemo->palette().color(QPalette::Base), QColor(Qt::white));
    frame_->AttachSkin(false);
    EXPECT_EQ(faceMemo->palette().color(QPalette::Base), oldFace);
    EXPECT_EQ(form_->palette().color(QPalette::Window), oldFace);
}

TEST_F(FrameTest, CaptionHintsGiveWayToTheFrame) {
    struct Case {
        const char* name;
        Qt::WindowFlags flags;
        BorderIcons icons;
    };
    const Qt::WindowFlags program = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    const Case cases[] = {
        {"the program's window", program, {true, true, false, false}},
        {"platform default", Qt::Window, {true, true, false, false}}, // fixed size: no maximise
        {"with help",
         Qt::Window | Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint,
         {true, false, false, true}},
    };
    for (const Case& c : cases) {
        form_ = std::make_unique<QWidget>(nullptr, c.flags);
        form_->setFixedSize(kClient);
        const Qt::WindowFlags before = form_->windowFlags();
        frame_ = new TWinSkinForm(form_.get());
        frame_->SetSkinData(skin_.get());
        frame_->Loaded();
        EXPECT_TRUE(form_->windowFlags().testFlag(Qt::FramelessWindowHint)) << c.name;
        EXPECT_EQ(frame_->SavedBorderIcons(), c.icons) << c.name;
        frame_->AttachSkin(false);
        EXPECT_EQ(form_->windowFlags(), before) << c.name;
        form_.reset();
    }
}

TEST_F(FrameTest, LaidOutFormKeepsItsClientSize) {
    form_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(form_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    client_ = new QWidget;
    client_->setFixedSize(kClient);
    layout->addWidget(client_);
    form_->setFixedSize(kClient);
    frame_ = new TWinSkinForm(form_.get());
    frame_->SetSkinData(skin_.get());
    frame_->Loaded();
    form_->show();
    QApplication::processEvents();
    EXPECT_EQ(client_->geometry(), QRect(QPoint(kLeft, kTitle), kClient));
    EXPECT_EQ(form_->size(), kClient + QSize(kLeft + kRight, kTitle + kBottom));
}

TEST_F(FrameTest, LosingTheSkinDataDetaches) {
    TWinSkinForm& frame = MakeForm();
    frame.Notification(skin_.get(), true);
    EXPECT_FALSE(frame.Attached());
    EXPECT_EQ(frame.SkinData(), nullptr);
    EXPECT_EQ(form_->size(), kClient);
}

// The skin data may be destroyed before everything that draws from it: the
// frame (with its skinned controls, menu bar and menu style), a skinned control
// made outside a frame, and a menu style. The frame gives the window its own
// frame back; the others draw the platform's look.
TEST_F(FrameTest, TheSkinDataMayGoFirst) {
    TWinSkinForm& frame = MakeForm(true, false);
    auto* bar = new QMenuBar(form_.get());
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Quit"));
    auto* framed = new QPushButton(QStringLiteral("In the frame"), client_);
    frame.SetControlFactory(&CreateSkinControl);
    frame.Loaded();
    ASSERT_TRUE(frame.Attached());
    ASSERT_FALSE(frame.SkinnedControls().empty());

    QPushButton loose(QStringLiteral("Alone"));
    ASSERT_NE(CreateSkinControl(SkinControlClass::Button, &loose, skin_.get(), nullptr), nullptr);
    SkinMenuStyle style(skin_.get());
    QMenu popup;
    popup.setStyle(&style);
    popup.addAction(QStringLiteral("Item"));

    skin_.reset();
    EXPECT_FALSE(frame.Attached());
    EXPECT_EQ(frame.SkinData(), nullptr);
    EXPECT_TRUE(frame.SkinnedControls().empty());
    EXPECT_FALSE(form_->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form_->size(), kClient);
    // Everything paints and measures without the skin.
    EXPECT_FALSE(form_->grab().isNull());
    EXPECT_FALSE(framed->grab().isNull());
    EXPECT_FALSE(loose.grab().isNull());
    EXPECT_FALSE(popup.grab().isNull());
    frame.Loaded(); // nothing to attach to any more
    EXPECT_FALSE(frame.Attached());
    popup.setStyle(nullptr);
    form_.reset(); // the frame goes after its skin data
}

TEST_F(FrameTest, ASkinLoadedLaterAttachesThroughRefreshSkinForms) {
    skin_ = std::make_unique<TSkinData>(); // empty until loaded
    TWinSkinForm& frame = MakeForm();
    EXPECT_FALSE(frame.Attached());
    LoadTestSkin(*skin_);
    EXPECT_TRUE(frame.Attached());
    EXPECT_EQ(frame.TitleHeight(), kTitle);
    EXPECT_EQ(client_->geometry(), QRect(QPoint(kLeft, kTitle), kClient));
    // A second load keeps the client where it is.
    LoadTestSkin(*skin_);
    EXPECT_EQ(client_->geometry(), QRect(QPoint(kLeft, kTitle), kClient));
    EXPECT_EQ(form_->size(), kClient + QSize(kLeft + kRight, kTitle + kBottom));
}

// --- caption text and caption buttons --------------------------------------------

TEST_F(FrameTest, CaptionTextStartsAtTextShiftAndIsClipped) {
    TWinSkinForm& frame = MakeForm();
    frame.LayoutFrame();
    const QFontMetrics fm(frame.CaptionFont());
    const QRect text = frame.TitleTextRect();
    EXPECT_EQ(text.left(), kLeft + kTextShift);
    EXPECT_EQ(text.height(), fm.height());
    EXPECT_EQ(text.top(), (kTitle - fm.height()) / 2);
    // The three trailing blanks count.
    EXPECT_GE(text.width(), fm.horizontalAdvance(QStringLiteral("  Test   ")));
    EXPECT_GT(text.width(), fm.horizontalAdvance(QStringLiteral("  Test  ")));

    form_->setWindowTitle(QString(200, QLatin1Char('W')));
    EXPECT_EQ(frame.TitleTextRect().left() + frame.TitleTextRect().width(), W() - kRight - kTextRightClip);
}

TEST_F(FrameTest, CaptionButtonsArePlacedAndShownByTheirRules) {
    struct Case {
        const char* name;
        bool fixed;
        bool maxVisible;
    };
    const Case cases[] = {{"fixed window", true, false}, {"resizable window", false, true}};
    for (const Case& c : cases) {
        MakeForm(c.fixed, false);
        form_->setWindowIcon(TestIcon());
        frame_->Loaded();
        frame_->LayoutFrame();
        const auto& buttons = frame_->SysButtons();
        ASSERT_EQ(buttons.size(), 5u) << c.name;
        const QSize size(kButtonSize, kButtonSize);
        EXPECT_TRUE(buttons[0]->Visible) << c.name;
        EXPECT_EQ(buttons[0]->Rect, QRect(QPoint(W() - kMinX, kButtonY), size)) << c.name;
        EXPECT_EQ(buttons[1]->Visible, c.maxVisible) << c.name;
        if (c.maxVisible) {
            EXPECT_EQ(buttons[1]->Rect, QRect(QPoint(W() - 28, kButtonY), size)) << c.name;
        }
        EXPECT_TRUE(buttons[2]->Visible) << c.name;
        EXPECT_EQ(buttons[2]->Rect, QRect(QPoint(W() - kCloseX, kButtonY), size)) << c.name;
        EXPECT_FALSE(buttons[3]->Visible) << c.name; // restore: only when maximised
        EXPECT_TRUE(buttons[4]->Visible) << c.name;
        EXPECT_EQ(buttons[4]->FrameCount(), 6) << c.name;
        EXPECT_EQ(buttons[4]->Rect.topLeft(), QPoint(kIconX, kIconY)) << c.name;
        EXPECT_EQ(buttons[4]->Image().width(), 6 * buttons[4]->Rect.width()) << c.name;
        form_.reset();
    }
}

TEST_F(FrameTest, IconButtonWithoutAnIconIsNotPlaced) {
    MakeForm();
    frame_->LayoutFrame();
    EXPECT_TRUE(frame_->SysButtons()[4]->Rect.isEmpty());
    EXPECT_EQ(frame_->ObjectAt(QPoint(kIconX + 2, kIconY + 2)), nullptr);
}

// --- what is drawn ------------------------------------------------------------------

TEST_F(FrameTest, FramesDrawnForActiveAndInactiveWindows) {
    MakeForm();
    struct Part {
        const char* name;
        QPoint (*at)(int w, int h);
        QRgb active, inactive;
    };
    const Part parts[] = {
        {"left border", [](int, int) { return QPoint(2, 60); }, kLeftColour[0], kLeftColour[1]},
        {"right border", [](int w, int) { return QPoint(w - 3, 60); }, kRightColour[0], kRightColour[1]},
        {"top border", [](int, int) { return QPoint(kLeft + 3, 1); }, kTopColour[0], kTopColour[1]},
        {"bottom border", [](int w, int h) { return QPoint(w / 2, h - 2); }, kBottomColour[0], kBottomColour[1]},
        {"minimise, 3 frames", [](int w, int) { return QPoint(w - kMinX + 5, kButtonY + 5); }, kButtonColour[0],
         kButtonColour[0]},
        {"close, 4 frames", [](int w, int) { return QPoint(w - kCloseX + 5, kButtonY + 5); }, kButtonColour[0],
         kButtonColour[3]},
        {"client", [](int w, int h) { return QPoint(w / 2, h / 2); }, kFaceColour, kFaceColour},
    };
    for (bool active : {true, false}) {
        SetActive(*form_, active);
        const QImage shot = form_->grab().toImage();
        for (const Part& p : parts) {
            const QRgb expected = active ? p.active : p.inactive;
            EXPECT_EQ(QColor(shot.pixel(p.at(W(), H()))), QColor(expected))
                << p.name << (active ? " active" : " inactive");
        }
        EXPECT_NE(QColor(shot.pixel(0, 0)), QColor(255, 0, 255)) << "magenta reached the screen";
    }
}

TEST_F(FrameTest, HotAndPressedButtonsShowTheirFrames) {
    MakeForm();
    SetActive(*form_, true);
    TWinSysButton& min = Button(2);
    const QPoint inside = min.Rect.topLeft() + QPoint(2, 2);

    MoveTo(*form_, inside);
    EXPECT_EQ(frame_->HotObject(), &min);
    EXPECT_EQ(min.State, NCState::Hot);
    EXPECT_EQ(QColor(PixelAt(*form_, inside)), QColor(kButtonColour[2]));

    Press(*form_, inside);
    EXPECT_EQ(min.State, NCState::Pressed);
    EXPECT_EQ(QColor(PixelAt(*form_, inside)), QColor(kButtonColour[1]));

    // Moving to another button hands the hot state over.
    MoveTo(*form_, CloseCentre(), Qt::LeftButton);
    EXPECT_EQ(min.State, NCState::Normal);
    EXPECT_EQ(frame_->HotObject(), &Button(0));
}

TEST_F(FrameTest, PressStaysWhenTheWindowSystemActivatesAfterIt) {
    MakeForm();
    form_->show();
    SetActive(*form_, false);
    CloseSpy spy;
    form_->installEventFilter(&spy);
    Press(*form_, CloseCentre());
    SetActive(*form_, true);
    EXPECT_EQ(Button(0).State, NCState::Pressed);
    Release(*form_, CloseCentre());
    QApplication::processEvents();
    EXPECT_EQ(spy.closes, 1);
}

TEST_F(FrameTest, InactiveWindowDoesNoHotTracking) {
    MakeForm();
    SetActive(*form_, false);
    MoveTo(*form_, MinCentre());
    EXPECT_EQ(frame_->HotObject(), nullptr);
    EXPECT_EQ(Button(2).State, NCState::Normal);
}

TEST_F(FrameTest, HoverTimerEndsHotTracking) {
    MakeForm();
    SetActive(*form_, true);
    MoveTo(*form_, MinCentre());
    ASSERT_NE(frame_->HoverTimer(), nullptr);
    EXPECT_EQ(frame_->HoverTimer()->interval(), 250);
    EXPECT_TRUE(frame_->HoverTimer()->isActive());

    frame_->HoverCheck(MinCentre()); // still over it: keeps running
    EXPECT_TRUE(frame_->HoverTimer()->isActive());
    EXPECT_EQ(Button(2).State, NCState::Hot);

    frame_->HoverCheck(QPoint(-50, -50)); // the mouse has left
    EXPECT_FALSE(frame_->HoverTimer()->isActive());
    EXPECT_EQ(frame_->HotObject(), nullptr);
    EXPECT_EQ(Button(2).State, NCState::Normal);
}

TEST_F(FrameTest, PressOnAButtonReleasedElsewhereDoesNothing) {
    struct Case {
        const char* name;
        QPoint (*where)(const FrameTest&);
    };
    const Case cases[] = {
        {"bare caption", [](const FrameTest& t) { return t.BareCaption(); }},
        {"client area", [](const FrameTest& t) { return QPoint(t.W() / 2, t.H() / 2); }},
        {"outside the window", [](const FrameTest& t) { return QPoint(t.W() + 40, -30); }},
        {"the close button", [](const FrameTest& t) { return t.CloseCentre(); }},
    };
    for (const Case& c : cases) {
        MakeForm();
        form_->show();
        SetActive(*form_, true);
        CloseSpy spy;
        form_->installEventFilter(&spy);
        const QPoint min = MinCentre();
        MoveTo(*form_, min);
        Press(*form_, min);
        const QPoint to = c.where(*this);
        MoveTo(*form_, to, Qt::LeftButton);
        Release(*form_, to);
        QApplication::processEvents();
        EXPECT_FALSE(form_->isMinimized()) << c.name;
        EXPECT_TRUE(form_->isVisible()) << c.name;
        EXPECT_EQ(spy.closes, 0) << c.name;
        EXPECT_EQ(Button(2).State, NCState::Normal) << c.name;
        form_.reset();
    }
}

TEST_F(FrameTest, ClickingCaptionButtonsActs) {
    MakeForm();
    form_->show();
    SetActive(*form_, true);
    MoveTo(*form_, MinCentre());
    Press(*form_, MinCentre());
    Release(*form_, MinCentre());
    EXPECT_TRUE(form_->isMinimized());

    form_->showNormal();
    SetActive(*form_, true);
    CloseSpy spy;
    form_->installEventFilter(&spy);
    MoveTo(*form_, CloseCentre());
    Press(*form_, CloseCentre());
    Release(*form_, CloseCentre());
    QApplication::processEvents(); // the close request is posted
    EXPECT_EQ(spy.closes, 1);
    EXPECT_FALSE(form_->isVisible());
}

TEST_F(FrameTest, MaximiseAndRestoreButtonsToggleAResizableWindow) {
    MakeForm(false);
    form_->show();
    SetActive(*form_, true);
    const auto click = [this](int action) {
        const QPoint at = Button(action).Rect.center();
        MoveTo(*form_, at);
        Press(*form_, at);
        Release(*form_, at);
        QApplication::processEvents();
    };
    click(1);
    ASSERT_TRUE(form_->isMaximized());
    const auto& buttons = frame_->SysButtons();
    EXPECT_FALSE(buttons[1]->Visible); // maximise: only when not maximised
    EXPECT_TRUE(buttons[3]->Visible);  // restore: only when maximised
    EXPECT_EQ(buttons[3]->Rect.topLeft(), QPoint(W() - 28, kButtonY));
    click(1); // the restore button has action 1 too
    EXPECT_FALSE(form_->isMaximized());
}

TEST_F(FrameTest, DoubleClickOnTheCaptionMaximisesOnlyAResizableWindow) {
    for (bool fixed : {true, false}) {
        MakeForm(fixed);
        form_->show();
        SetActive(*form_, true);
        SendMouse(*form_, QEvent::MouseButtonDblClick, BareCaption(), Qt::LeftButton, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(form_->isMaximized(), !fixed);
        form_.reset();
    }
}

TEST_F(FrameTest, ActivationChangeRepaintsTheFrame) {
    MakeForm();
    form_->show();
    QApplication::processEvents();
    struct PaintSpy : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } spy;
    form_->installEventFilter(&spy);
    SetActive(*form_, false);
    QApplication::processEvents();
    EXPECT_TRUE(spy.painted.contains(QPoint(1, H() / 2)));
    EXPECT_TRUE(spy.painted.contains(QPoint(W() / 2, 1)));
    EXPECT_FALSE(spy.painted.contains(QPoint(W() / 2, H() / 2))) << "the client area need not be repainted";
}

// --- window shape -----------------------------------------------------------------------

TEST_F(FrameTest, WindowRegionCutsTheMagentaCorners) {
    MakeForm(false);
    form_->show();
    struct Row {
        int y, from, to; // the region covers [from, W - to) on row y
    };
    const Row rows[] = {{0, 3, 3}, {1, 2, 2}, {2, 1, 1}, {3, 0, 0}, {100, 0, 0}};
    for (QSize size : {form_->size(), QSize(420, 260)}) {
        form_->resize(size); // every size change rebuilds the region
        const QRegion region = frame_->WindowRegion();
        EXPECT_EQ(region, form_->mask());
        EXPECT_EQ(region.boundingRect(), form_->rect());
        // The same as scanning the whole painted frame for see-through pixels.
        QImage painted(form_->size(), QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        QPainter painter(&painted);
        frame_->PaintFrame(painter);
        painter.end();
        const QRegion scanned = RegionFromBitmap(painted, kMagenta, 1, 1, 1) + frame_->ClientRect();
        EXPECT_TRUE(region.xored(scanned).isEmpty());
        for (const Row& r : rows) {
            const QRect line(0, r.y, W(), 1);
            EXPECT_EQ(region.intersected(line), QRegion(QRect(r.from, r.y, W() - r.from - r.to, 1)))
                << "row " << r.y << " at width " << W();
        }
    }
}

// --- system menu ---------------------------------------------------------------------------

TEST_F(FrameTest, SystemMenuItemsAndStates) {
    MakeForm();
    QMenu* menu = frame_->SystemMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    const struct {
        const char* text;
        SysCommand command;
        bool enabled; // on the fixed window
    } expected[] = {
        {"Restore", SysCommand::Restore, false},
        {"Minimize", SysCommand::Minimize, true},
        {"Maximize", SysCommand::Maximize, false},
        {"Close", SysCommand::Close, true},
    };
    frame_->PopupSystemMenu(QPoint(100, 100));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(items[i]->text(), QString::fromLatin1(expected[i].text));
        EXPECT_EQ(items[i]->data().toInt(), static_cast<int>(expected[i].command));
        EXPECT_EQ(items[i]->isEnabled(), expected[i].enabled) << expected[i].text;
    }
    menu->hide();
}

TEST_F(FrameTest, SystemMenuCommands) {
    MakeForm();
    form_->show();
    const QSize size = form_->size();
    frame_->RunSystemCommand(SysCommand::Maximize); // the fixed window stays as it is
    EXPECT_FALSE(form_->isMaximized());
    EXPECT_EQ(form_->size(), size);
    frame_->RunSystemCommand(SysCommand::Restore);
    EXPECT_EQ(form_->windowState(), Qt::WindowNoState);
    frame_->RunSystemCommand(SysCommand::Minimize);
    EXPECT_TRUE(form_->isMinimized());
    frame_->RunSystemCommand(SysCommand::Restore);
    EXPECT_FALSE(form_->isMinimized());
    frame_->SystemMenu()->actions()[3]->trigger(); // "Close"
    EXPECT_FALSE(form_->isVisible());
}

TEST_F(FrameTest, RightClickOnTheCaptionOpensTheSystemMenu) {
    MakeForm();
    form_->show();
    SetActive(*form_, true);
    Press(*form_, BareCaption(), Qt::RightButton);
    EXPECT_TRUE(frame_->SystemMenu()->isVisible());
    frame_->SystemMenu()->hide();

    Press(*form_, QPoint(W() / 2, H() / 2), Qt::RightButton); // client area: not the frame's
    EXPECT_FALSE(frame_->SystemMenu()->isVisible());
}

TEST_F(FrameTest, IconButtonOpensTheSystemMenu) {
    MakeForm(true, false);
    form_->setWindowIcon(TestIcon());
    frame_->Loaded();
    form_->show();
    SetActive(*form_, true);
    frame_->LayoutFrame();
    const QPoint icon = frame_->SysButtons()[4]->Rect.center();
    MoveTo(*form_, icon);
    Press(*form_, icon);
    Release(*form_, icon);
    EXPECT_TRUE(frame_->SystemMenu()->isVisible());
    frame_->SystemMenu()->hide();
}

// --- the program's skin ------------------------------------------------------------------------

TEST(ProgramSkinFrameTest, MetricsButtonsAndCaption) {
    const std::unique_ptr<TSkinData> skin = LoadProgramSkin();
    ASSERT_FALSE(skin->SkinEmpty());
    QWidget form;
    form.setWindowTitle(QStringLiteral("Нумерологический Калькулятор Lirem 3.0"));
    form.setWindowIcon(TestIcon());
    form.setFixedSize(681, 381);
    auto* client = new QWidget(&form);
    client->setGeometry(0, 0, 681, 381);
    auto* frame = new TWinSkinForm(&form);
    frame->SetSkinData(skin.get());
    frame->Loaded();
    ASSERT_TRUE(frame->Attached());
    EXPECT_EQ(frame->FrameMargins(), QMargins(10, 33, 12, 13));
    EXPECT_EQ(form.size(), QSize(681 + 22, 381 + 46));
    EXPECT_EQ(client->geometry(), QRect(10, 33, 681, 381));

    frame->LayoutFrame();
    const int w = form.width();
    const auto& b = frame->SysButtons();
    ASSERT_EQ(b.size(), 5u);
    EXPECT_EQ(b[0]->Rect, QRect(w - 61, 4, 19, 20)); // minimise
    EXPECT_FALSE(b[1]->Visible);                     // maximise
    EXPECT_EQ(b[2]->Rect, QRect(w - 23, 4, 19, 20)); // close
    EXPECT_FALSE(b[3]->Visible);                     // restore
    EXPECT_TRUE(b[4]->Visible);                      // icon
    EXPECT_EQ(b[4]->Rect.topLeft(), QPoint(14, 6));
    EXPECT_EQ(frame->TitleTextRect().left(), 10 + 60);
    delete frame; // before the skin data goes
}

} // namespace
} // namespace lirem::skin
