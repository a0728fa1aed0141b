// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's sink over real widgets.
#include "ui/WidgetSink.h"

#include "ui/ValueLabel.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>
#include <stdexcept>
#include <string>

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

TEST(ValueLabelTest, LabelsOutOfSightEndWhereLabelsInSightEnd) {
    // The same texts written into a label in sight and one on a page not
    // shown; both end before the same bound, a long text moving them left.
    std::vector<std::vector<std::string>> cases = {
        {"1"},
        {"a much longer caption", "1"},
        {"1", "a much longer caption", "22"},
        {"two\nlines", "1"},
        {"1", "two\nlines", "a much longer caption", "3"},
        {"a much longer caption"},
    };
    for (int n = 1; n <= 100; ++n) { // more texts than a label keeps unmeasured
        cases.back().push_back(std::to_string(n));
    }
    for (const auto& texts : cases) {
        QWidget window;
        auto* shown = new ValueLabel("0", &window);
        auto* page = new QWidget(&window);
        page->hide();
        auto* hidden = new ValueLabel("0", page);
        ControlMap labels;
        for (auto [name, label] : {std::pair{"lShown", shown}, std::pair{"lHidden", hidden}}) {
            label->setTextFormat(Qt::PlainText); // as the window's labels
            label->move(40, 5);
            label->SetRightBound(60);
            label->FitToText();
            labels.emplace(name, label);
        }
        WidgetSink sink(labels);
        for (const std::string& text : texts) {
            sink.SetText("lShown", text);
            sink.SetText("lHidden", text);
        }
        page->show();
        FitShownLabels(*page);
        EXPECT_EQ(hidden->geometry(), shown->geometry()) << texts.front() << " .. " << texts.back();
    }
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
