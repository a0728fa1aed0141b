// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology announces for the window's controls, and the
// window driven from the keyboard alone.
#include "WindowFixture.h"

#include "layout/ControlNames.h"
#include "layout/LayoutTable.h"
#include "skin/frame/WinSkinForm.h"
#include "ui/Announcer.h"
#include "ui/Picture.h"
#include "ui/SpinEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QSet>
#include <QTabBar>

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
    form.ControlAs<QLineEdit>(control::edFirst)->setText("Иван");
    form.ControlAs<QLineEdit>(control::edMiddle)->setText("Петрович");
    form.ControlAs<QLineEdit>(control::edLast)->setText("Сидоров");
    form.ControlAs<SpinEdit>(control::seDay)->SetValue(29);
    form.ControlAs<SpinEdit>(control::seMonth)->SetValue(11);
    form.ControlAs<SpinEdit>(control::seYear)->SetValue(1985);
    form.bnDoitClick();
}

// Inputs are named by their captions; results by their caption and what they
// show, after the worked example's calculation.
TEST_F(WindowTest, ControlsAreAnnouncedByTheirCaptionsAndResultsWithTheirNumbers) {
    CalculateWorkedExample(*window);
    const NameCase cases[] = {
        {control::stPath, "Жизненный Путь: 9"},
        {control::stExpress, "Экспрессия: 6"},
        {control::seDay, "День"},
        {control::seMonth, "Месяц"},
        {control::seYear, "Год"},
        {control::edFirst, "Имя"},
        {control::edMiddle, "Отчество"},
        {control::edLast, "Фамилия"},
        {control::bnDoit, "Рассчитать"},
        {control::lShowPath, "Жизненный Путь: 9"},
        {control::lShowPerson, "Личность: 11"},
        {control::meSpoMot, "Способности - Мотивация"},
        {control::sePartnerYear, "Год"},
        {control::edPartnerFirst, "Имя"},
        {control::meResult, "Совпадения"},
        {control::cbYear, "Год"},
        {control::cbMonth, "Месяц"},
        {control::edMisc, "Текст или число"},
        {control::meAuthor, "О Программе"},
        {control::tsSynastry, "Партнерство"},
    };
    for (const NameCase& c : cases) {
        QWidget* widget = window->Control(c.control);
        ASSERT_NE(widget, nullptr) << c.control;
        EXPECT_EQ(Announced(widget), QString::fromUtf8(c.name)) << c.control;
    }
    // Every other result: its caption, a colon and the text it shows.
    const NameCase captions[] = {
        {control::stBDay, "День Рождения"},
        {control::stSoul, "Душевное Побуждение"},
        {control::stRealize, "Число Реализации"},
        {control::stReason, "Число Разума"},
        {control::lPEBridge, "Путь - Экспрессия"},
        {control::lSpN(1), "Спектр имени, цифра 1"},
        {control::lEtN(9), "Эталон, цифра 9"},
        {control::lPinN(4), "Вершины 4"},
        {control::lPerStartN(2), "Периоды Жизненного Пути 2, начало"},
        {control::lIspN(1), "Испытания 1"},
        {control::lMiscN(5), "Спектр, цифра 5"},
    };
    for (const NameCase& c : captions) {
        EXPECT_EQ(Announced(window->Control(c.control)), QString::fromUtf8(c.name) + ": " + Caption(c.control))
            << c.control;
    }
}

TEST_F(WindowTest, EveryFocusableAndEveryValueControlHasAName) {
    for (const layout::ControlRow& row : layout::Controls()) {
        const bool focusable = row.tabOrder >= 0 && row.kind != layout::ControlKind::GroupBox;
        if (!focusable && row.kind != layout::ControlKind::ValueBox && row.kind != layout::ControlKind::Memo) {
            continue;
        }
        const QString name = Announced(window->Control(row.name));
        EXPECT_FALSE(name.isEmpty()) << row.name;
        EXPECT_FALSE(name.endsWith(QLatin1Char(':'))) << row.name;
    }
}

TEST_F(WindowTest, ResultLabelsGiveTheirNumberAsValueAndPlainLabelsTheirText) {
    CalculateWorkedExample(*window);
    EXPECT_EQ(Announced(window->Control(control::stPath), QAccessible::Value), "9");
    EXPECT_EQ(Announced(window->Control(control::lShowPerson), QAccessible::Value), "11");
    // A karmic note with its number's caption; a label with no caption of its
    // own is announced by its text.
    EXPECT_EQ(Announced(window->Control(control::lSoulKarma)), "Душевное Побуждение, " + Caption(control::lSoulKarma));
    EXPECT_EQ(Announced(window->Control(control::lNameLength)), Caption(control::lNameLength));
    EXPECT_TRUE(Announced(window->Control(control::lNameLength), QAccessible::Value).isEmpty());
}

