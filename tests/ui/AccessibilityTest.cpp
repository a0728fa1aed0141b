// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology announces for the window's controls, and the
// window driven from the keyboard alone.
#include "WindowFixture.h"

#include "skin/frame/WinSkinForm.h"
#include "ui/LayoutTable.h"
#include "ui/SpinEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QSet>

#include <algorithm>

namespace lirem::ui::test {
namespace {

QString Announced(QWidget* widget, QAccessible::Text what = QAccessible::Name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface != nullptr ? iface->text(what) : QString();
}

struct NameCase {
    const char* control;
    const char* name;
};

// Fills in the worked example's person and calculates.
void CalculateWorkedExample(TMainForm& form) {
    form.ControlAs<QLineEdit>("edFirst")->setText("Иван");
    form.ControlAs<QLineEdit>("edMiddle")->setText("Петрович");
    form.ControlAs<QLineEdit>("edLast")->setText("Сидоров");
    form.ControlAs<TSpinEdit>("seDay")->SetValue(29);
    form.ControlAs<TSpinEdit>("seMonth")->SetValue(11);
    form.ControlAs<TSpinEdit>("seYear")->SetValue(1985);
    form.bnDoitClick();
}

// Inputs are named by their captions; results by their caption and what they
// show, after the worked example's calculation.
TEST_F(WindowTest, ControlsAreAnnouncedByTheirCaptionsAndResultsWithTheirNumbers) {
    CalculateWorkedExample(*window);
    const NameCase cases[] = {
        {"stPath", "Жизненный Путь: 9"},
        {"stExpress", "Экспрессия: 6"},
        {"seDay", "День"},
        {"seMonth", "Месяц"},
        {"seYear", "Год"},
        {"edFirst", "Имя"},
        {"edMiddle", "Отчество"},
        {"edLast", "Фамилия"},
        {"bnDoit", "Рассчитать"},
        {"lShowPath", "Жизненный Путь: 9"},
        {"lShowPerson", "Личность: 11"},
        {"meSpoMot", "Способности - Мотивация"},
        {"sePartnerYear", "Год"},
        {"edPartnerFirst", "Имя"},
        {"meResult", "Совпадения"},
        {"cbYear", "Год"},
        {"cbMonth", "Месяц"},
        {"edMisc", "Текст или число"},
        {"meAuthor", "О Программе"},
        {"tsSynastry", "Партнерство"},
    };
    for (const NameCase& c : cases) {
        QWidget* widget = window->Control(c.control);
        ASSERT_NE(widget, nullptr) << c.control;
        EXPECT_EQ(Announced(widget), QString::fromUtf8(c.name)) << c.control;
    }
    // Every other result: its caption, a colon and the text it shows.
    const NameCase captions[] = {
        {"stBDay", "День Рождения"},
        {"stSoul", "Душевное Побуждение"},
        {"stRealize", "Число Реализации"},
        {"stReason", "Число Разума"},
        {"lPEBridge", "Путь - Экспрессия"},
        {"lSp1", "Спектр имени, цифра 1"},
        {"lEt9", "Эталон, цифра 9"},
        {"lPin4", "Вершины 4"},
        {"lPerStart2", "Периоды Жизненного Пути 2, начало"},
        {"lIsp1", "Испытания 1"},
        {"lMisc5", "Спектр, цифра 5"},
    };
    for (const NameCase& c : captions) {
        EXPECT_EQ(Announced(window->Control(c.control)), QString::fromUtf8(c.name) + ": " + Caption(c.control))
            << c.control;
    }
}

TEST_F(WindowTest, EveryFocusableAndEveryValueControlHasAName) {
    for (const ControlRow& row : Controls()) {
        const bool focusable = row.tabOrder >= 0 && row.kind != ControlKind::GroupBox;
        if (!focusable && row.kind != ControlKind::ValueBox && row.kind != ControlKind::Memo) {
            continue;
        }
        const QString name = Announced(window->Control(row.name));
        EXPECT_FALSE(name.isEmpty()) << row.name;
        EXPECT_FALSE(name.endsWith(QLatin1Char(':'))) << row.name;
    }
}

TEST_F(WindowTest, ResultLabelsGiveTheirNumberAsValueAndPlainLabelsTheirText) {
    CalculateWorkedExample(*window);
    EXPECT_EQ(Announced(window->Control("stPath"), QAccessible::Value), "9");
    EXPECT_EQ(Announced(window->Control("lShowPerson"), QAccessible::Value), "11");
    // A karmic note with its number's caption; a label with no caption of its
    // own is announced by its text.
    EXPECT_EQ(Announced(window->Control("lSoulKarma")), "Душевное Побуждение, " + Caption("lSoulKarma"));
    EXPECT_EQ(Announced(window->Control("lNameLength")), Caption("lNameLength"));
    EXPECT_TRUE(Announced(window->Control("lNameLength"), QAccessible::Value).isEmpty());
}

// What the Linux bridge passes on besides labels' names: the window as a
// frame, the date fields' Value interface, the calendar lists by caption, a
// calendar cell with its date and colour. (The change events need a live
// bridge: the end-to-end test listens for them.)
TEST_F(WindowTest, TheScreenReaderBridgeGetsRolesValuesAndCells) {
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), window->windowTitle());

