// SPDX-License-Identifier: GPL-3.0-or-later
// The window frame attaching the skinned controls through the factory: the
// program's window in small, with the program's skin.

#include "TestSkin.h"

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/WinSubClass.h"
#include "skin/frame/WinSkinForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

using namespace lirem::skin::test;

namespace {

TEST(FormSeam, TheFrameSkinsTheControlsOfItsForm) {
    auto data = MakeProgramSkin();
    QWidget form;
    form.setFixedSize(400, 300);
    auto* client = new QWidget(&form);
    client->setGeometry(0, 0, 400, 300);
    auto* pages = new QTabWidget(client);
    pages->setGeometry(0, 0, 400, 270);
    auto* page = new QWidget;
    pages->addTab(page, QStringLiteral("Ядро"));
    auto* button = new QPushButton(QStringLiteral("Рассчитать"), page);
    button->setGeometry(10, 10, 113, 25);
    auto* bar = new QStatusBar(client);
    bar->setGeometry(0, 270, 400, 21);

    auto* frame = new lirem::skin::TWinSkinForm(&form);
    frame->SetControlFactory(&lirem::skin::CreateSkinControl);
    frame->SetSkinData(data.get());
    frame->Loaded();
    ASSERT_TRUE(frame->Attached());

    int buttons = 0;
    int tabs = 0;
    for (const auto& object : frame->SkinnedControls()) {
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->parent(), frame) << "owned by the frame";
        buttons += qobject_cast<lirem::skin::TSkinButton*>(object) != nullptr ? 1 : 0;
        tabs += qobject_cast<lirem::skin::TSkinTab*>(object) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(tabs, 1);
    form.show();
    QApplication::processEvents();
    const QImage& image = data->Buttons().Bitmap;
    const QImage shot = button->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(6, 5)), QColor::fromRgba(image.pixel(6, 5)));
    delete frame; // the controls outlive the skinned-control objects
    EXPECT_NE(QColor(button->grab().toImage().pixel(6, 5)), QColor::fromRgba(image.pixel(6, 5)));
}

} // namespace
