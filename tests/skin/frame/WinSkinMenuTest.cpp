// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned menu bar and the skinned menus on a test window with a menu.

#include "FrameTestSkin.h"
#include "FrameTestUtil.h"

#include "skin/frame/NCObjects.h"
#include "skin/frame/SkinMenuStyle.h"
#include "skin/frame/WinSkinForm.h"
#include "skin/frame/WinSkinMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace lirem::skin {
namespace {

using namespace lirem::skin::test;

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin_ = MakeTestSkin();
        form_ = std::make_unique<QWidget>();
        form_->setWindowTitle("Menus");
        auto* layout = new QVBoxLayout(form_.get());
        layout->setContentsMargins(0, 0, 0, 0);
        bar_ = new QMenuBar(form_.get());
        layout->setMenuBar(bar_);
        client_ = new QWidget;
        client_->setFixedSize(300, 200);
        layout->addWidget(client_);
        file_ = bar_->addMenu("&File");
        open_ = file_->addAction("Open");
        open_->setShortcut(QKeySequence("Ctrl+O"));
        file_->addSeparator();
        exit_ = file_->addAction("Exit");
        edit_ = bar_->addMenu("&Edit");
        edit_->addAction(QStringLiteral("Копировать"));
        help_ = bar_->addMenu("&Help");
        help_->addAction("About");
        popup_ = new QMenu(form_.get());
        popup_->addAction("Context item");

        frame_ = new TWinSkinForm(form_.get());
        frame_->SetSkinData(skin_.get());
        frame_->Loaded();
        form_->show();
        QApplication::processEvents();
        SetActive(*form_, true);
    }
    void TearDown() override {
        QApplication::processEvents();
        form_.reset();
    }

    TWinSkinMenu& Bar() const { return *frame_->MenuBar(); }
    TMenuBtn& Item(int i) const { return *Bar().Items()[static_cast<std::size_t>(i)]; }

    std::unique_ptr<TSkinData> skin_;
    std::unique_ptr<QWidget> form_;
    QMenuBar* bar_ = nullptr;
    QWidget* client_ = nullptr;
    QMenu *file_ = nullptr, *edit_ = nullptr, *help_ = nullptr, *popup_ = nullptr;
    QAction *open_ = nullptr, *exit_ = nullptr;
    TWinSkinForm* frame_ = nullptr;
};

TEST_F(MenuTest, MenuBarSitsUnderTheTitle) {
    ASSERT_NE(frame_->MenuBar(), nullptr);
    EXPECT_FALSE(bar_->isVisible()) << "the platform's menu bar is detached";
    const int height = frame_->MenuBarHeight();
    EXPECT_GT(height, 0);
    EXPECT_EQ(frame_->MenuBarRect(), QRect(kLeft, kTitle, form_->width() - kLeft - kRight, height));
    EXPECT_EQ(frame_->ClientRect().top(), kTitle + height);
    EXPECT_EQ(client_->geometry(), QRect(kLeft, kTitle + height, 300, 200));
    EXPECT_EQ(QColor(PixelAt(*form_, QPoint(kLeft + 1, kTitle + height / 2))), QColor(kMenuBarColour));
}

TEST_F(MenuTest, ItemsAreLaidOutFromTheBarsLeftWidth) {
    const QFontMetrics fm(form_->font());
    const char* captions[] = {"&File", "&Edit", "&Help"};
    ASSERT_EQ(Bar().Items().size(), 3u);
    int x = kLeft + kMenuLeftWidth + 4;
    for (int i = 0; i < 3; ++i) {
        const int text = fm.boundingRect(QRect(), Qt::TextShowMnemonic, captions[i]).width();
        EXPECT_EQ(Item(i).Rect, QRect(x, kTitle, text + 24 + 2, frame_->MenuBarHeight())) << captions[i];
        x += Item(i).Rect.width();
    }
}

TEST_F(MenuTest, PressingAnItemOpensItsMenuBelowIt) {
    const QPoint at = Item(0).Rect.center();
    MoveTo(*form_, at);
    EXPECT_EQ(Item(0).State, NCState::Hot);
    Press(*form_, at);
    ASSERT_TRUE(Bar().IsPopupOpen());
    EXPECT_EQ(Bar().OpenPopup(), file_);
    EXPECT_TRUE(file_->isVisible());
    EXPECT_EQ(Item(0).State, NCState::Pressed);
    EXPECT_EQ(file_->pos(), form_->mapToGlobal(QPoint(Item(0).Rect.left(), Item(0).Rect.bottom() + 1)));

    file_->hide();
    EXPECT_FALSE(Bar().IsPopupOpen());
    EXPECT_EQ(Item(0).State, NCState::Normal);
}

TEST_F(MenuTest, ArrowKeysMoveAlongTheBarAndWrap) {
    Bar().OpenItem(0);
    const struct {
        Qt::Key key;
        int open;
    } steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 0}, {Qt::Key_Left, 2}, {Qt::Key_Left, 1}};
    for (const auto& s : steps) {
        QMenu* current = Bar().OpenPopup();
        ASSERT_NE(current, nullptr);
        QKeyEvent key(QEvent::KeyPress, s.key, Qt::NoModifier);
        QApplication::sendEvent(current, &key);
        EXPECT_EQ(Bar().OpenIndex(), s.open);
        EXPECT_FALSE(current->isVisible());
        EXPECT_EQ(Item(s.open).State, NCState::Pressed);
    }
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Bar().OpenPopup(), &escape);
    EXPECT_FALSE(Bar().IsPopupOpen());
}

