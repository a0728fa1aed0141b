#pragma once
// A main window with a fixed start date and an error reporter that records
// messages instead of showing boxes.

#include "ui/Main.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace lirem::ui::test {

class RecordingReporter final : public lirem::ui::ErrorReporter {
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

} // namespace lirem::ui::test