// What the Linux bridge passes on besides labels' names: the window as a
// frame, the date fields' Value interface, the calendar lists by caption, a
// calendar cell with its date and colour. (The change events need a live
// bridge: the end-to-end test listens for them.)
TEST_F(WindowTest, TheScreenReaderBridgeGetsRolesValuesAndCells) {
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), window->windowTitle());

    window->ControlAs<SpinEdit>(control::seDay)->SetValue(29);
    QAccessibleValueInterface* day =
        QAccessible::queryAccessibleInterface(window->Control(control::seDay))->valueInterface();
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->currentValue().toInt(), 29);
    EXPECT_EQ(day->minimumValue().toInt(), 1);
    EXPECT_EQ(day->maximumValue().toInt(), 31);

    QAccessibleInterface* month = QAccessible::queryAccessibleInterface(window->Control(control::cbMonth));
    EXPECT_EQ(month->role(), QAccessible::ComboBox);
    EXPECT_EQ(month->text(QAccessible::Name), "Месяц");
    EXPECT_EQ(month->text(QAccessible::Value), "Сентябрь");

    QSet<QString> cells;
    int purple = 0;
    for (std::size_t i = 1; i <= control::liDayN.size(); ++i) {
        QWidget* cell = window->Control(control::liDayN(i));
        if (cell->isHidden()) {
            continue;
        }
        const QString name = Announced(cell);
        cells.insert(name);
        EXPECT_TRUE(name.startsWith("Индивидуальные Дни, " + Caption(control::lDayN(i)) +
                                    " сентября: " + Caption(control::liDayN(i))))
            << name.toStdString();
        purple += name.endsWith("выделен фиолетовым: Духовный День Рождения") ? 1 : 0;
    }
    EXPECT_EQ(cells.size(), 30);
    EXPECT_GT(purple, 0);
}