TEST_F(MenuTest, AltClosesTheOpenMenu) {
    Bar().OpenItem(1);
    QKeyEvent alt(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QApplication::sendEvent(edit_, &alt);
    EXPECT_FALSE(Bar().IsPopupOpen());
    EXPECT_FALSE(edit_->isVisible());
}

TEST_F(MenuTest, MouseOverAnotherItemSwitchesTheOpenMenu) {
    Bar().OpenItem(0);
    const QPoint over = form_->mapToGlobal(Item(2).Rect.center());
    QMouseEvent move(QEvent::MouseMove, QPointF(file_->mapFromGlobal(over)), QPointF(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(file_, &move);
    EXPECT_EQ(Bar().OpenIndex(), 2);
    EXPECT_TRUE(help_->isVisible());
}

TEST_F(MenuTest, AltAcceleratorOpensTheItem) {
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QTest::keyClick(form_.get(), Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(Bar().OpenIndex(), 1);
    EXPECT_TRUE(edit_->isVisible());
}

TEST_F(MenuTest, MenusAreSkinned) {
    for (QMenu* menu : {file_, edit_, help_, popup_})
        EXPECT_NE(dynamic_cast<SkinMenuStyle*>(menu->style()), nullptr) << menu->title().toStdString();
    EXPECT_TRUE(file_->property(kMainMenuProperty).toBool());
    EXPECT_FALSE(popup_->property(kMainMenuProperty).toBool());

    // Measuring: caption + 26 in the main menu, + 28 in a popup menu.
    const QFontMetrics fm(file_->font());
    QStyleOptionMenuItem item;
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.text = "Exit";
    item.font = file_->font();
    const int text = fm.boundingRect(QRect(), Qt::TextShowMnemonic | Qt::TextSingleLine, "Exit").width();
    EXPECT_EQ(file_->style()->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(), file_).width(), text + 26);
    EXPECT_EQ(popup_->style()->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(), popup_).width(), text + 28);

    frame_->AttachSkin(false);
    EXPECT_EQ(dynamic_cast<SkinMenuStyle*>(file_->style()), nullptr);
    EXPECT_TRUE(bar_->isVisibleTo(form_.get()));
}

TEST_F(MenuTest, ItemsGetTheirMeasuredWidth) {
    for (QMenu* menu : {file_, edit_}) {
        menu->popup(QPoint(10, 10));
        int widest = 0;
        int shortcutColumn = 0;
        std::vector<std::pair<QAction*, int>> measured;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            QStyleOptionMenuItem item;
            item.menuItemType = QStyleOptionMenuItem::Normal;
            item.text = action->text();
            if (!action->shortcut().isEmpty())
                item.text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText);
            item.font = menu->font();
            const int width = menu->style()->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(), menu).width();
            measured.emplace_back(action, width);
            widest = std::max(widest, width);
            shortcutColumn = std::max(
                shortcutColumn,
                QFontMetrics(menu->font()).horizontalAdvance(action->shortcut().toString(QKeySequence::NativeText)));
        }
        for (const auto& [action, width] : measured) {
            EXPECT_GE(menu->actionGeometry(action).width(), width) << action->text().toStdString();
            // The shortcut column is added once, by the menu.
            EXPECT_LE(menu->actionGeometry(action).width(), widest + shortcutColumn) << action->text().toStdString();
        }
        menu->hide();
    }
}

TEST_F(MenuTest, SelectedItemIsDrawnInTheHighlight) {
    file_->popup(QPoint(100, 100));
    file_->setActiveAction(open_);
    const QImage shot = file_->grab().toImage();
    const QRect open = file_->actionGeometry(open_);
    const QRect exit = file_->actionGeometry(exit_);
    EXPECT_EQ(QColor(shot.pixel(open.left() + 2, open.top() + 1)), QColor(64, 112, 176));
    EXPECT_EQ(QColor(shot.pixel(exit.left() + 2, exit.top() + 1)), QColor(kFaceColour));
    file_->hide();
}

TEST(MenuStyleTest, Tag999ItemsKeepThePlatformLook) {
    const std::unique_ptr<TSkinData> skin = MakeTestSkin();
    SkinMenuStyle style(skin.get());
    QMenu menu;
    QAction* own = menu.addAction("Own");
    own->setProperty("Tag", 999);
    menu.addAction("Skinned");
    QStyleOptionMenuItem item;
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.font = menu.font();
    item.text = "Skinned";
    const int skinned = QFontMetrics(menu.font()).boundingRect(QRect(), Qt::TextShowMnemonic, "Skinned").width();
    EXPECT_EQ(style.sizeFromContents(QStyle::CT_MenuItem, &item, QSize(10, 10), &menu).width(), skinned + 28);
    item.text = "Own";
    EXPECT_EQ(style.sizeFromContents(QStyle::CT_MenuItem, &item, QSize(10, 10), &menu),
              style.baseStyle()->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(10, 10), &menu));
}

} // namespace
} // namespace lirem::skin
