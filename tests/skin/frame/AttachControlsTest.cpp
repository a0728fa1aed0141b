// SPDX-License-Identifier: GPL-3.0-or-later
// Which skinned-control objects the frame asks for: the rule table in its
// order, the kind bits, and the DisableTag.

#include "FrameTestSkin.h"

#include "skin/frame/WinSkinForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace lirem::skin {
namespace {

using Calls = std::multimap<std::string, SkinControlClass>;

// Builds a window with every kind of control, each named after itself.
class AttachControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_.reset(); // the window and its frame go before their skin
        skin_ = test::MakeTestSkin();
        form_ = std::make_unique<QWidget>();
        form_->setFixedSize(500, 400);
        auto* client = new QWidget(form_.get());
        client->setObjectName("client");
        client->setGeometry(0, 0, 500, 400);
        Add<QPushButton>(client, "button");
        Add<QPushButton>(client, "bitButton")->setIcon(QIcon(QPixmap(8, 8)));
        Add<QCheckBox>(client, "checkBox");
        Add<QRadioButton>(client, "radioButton");
        Add<QComboBox>(client, "comboBox")->setEditable(true);
        Add<QProgressBar>(client, "progress");
        Add<QListWidget>(client, "listBox");
        Add<QPlainTextEdit>(client, "memo");
        Add<QLabel>(client, "label");
        Add<QLineEdit>(client, "edit");
        Add<QSpinBox>(client, "spin");
        Add<QFrame>(client, "panel");
        Add<QTabBar>(client, "tabBar");
        Add<QStatusBar>(client, "statusBar")->setSizeGripEnabled(true);
        auto* group = Add<QGroupBox>(client, "groupBox");
        Add<QCheckBox>(group, "checkInGroup");
        auto* radios = Add<QGroupBox>(client, "radioGroup");
        Add<QRadioButton>(radios, "radio1");
        Add<QRadioButton>(radios, "radio2");
        auto* tabs = Add<QTabWidget>(client, "pages");
        auto* page = new QWidget;
        tabs->addTab(page, "page");
        Add<QPushButton>(page, "buttonOnPage");
        auto* area = Add<QScrollArea>(client, "scrollBox");
        auto* inner = new QWidget;
        area->setWidget(inner);
        Add<QPushButton>(inner, "buttonInScrollBox");
        Add<QPushButton>(client, "tag55")->setProperty("Tag", 55);
        Add<QPushButton>(client, "tag155")->setProperty("Tag", 155);
        Add<QPushButton>(client, "tag99")->setProperty("Tag", 99);
        Add<QPushButton>(client, "tag199")->setProperty("Tag", 199);
        Add<QCheckBox>(client, "checkTag199")->setProperty("Tag", 199);
    }

    template <class W> W* Add(QWidget* parent, const char* name) {
        auto* w = new W(parent);
        w->setObjectName(QString::fromLatin1(name));
        return w;
    }

    TWinSkinForm& Attach(TSkinControlTypes kinds = TSkinControlTypes::All()) {
        frame_ = new TWinSkinForm(form_.get());
        frame_->SetSkinData(skin_.get());
        frame_->SetSkinControls(kinds);
        frame_->SetControlFactory([this](SkinControlClass cls, QWidget* control, TSkinData* data, QObject* owner) {
            EXPECT_EQ(data, skin_.get());
            EXPECT_EQ(owner, frame_);
            calls_.emplace(control->objectName().toStdString(), cls);
            return new QObject(owner);
        });
        frame_->Loaded();
        return *frame_;
    }

    std::unique_ptr<TSkinData> skin_;
    std::unique_ptr<QWidget> form_;
    TWinSkinForm* frame_ = nullptr;
    Calls calls_;
};