TEST_F(WindowTest, CaptionLabelsAreTheBuddiesOfTheirFields) {
    const std::pair<const char*, const char*> pairs[] = {
        {control::lDay, control::seDay},
        {control::lName, control::edFirst},
        {control::lLast, control::edLast},
        {control::lPartnerDay, control::sePartnerDay},
        {control::lPartnerLast, control::edPartnerLast},
        {control::lCurYear, control::cbYear},
        {control::lCurMonth, control::cbMonth},
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

// Each result is read once: the caption beside it is silent, the dates of the
// calendar are said by their cells, a dash is said as «нет», the pictures
// and the stack of pages are left out.
TEST_F(WindowTest, ResultsAreReadOnceAndPlainly) {
    CalculateWorkedExample(*window);
    for (const char* caption : {control::lPath, control::lSoul, control::Label4, control::lPinTitle, control::lSpectre,
                                control::liDayTitle, control::lDayN(1)}) {
        EXPECT_TRUE(Announced(window->Control(caption)).isEmpty()) << caption;
    }
    // An input's caption stays: the field is found by it.
    EXPECT_EQ(Announced(window->Control(control::lDay)), Caption(control::lDay));
    int dashes = 0;
    for (const layout::ControlRow& row : layout::Controls()) {
        const auto* label = window->ControlAs<QLabel>(row.name.c_str());
        if (label != nullptr && label->text() == "-" && !Announced(window->Control(row.name.c_str())).isEmpty()) {
            ++dashes;
            EXPECT_TRUE(Announced(window->Control(row.name.c_str())).endsWith(": нет")) << row.name;
        }
    }
    EXPECT_GT(dashes, 0);
    for (Picture* picture : window->findChildren<Picture*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(picture);
        EXPECT_TRUE(iface->state().invisible && iface->text(QAccessible::Name).isEmpty())
            << picture->Resource().toStdString();
    }
    QAccessibleInterface* pages = QAccessible::queryAccessibleInterface(window->PageControl());
    for (int i = 0; i < pages->childCount(); ++i) {
        EXPECT_NE(pages->child(i)->role(), QAccessible::LayeredPane);
    }
}

// Where assistive technology is told our objects are: in the screen's pixels,
// at every scale the window tests run at.
TEST_F(WindowTest, AccessiblePositionsAreInScreenPixels) {
    window->show();
    const qreal ratio = window->devicePixelRatioF();
    for (const char* name : {control::stPath, control::liDayN(1), control::cbMonth}) {
        QWidget* widget = window->Control(name);
        const QRect rect = QAccessible::queryAccessibleInterface(widget)->rect();
        EXPECT_NEAR(rect.width(), widget->width() * ratio, 1) << name;
        EXPECT_NEAR(rect.left(), widget->mapToGlobal(QPoint(0, 0)).x() * ratio, 1) << name;
    }
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_NEAR(frame->rect().height(), window->height() * ratio, 1);
}

// After a calculation the reader is told the page's main results, whatever
// has the focus; the list of matches starts at its first line.
TEST_F(ShownWindowTest, ACalculationIsAnnouncedWithoutMovingTheFocus) {
    const auto* announcer = window->findChild<Announcer*>();
    ASSERT_NE(announcer, nullptr);
    EnterPerson("29", "11", "1985", "Иван", "Петрович", "Сидоров");
    PressEnterIn(control::edLast);
    EXPECT_EQ(announcer->Text(),
              "Жизненный Путь 9, День Рождения 11, Экспрессия 6, Душевное Побуждение 4, Личность 11");
    EXPECT_TRUE(window->Control(control::edLast)->hasFocus());

    ShowPage(control::tsSynastry);
    Type(control::edPartnerFirst, "Анна");
    PressEnterIn(control::edPartnerFirst);
    const QStringList lines = MemoLines(control::meResult);
    const auto matches =
        std::count_if(lines.begin(), lines.end(), [](const QString& l) { return !l.trimmed().isEmpty(); });
    ASSERT_GT(matches, 0);
    EXPECT_EQ(announcer->Text(), "Совпадения: " + QString::number(matches));
    EXPECT_EQ(Get<QPlainTextEdit>(control::meResult)->textCursor().position(), 0);

    ShowPage(control::tsYears);
    ChooseYear(2030);
    EXPECT_EQ(announcer->Text(), Caption(control::liYear) + ", " + Caption(control::liMonth));
}

// The current page's tab says it has the focus only while the tab row has it.
TEST_F(ShownWindowTest, ThePageTabIsFocusedOnlyWithTheTabRow) {
    QTabBar* bar = window->PageControl()->tabBar();
    QAccessibleInterface* row = QAccessible::queryAccessibleInterface(bar);
    ASSERT_EQ(row->childCount(), bar->count());
    QAccessibleInterface* current = row->child(bar->currentIndex());
    EXPECT_EQ(current->text(QAccessible::Name), bar->tabText(bar->currentIndex()));
    EXPECT_EQ(row->indexOfChild(current), bar->currentIndex());
    window->Control(control::seDay)->setFocus();
    EXPECT_FALSE(current->state().focused);
    EXPECT_TRUE(current->state().selected);
    bar->setFocus();
    EXPECT_TRUE(current->state().focused);
    EXPECT_FALSE(row->child((bar->currentIndex() + 1) % bar->count())->state().focused);
    current->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    row->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(bar->currentIndex(), 2);
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
    window->Control(control::seDay)->setFocus();
    for (int step = 1; step <= 8; ++step) {
        Key(Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(Page(), step % 8);
    }
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(Page(), 3);
    EXPECT_TRUE(HasFocus(control::sePartnerDay));
    Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Page(), 2);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(Page(), 5);
    EXPECT_TRUE(HasFocus(control::cbYear));
}

TEST_F(KeyboardTest, AWholeCalculationFromTheKeyboard) {
    window->Control(control::seDay)->setFocus();
    const std::pair<const char*, const char*> fields[] = {
        {control::seDay, "29"},     {control::seMonth, "11"},        {control::seYear, "1985"},
        {control::edFirst, "Иван"}, {control::edMiddle, "Петрович"}, {control::edLast, "Сидоров"},
    };
    for (const auto& [name, text] : fields) {
        ASSERT_TRUE(HasFocus(name)) << name;
        Key(Qt::Key_A, Qt::ControlModifier);
        TypeText(QString::fromUtf8(text));
        Key(Qt::Key_Tab);
    }
    EXPECT_TRUE(HasFocus(control::bnDoit));
    Key(Qt::Key_Return);
    EXPECT_EQ(Caption(control::stPath), "9");
    EXPECT_EQ(Caption(control::stExpress), "6");
    // The partner page: Enter there compares, from any of its fields.
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    Key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_TRUE(HasFocus(control::sePartnerDay));
    for (int i = 0; i < 3; ++i) {
        Key(Qt::Key_Tab);
    }
    ASSERT_TRUE(HasFocus(control::edPartnerFirst));
    TypeText(QString::fromUtf8("Анна"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(Shown(control::meResult));
    EXPECT_FALSE(MemoLines(control::meResult).isEmpty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(KeyboardTest, AltSpaceOpensTheSystemMenu) {
    QMenu* menu = window->SkinForm()->SystemMenu();
    ASSERT_NE(menu, nullptr);
    window->Control(control::edFirst)->setFocus();
    Key(Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(Get<QLineEdit>(control::edFirst)->text().isEmpty());
    menu->close();
}

} // namespace
} // namespace lirem::ui::test