    window->ControlAs<TSpinEdit>("seDay")->SetValue(29);
    QAccessibleValueInterface* day = QAccessible::queryAccessibleInterface(window->Control("seDay"))->valueInterface();
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->currentValue().toInt(), 29);
    EXPECT_EQ(day->minimumValue().toInt(), 1);
    EXPECT_EQ(day->maximumValue().toInt(), 31);

    QAccessibleInterface* month = QAccessible::queryAccessibleInterface(window->Control("cbMonth"));
    EXPECT_EQ(month->role(), QAccessible::ComboBox);
    EXPECT_EQ(month->text(QAccessible::Name), "Месяц");
    EXPECT_EQ(month->text(QAccessible::Value), "Сентябрь");

    QSet<QString> cells;
    int purple = 0;
    for (int i = 1; i <= 37; ++i) {
        const std::string n = std::to_string(i);
        QWidget* cell = window->Control("liDay" + n);
        if (cell->isHidden()) {
            continue;
        }
        const QString name = Announced(cell);
        cells.insert(name);
        EXPECT_TRUE(name.startsWith("Индивидуальные Дни, " + Caption(("lDay" + n).c_str()) +
                                    " сентября: " + Caption(("liDay" + n).c_str())))
            << name.toStdString();
        purple += name.endsWith("выделен фиолетовым: Духовный День Рождения") ? 1 : 0;
    }
    EXPECT_EQ(cells.size(), 30);
    EXPECT_GT(purple, 0);
}

TEST_F(WindowTest, CaptionLabelsAreTheBuddiesOfTheirFields) {
    const std::pair<const char*, const char*> pairs[] = {
        {"lDay", "seDay"},
        {"lName", "edFirst"},
        {"lLast", "edLast"},
        {"lPartnerDay", "sePartnerDay"},
        {"lPartnerLast", "edPartnerLast"},
        {"lCurYear", "cbYear"},
        {"lCurMonth", "cbMonth"},
    };
    for (const auto& [label, field] : pairs) {
        QWidget* control = window->Control(field);
        EXPECT_EQ(Get<QLabel>(label)->buddy(), control) << label;
        EXPECT_EQ(control->accessibleName(), Caption(label).chopped(1)) << field;
        // Assistive technology finds the caption through the labelled-by relation.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(iface, nullptr) << field;
        const auto labels = iface->relations(QAccessible::Label);
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&, caption = label](const auto& relation) {
            return relation.first->object() == Get<QLabel>(caption);
        })) << field;
    }
}

class KeyboardTest : public ShownWindowTest {
protected:
    static QWidget* Focused() { return QApplication::focusWidget(); }
    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
    }
    // The named control that holds the focus (a spin edit or combo box for its inner line edit).
    [[nodiscard]] bool HasFocus(const char* name) const {
        QWidget* control = window->Control(name);
        return Focused() != nullptr && (Focused() == control || control->isAncestorOf(Focused()));
    }
    static void TypeText(const QString& text) {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, Focused(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    [[nodiscard]] int Page() const { return window->PageControl()->currentIndex(); }
};

TEST_F(KeyboardTest, CtrlTabWalksThePagesBothWaysAndMovesTheFocusIntoThePage) {
    window->Control("seDay")->setFocus();
    for (int step = 1; step <= 8; ++step) {
        Key(Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(Page(), step % 8);
    }
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(Page(), 3);
    EXPECT_TRUE(HasFocus("sePartnerDay"));
    Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Page(), 2);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(Page(), 5);
    EXPECT_TRUE(HasFocus("cbYear"));
}

TEST_F(KeyboardTest, AWholeCalculationFromTheKeyboard) {
    window->Control("seDay")->setFocus();
    const std::pair<const char*, const char*> fields[] = {
        {"seDay", "29"},     {"seMonth", "11"},        {"seYear", "1985"},
        {"edFirst", "Иван"}, {"edMiddle", "Петрович"}, {"edLast", "Сидоров"},
    };
    for (const auto& [name, text] : fields) {
        ASSERT_TRUE(HasFocus(name)) << name;
        Key(Qt::Key_A, Qt::ControlModifier);
        TypeText(QString::fromUtf8(text));
        Key(Qt::Key_Tab);
    }
    EXPECT_TRUE(HasFocus("bnDoit"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Caption("stPath"), "9");
    EXPECT_EQ(Caption("stExpress"), "6");
    // The partner page: Enter there compares, from any of its fields.
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_TRUE(HasFocus("sePartnerDay"));
    for (int i = 0; i < 3; ++i) {
        Key(Qt::Key_Tab);
    }
    ASSERT_TRUE(HasFocus("edPartnerFirst"));
    TypeText(QString::fromUtf8("Анна"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(Shown("meResult"));
    EXPECT_FALSE(MemoLines("meResult").isEmpty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(KeyboardTest, AltSpaceOpensTheSystemMenu) {
    QMenu* menu = window->SkinForm()->SystemMenu();
    ASSERT_NE(menu, nullptr);
    window->Control("edFirst")->setFocus();
    Key(Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(Get<QLineEdit>("edFirst")->text().isEmpty());
    menu->close();
}

} // namespace
} // namespace lirem::ui::test