TEST_F(AttachControlsTest, EveryControlGetsTheObjectOfItsRule) {
    Attach();
    using C = SkinControlClass;
    const Calls expected = {
        {"button", C::Button},
        {"bitButton", C::BitButton},
        {"checkBox", C::CheckBox},
        {"radioButton", C::RadioButton},
        {"comboBox", C::ComBox},
        {"progress", C::Progress},
        {"listBox", C::ScrollBar},
        {"memo", C::ScrollBar},
        {"panel", C::Box},
        {"tabBar", C::Tab},
        {"statusBar", C::StatusBar},
        {"groupBox", C::Box},
        {"checkInGroup", C::CheckBox},
        {"radioGroup", C::Box},
        {"radio1", C::RadioButton},
        {"radio2", C::RadioButton},
        {"pages", C::Tab},
        {"buttonOnPage", C::Button},
        {"scrollBox", C::ScrollBar},
        {"buttonInScrollBox", C::Button},
        {"tag55", C::ScrollBar},
        {"tag155", C::Button},
    };
    EXPECT_EQ(calls_, expected);
    EXPECT_EQ(frame_->SkinnedControls().size(), expected.size());
    EXPECT_FALSE(form_->findChild<QStatusBar*>("statusBar")->isSizeGripEnabled());
    EXPECT_EQ(form_->findChild<QCheckBox*>("checkBox")->palette().color(QPalette::Window), QColor(test::kFaceColour));
}

TEST_F(AttachControlsTest, KindBitsSelectTheRules) {
    struct Case {
        const char* name;
        TSkinControlType removed;
        const char* control;
        bool created;
        SkinControlClass cls;
    };
    using K = TSkinControlType;
    using C = SkinControlClass;
    const Case cases[] = {
        {"no buttons", K::xcButton, "button", false, C::Button},
        {"no scroll bars: Tag 55 falls to the button rule", K::xcScrollbar, "tag55", true, C::Button},
        {"no scroll bars: memo", K::xcScrollbar, "memo", false, C::ScrollBar},
        {"no panels: group box", K::xcPanel, "groupBox", false, C::Box},
        {"no radio buttons: the radio group is a plain group box", K::xcRadioButton, "radioGroup", true, C::Box},
        {"no radio buttons: its buttons", K::xcRadioButton, "radio1", false, C::RadioButton},
        {"no tabs", K::xcTab, "pages", false, C::Tab},
        {"no bitmap buttons: falls to the button rule", K::xcBitBtn, "bitButton", true, C::Button},
        {"the group box kind selects nothing", K::xcGroupBox, "groupBox", true, C::Box},
    };
    for (const Case& c : cases) {
        calls_.clear();
        SetUp();
        Attach(TSkinControlTypes::All().Without(c.removed));
        const auto hit = calls_.find(c.control);
        EXPECT_EQ(hit != calls_.end(), c.created) << c.name;
        if (c.created && hit != calls_.end()) {
            EXPECT_EQ(hit->second, c.cls) << c.name;
        }
    }
}

TEST_F(AttachControlsTest, DisableTagLeavesControlsUnskinned) {
    struct Case {
        int disableTag;
        const char* control;
        bool skinned;
    };
    const Case cases[] = {
        {99, "tag99", false}, {99, "tag199", false}, {99, "checkTag199", false}, {99, "tag155", true},
        {99, "button", true}, {0, "button", false},  {0, "tag99", true},         {55, "tag155", false},
    };
    for (const Case& c : cases) {
        calls_.clear();
        SetUp();
        frame_ = nullptr;
        auto* frame = new TWinSkinForm(form_.get());
        frame->SetDisableTag(c.disableTag);
        frame->SetSkinData(skin_.get());
        frame->SetControlFactory([this](SkinControlClass cls, QWidget* control, TSkinData*, QObject* owner) {
            calls_.emplace(control->objectName().toStdString(), cls);
            return new QObject(owner);
        });
        frame->Loaded();
        EXPECT_EQ(calls_.count(c.control) > 0, c.skinned) << c.control << " with DisableTag " << c.disableTag;
    }
}

TEST_F(AttachControlsTest, ObjectsLiveUntilDetach) {
    Attach();
    std::vector<QPointer<QObject>> objects(frame_->SkinnedControls().begin(), frame_->SkinnedControls().end());
    ASSERT_FALSE(objects.empty());
    frame_->AttachSkin(false);
    for (const QPointer<QObject>& o : objects)
        EXPECT_TRUE(o.isNull());
}

TEST_F(AttachControlsTest, NoFactoryCreatesNothing) {
    frame_ = new TWinSkinForm(form_.get());
    frame_->SetSkinData(skin_.get());
    frame_->Loaded();
    EXPECT_TRUE(frame_->Attached());
    EXPECT_TRUE(frame_->SkinnedControls().empty());
}

} // namespace
} // namespace lirem::skin
