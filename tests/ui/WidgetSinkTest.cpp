// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's sink over real widgets.
#include "ui/WidgetSink.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>
#include <stdexcept>

namespace lirem::ui::test {
namespace {

class WidgetSinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        label = new QLabel("0", &host);
        edit = new QLineEdit(&host);
        memo = new QPlainTextEdit(&host);
        label->adjustSize();
        controls = {{"lLabel", label}, {"edEdit", edit}, {"meMemo", memo}};
    }
    QWidget host;
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    QPlainTextEdit* memo = nullptr;
    ControlMap controls;
    WidgetSink sink{controls};
};

TEST_F(WidgetSinkTest, TextsCrossTheCodePageBoundary) {
    sink.SetText("lLabel", "\xCA\xE0\xF0\xEC\xE8\xF7\xE5\xF1\xEA\xEE\xE5 13"); // "Кармическое 13"
    EXPECT_EQ(label->text(), QStringLiteral("Кармическое 13"));
    EXPECT_EQ(sink.Text("lLabel"), "\xCA\xE0\xF0\xEC\xE8\xF7\xE5\xF1\xEA\xEE\xE5 13");
    sink.SetText("edEdit", "\xB9 5");
    EXPECT_EQ(edit->text(), QStringLiteral("№ 5"));
}

TEST_F(WidgetSinkTest, LabelsGrowAndShrinkWithTheirText) {
    const int narrow = label->width();
    sink.SetText("lLabel", "a much longer caption");
    EXPECT_GT(label->width(), 3 * narrow);
    sink.SetText("lLabel", "1");
    EXPECT_LE(label->width(), narrow + 2);
}

TEST_F(WidgetSinkTest, MemoLinesKeepEmptyLinesInOrder) {
    struct Case {
        std::vector<std::string> lines;
        QString text;
    };
    const Case cases[] = {
        {{"one"}, "one"},
        {{"one", ""}, "one\n"},
        {{"one", "", "two", ""}, "one\n\ntwo\n"},
        {{"", "after an empty first line"}, "\nafter an empty first line"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        memo->setPlainText("left over from before");
        sink.ClearLines("meMemo");
        for (const auto& line : c.lines) {
            sink.AddLine("meMemo", line);
        }
        EXPECT_EQ(memo->toPlainText(), c.text);
        EXPECT_EQ(memo->document()->blockCount(), std::max<int>(1, static_cast<int>(c.lines.size())));
    }
}

TEST_F(WidgetSinkTest, ColourAndVisibility) {
    sink.SetFontColour("lLabel", {128, 0, 128});
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    sink.SetVisible("lLabel", false);
    EXPECT_TRUE(label->isHidden());
    sink.SetVisible("lLabel", true);
    EXPECT_FALSE(label->isHidden());
}

TEST_F(WidgetSinkTest, UnknownNamesAndWrongKindsAreProgrammingErrors) {
    EXPECT_THROW(sink.SetText("lMissing", "x"), std::logic_error);
    EXPECT_THROW(sink.AddLine("lLabel", "x"), std::logic_error);
    EXPECT_THROW((void)sink.Text("nothing"), std::logic_error);
}

} // namespace
} // namespace lirem::ui::test
