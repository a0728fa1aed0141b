// SPDX-License-Identifier: GPL-3.0-or-later
// The date fields: typing filter, length limit, value of a non-integer text,
// arrows that clamp, focus-out that clamps, Enter that does not.
#include "ui/SpinEdit.h"

#include "tests/support/TestNames.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <memory>

namespace lirem::ui::test {
namespace {

struct ParseCase {
    const char* text;
    bool ok;
    std::int32_t value;
};

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, ReadsDecimalIntegersOnly) {
    std::int32_t value = 12345;
    EXPECT_EQ(ParseDecimalInteger(QString::fromUtf8(GetParam().text), value), GetParam().ok);
    if (GetParam().ok) {
        EXPECT_EQ(value, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTest,
    ::testing::Values(ParseCase{"0", true, 0}, ParseCase{"45", true, 45}, ParseCase{"-5", true, -5},
                      ParseCase{"+7", true, 7}, ParseCase{"007", true, 7}, ParseCase{"", false, 0},
                      ParseCase{"-", false, 0}, ParseCase{"+", false, 0}, ParseCase{"1,5", false, 0},
                      ParseCase{"1.5", false, 0}, ParseCase{"--1", false, 0}, ParseCase{"1-", false, 0},
                      ParseCase{"2147483647", true, 2147483647}, ParseCase{"-2147483648", true, -2147483647 - 1},
                      ParseCase{"2147483648", false, 0}, ParseCase{"99999999999999999999", false, 0}),
    [](const auto& testCase) { return lirem::test::TestNameOf(testCase.param.text); });

class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        day = new SpinEdit(1, 31, 2, host.get());
        year = new SpinEdit(0, 2020, 4, host.get());
        other = new QLineEdit(host.get());
        day->SetValue(1);
        year->SetValue(1970);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }
    static QString Text(SpinEdit* spin) { return spin->findChild<QLineEdit*>()->text(); }
    // Clears the field, then types each character as a key press.
    static void Type(SpinEdit* spin, const QString& keys) {
        spin->setFocus();
        spin->findChild<QLineEdit*>()->clear();
        for (const QChar c : keys) {
            QTest::sendKeyEvent(QTest::Click, spin, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    std::unique_ptr<QWidget> host;
    SpinEdit* day = nullptr;
    SpinEdit* year = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(SpinEditTest, TypingKeepsOnlyDigitsSignsAndTheDecimalSeparator) {
    struct Case {
        QString keys;
        QString text;
    };
    const QString separator = QLocale().decimalPoint();
    const Case cases[] = {
        {"12", "12"},  {"4a5", "45"}, {"ab", ""}, {"-5", "-5"}, {"+3", "+3"}, {"1" + separator, "1" + separator},
        {"123", "12"}, // length limit 2
        {"я9", "9"},   {" 7", "7"},
    };
    for (const Case& c : cases) {
        Type(day, c.keys);
        EXPECT_EQ(Text(day), c.text) << c.keys.toStdString();
    }
}

TEST_F(SpinEditTest, ANonIntegerTextReadsAsTheMinimum) {
    const QString separator = QLocale().decimalPoint();
    for (const QString& keys : {QString(), QStringLiteral("-"), QStringLiteral("+"), "1" + separator}) {
        Type(year, keys);
        EXPECT_EQ(year->Value(), 0) << keys.toStdString();
        Type(day, keys);
        EXPECT_EQ(day->Value(), 1) << keys.toStdString();
    }
}

TEST_F(SpinEditTest, ArrowKeysStepAndClampIntoTheRange) {
    struct Case {
        QString start;
        Qt::Key key;
        QString after;
    };
    const Case cases[] = {
        {"2020", Qt::Key_Up, "2020"},   {"0", Qt::Key_Down, "0"}, {"1969", Qt::Key_Up, "1970"},
        {"9999", Qt::Key_Down, "2020"}, {"-5", Qt::Key_Up, "0"},  {"", Qt::Key_Up, "1"},
        {"-", Qt::Key_Down, "0"},
    };
    for (const Case& c : cases) {
        Type(year, c.start);
        QTest::keyClick(year, c.key);
        EXPECT_EQ(Text(year), c.after) << c.start.toStdString();
    }
}

TEST_F(SpinEditTest, ArrowButtonsStopAtTheBounds) {
    year->SetValue(2019);
    year->stepBy(1);
    year->stepBy(1);
    EXPECT_EQ(Text(year), "2020");
    year->SetValue(1);
    year->stepBy(-1);
    year->stepBy(-1);
    EXPECT_EQ(Text(year), "0");
}

TEST_F(SpinEditTest, LeavingTheFieldClampsOutOfRangeValuesOnly) {
    struct Case {
        QString typed;
        QString afterFocusOut;
    };
    const Case cases[] = {{"45", "31"}, {"-5", "1"}, {"0", "1"}, {"17", "17"}, {"", ""}, {"-", "-"}};
    for (const Case& c : cases) {
        Type(day, c.typed);
        other->setFocus();
        EXPECT_EQ(Text(day), c.afterFocusOut) << c.typed.toStdString();
    }
}

TEST_F(SpinEditTest, OnlyAMoveToAnotherControlClamps) {
    struct Case {
        Qt::FocusReason reason;
        QString after;
    };
    // A message box or another window taking the focus keeps the text as typed.
    const Case cases[] = {{Qt::TabFocusReason, "1"},           {Qt::BacktabFocusReason, "1"},
                          {Qt::MouseFocusReason, "1"},         {Qt::OtherFocusReason, "1"},
                          {Qt::ActiveWindowFocusReason, "-5"}, {Qt::PopupFocusReason, "-5"}};
    for (const Case& c : cases) {
        Type(day, "-5");
        QFocusEvent out(QEvent::FocusOut, c.reason);
        QApplication::sendEvent(day, &out);
        EXPECT_EQ(Text(day), c.after) << c.reason;
    }
}

TEST_F(SpinEditTest, EnterLeavesTheRawValueAndIsPassedOn) {
    Type(day, "45");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(day, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(day->Value(), 45);
    EXPECT_EQ(Text(day), "45");
}

TEST_F(SpinEditTest, PastingLettersIsRefused) {
    Type(day, "12");
    day->findChild<QLineEdit*>()->selectAll();
    day->findChild<QLineEdit*>()->insert("ab");
    EXPECT_EQ(Text(day), "12");
}

} // namespace
} // namespace lirem::ui::test
