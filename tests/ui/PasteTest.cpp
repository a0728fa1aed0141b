// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting into every editable text field of the window: the paste keys, the
// middle button and the memo's context menu insert the clipboard's text, and
// an empty clipboard pastes nothing. (That an ownerless X11 clipboard no longer
// ends the program is checked on a real X server by tests/e2e/bare_x.sh.)
#include "WindowFixture.h"
#include "ui/PasteGuard.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace lirem::ui::test {
namespace {

class PasteTest : public ShownWindowTest {
protected:
    // Every field a user can type into.
    [[nodiscard]] std::vector<QWidget*> EditableFields() const {
        std::vector<QWidget*> fields;
        for (QLineEdit* line : window->findChildren<QLineEdit*>()) {
            if (!line->isReadOnly())
                fields.push_back(line);
        }
        for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
            if (!memo->isReadOnly())
                fields.push_back(memo);
        }
        return fields;
    }
    static QString Text(QWidget* field) {
        if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
            return memo->toPlainText();
        return static_cast<QLineEdit*>(field)->text();
    }
    static void Clear(QWidget* field) {
        if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
            memo->clear();
        else
            static_cast<QLineEdit*>(field)->clear();
    }
    static QString Name(QWidget* field) {
        for (QWidget* w = field; w != nullptr; w = w->parentWidget()) {
            if (!w->objectName().isEmpty() && qobject_cast<QAbstractSpinBox*>(w->parentWidget()) == nullptr)
                return w->objectName();
        }
        return QStringLiteral("?");
    }
};

TEST_F(PasteTest, EveryFieldPastesTextAndNothingFromAnEmptyClipboard) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const std::vector<QWidget*> fields = EditableFields();
    // The seven name and text edits, six spin edits, two lists and the partner memo.
    ASSERT_EQ(fields.size(), 16u);
    enum class Way { CtrlV, ShiftInsert };
    struct Case {
        Way way;
        const char* clip; // nullptr: an empty clipboard
        const char* expected;
    };
    const Case cases[] = {
        {Way::CtrlV, nullptr, ""},
        {Way::ShiftInsert, nullptr, ""},
        {Way::CtrlV, "12", "12"},
        {Way::ShiftInsert, "12", "12"},
    };
    for (QWidget* field : fields) {
        for (const Case& c : cases) {
            if (c.clip == nullptr)
                clipboard->clear();
            else
                clipboard->setText(QString::fromLatin1(c.clip));
            Clear(field);
            field->setFocus();
            if (c.way == Way::CtrlV)
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            EXPECT_EQ(Text(field), QString::fromLatin1(c.expected))
                << Name(field).toStdString() << (c.way == Way::CtrlV ? " Ctrl+V " : " Shift+Insert ")
                << (c.clip ? c.clip : "(empty)");
        }
    }
}

TEST_F(PasteTest, TheMemoMenuPastesThroughTheGuard) {
    ShowPage(control::tsSynastry);
    auto* memo = Get<QPlainTextEdit>(control::meResult);
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const char* clip : {static_cast<const char*>(nullptr), "Анна"}) {
        if (clip == nullptr)
            clipboard->clear();
        else
            clipboard->setText(QString::fromUtf8(clip));
        memo->clear();
        memo->setFocus();
        const QPoint at(10, 10);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, memo->viewport()->mapToGlobal(at));
        QApplication::sendEvent(memo->viewport(), &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        ASSERT_NE(paste, nullptr);
        EXPECT_EQ(paste->isEnabled(), clip != nullptr);
        paste->trigger();
        menu->close();
        EXPECT_EQ(memo->toPlainText(), clip ? QString::fromUtf8(clip) : QString());
    }
    // A read-only memo offers no paste at all.
    clipboard->setText(QStringLiteral("x"));
    auto* readOnly = Get<QPlainTextEdit>(control::meMisc);
    const QString before = readOnly->toPlainText();
    PasteGuard::Paste(readOnly, QClipboard::Clipboard);
    EXPECT_EQ(readOnly->toPlainText(), before);
}

} // namespace
} // namespace lirem::ui::test
