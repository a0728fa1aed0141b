// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window with a fixed start date and an error reporter that records
// messages instead of showing boxes.

#include "layout/ControlNames.h"
#include "ui/Main.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <vector>

namespace lirem::ui::test {

// The Windows named colours the pages use.
inline const QColor kBlack(0, 0, 0), kRed(255, 0, 0), kGreen(0, 128, 0), kNavy(0, 0, 128), kPurple(128, 0, 128),
    kTeal(0, 128, 128), kMaroon(128, 0, 0), kWhite(255, 255, 255), kSilver(192, 192, 192), kMoneyGreen(192, 220, 192);

class RecordingReporter final : public ErrorReporter {
public:
    explicit RecordingReporter(std::vector<QString>& messages) : messages_(messages) {}
    void Report(const QString& message) override { messages_.push_back(message); }

private:
    std::vector<QString>& messages_;
};

inline std::unique_ptr<TMainForm> MakeWindow(std::vector<QString>& errors, QDate today = QDate(2025, 9, 15)) {
    return std::make_unique<TMainForm>(today, std::make_unique<RecordingReporter>(errors));
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { window = MakeWindow(errors); }

    [[nodiscard]] QString Caption(const char* name) const {
        if (auto* label = window->ControlAs<QLabel>(name)) {
            return label->text();
        }
        ADD_FAILURE() << "no label " << name;
        return {};
    }
    [[nodiscard]] QColor FontColour(const char* name) const {
        QWidget* widget = window->Control(name);
        return widget->palette().color(widget->foregroundRole());
    }
    [[nodiscard]] bool Shown(const char* name) const { return !window->Control(name)->isHidden(); }
    [[nodiscard]] QStringList MemoLines(const char* name) const {
        return window->ControlAs<QPlainTextEdit>(name)->toPlainText().split(QLatin1Char('\n'));
    }
    template <class T> T* Get(const char* name) const {
        T* widget = window->ControlAs<T>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    std::vector<QString> errors;
    std::unique_ptr<TMainForm> window;
};

// The window shown and active, driven through its controls like a user would.
class ShownWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void ShowPage(const char* page) { window->PageControl()->setCurrentWidget(window->Control(page)); }

    // Empties a line edit or spin edit, then types the text key by key.
    void Type(const char* name, const QString& text) {
        QWidget* widget = window->Control(name);
        ASSERT_NE(widget, nullptr) << name;
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (edit == nullptr) {
            edit = widget->findChild<QLineEdit*>();
        }
        ASSERT_NE(edit, nullptr) << name;
        widget->setFocus();
        edit->clear();
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    void Click(const char* button) { QTest::mouseClick(Get<QPushButton>(button), Qt::LeftButton); }
    void PressEnterIn(const char* name) { QTest::keyClick(window->Control(name), Qt::Key_Return); }

    // What the list does when the user picks an item.
    void Choose(const char* combo, int index) {
        auto* box = Get<QComboBox>(combo);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void ChooseYear(int year) { Choose(control::cbYear, year - 1950); }
    void ChooseMonth(int month) { Choose(control::cbMonth, month - 1); }

    void EnterPerson(const QString& day, const QString& month, const QString& year, const QString& first,
                     const QString& middle, const QString& last) {
        Type(control::seDay, day);
        Type(control::seMonth, month);
        Type(control::seYear, year);
        Type(control::edFirst, first);
        Type(control::edMiddle, middle);
        Type(control::edLast, last);
    }
};

} // namespace lirem::ui::test
