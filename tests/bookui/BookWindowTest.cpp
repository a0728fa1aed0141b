// SPDX-License-Identifier: GPL-3.0-or-later
// The client book in the window, on a real book file under a temporary
// XDG_DATA_HOME: Ctrl+S saves what was calculated, Ctrl+O lists, filters,
// opens and removes cards, and the report tool sees the same book.
#include "RunTool.h"
#include "WindowFixture.h"

#include "book/Book.h"
#include "book/Paths.h"
#include "layout/ControlNames.h"
#include "reading/PdfDocument.h"
#include "reading/ReadingPainter.h"
#include "ui/BookDialog.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStatusBar>
#include <QTreeWidget>

#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdlib.h>

namespace lirem::ui::test {
namespace {

using ::testing::HasSubstr;

// Answers the book's questions from a script and remembers what was asked.
class ScriptedQuestions final : public BookQuestions {
public:
    ScriptedQuestions(std::deque<SaveChoice>& saves, std::deque<bool>& removes, std::vector<QString>& asked)
        : saves_(saves), removes_(removes), asked_(asked) {}
    SaveChoice AskSave(const QString& name) override {
        asked_.push_back(QStringLiteral("save ") + name);
        return Next(saves_, SaveChoice::Cancel);
    }
    bool ConfirmRemove(const QString& name) override {
        asked_.push_back(QStringLiteral("remove ") + name);
        return Next(removes_, false);
    }

private:
    template <class T> static T Next(std::deque<T>& script, T otherwise) {
        if (script.empty())
            return otherwise;
        const T next = script.front();
        script.pop_front();
        return next;
    }
    std::deque<SaveChoice>& saves_;
    std::deque<bool>& removes_;
    std::vector<QString>& asked_;
};

class BookWindowTest : public ShownWindowTest {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "lirem-bookui-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        setenv("XDG_DATA_HOME", dir_.c_str(), 1);
        bookPath = book::DefaultBookPath();
        ShownWindowTest::SetUp();
        window->SetBookQuestions(std::make_unique<ScriptedQuestions>(saves, removes, asked));
    }
    void TearDown() override {
        window.reset();
        unsetenv("XDG_DATA_HOME");
        std::filesystem::remove_all(dir_);
    }

    report::test::ToolRun Tool(std::vector<std::string> args) {
        args.insert(args.begin(), {"book", "--book", bookPath});
        return report::test::RunTool(std::move(args));
    }
    void AddExampleWithTheTool() {
        std::filesystem::create_directories(dir_ / "lirem3");
        const auto added = Tool({"add", "--date", "29.11.1985", "--first", "Иван", "--middle", "Петрович", "--last",
                                 "Сидоров", "--partner-date", "5.9.1987", "--partner-first", "Анна", "--partner-last",
                                 "Сидорова", "--text", "Москва 12", "--note", "первый прием\nвторая строка"});
        ASSERT_EQ(added.status, 0) << added.err;
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
    }
    TBookDialog* OpenBook() {
        Press(Qt::Key_O, Qt::ControlModifier);
        TBookDialog* dialog = window->BookDialog();
        EXPECT_NE(dialog, nullptr);
        if (dialog != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }
    static void TypeInto(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static QStringList VisibleNames(const TBookDialog& dialog) {
        QStringList names;
        for (int i = 0; i < dialog.Cards()->topLevelItemCount(); ++i)
            if (!dialog.Cards()->topLevelItem(i)->isHidden())
                names.append(dialog.Cards()->topLevelItem(i)->text(0));
        return names;
    }
    // Every text the window's client shows, by control.
    static std::map<QString, QString> Shown(const TMainForm& form) {
        std::map<QString, QString> texts;
        for (const QLabel* label : form.Client()->findChildren<QLabel*>())
            if (!form.StatusBar()->isAncestorOf(label)) // the notices differ
                texts[label->objectName()] =
                    label->isVisibleTo(form.Client()) ? label->text() : QStringLiteral("<hidden>");
        for (const QPlainTextEdit* memo : form.Client()->findChildren<QPlainTextEdit*>())
            texts[memo->objectName()] = memo->toPlainText();
        for (const QLineEdit* edit : form.Client()->findChildren<QLineEdit*>())
            texts[edit->parentWidget()->objectName() + "/" + edit->objectName()] = edit->text();
        return texts;
    }

    std::filesystem::path dir_;
    std::string bookPath;
    std::deque<SaveChoice> saves;
    std::deque<bool> removes;
    std::vector<QString> asked;
};

TEST_F(BookWindowTest, CtrlSSavesTheWorkedExampleForTheTool) {
    EXPECT_FALSE(std::filesystem::exists(bookPath)) << "the start-up must not open the book";
    Press(Qt::Key_S, Qt::ControlModifier); // the start-up's nameless calculation is not filed
    EXPECT_FALSE(std::filesystem::exists(bookPath));
    EnterPerson("29", "11", "1985", "Иван", "Петрович", "Сидоров");
    Click(control::bnDoit);
    ShowPage(control::tsSynastry);
    Type(control::sePartnerDay, "5");
    Type(control::edPartnerFirst, "Анна");
    Click(control::bnPartner);
    Type(control::edFirst, "Пётр"); // typed after the calculation: not saved
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(errors.empty()) << errors.front().toStdString();
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Tool({"list"}).out, "1\t29.11.1985\tСидоров Иван Петрович\n");
    const auto json = Tool({"show", "1", "--json"});
    EXPECT_THAT(json.out, HasSubstr(R"("first":"Анна")"));
    EXPECT_THAT(window->StatusBar()->currentMessage().toStdString(), HasSubstr("Сидоров Иван Петрович"));
    EXPECT_EQ(std::filesystem::status(bookPath).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

// A card the tool added fills every page exactly as typing it and pressing
// the three buttons does.
TEST_F(BookWindowTest, ACardOfTheToolOpensWithEveryPageFilled) {
    AddExampleWithTheTool();
    TBookDialog* dialog = OpenBook();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->Cards()->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = dialog->Cards()->topLevelItem(0);
    EXPECT_EQ(row->text(0), QStringLiteral("Сидоров Иван Петрович"));
    EXPECT_EQ(row->text(1), QStringLiteral("29.11.1985"));
    EXPECT_EQ(dialog->Notes()->toPlainText(), QStringLiteral("первый прием\nвторая строка"));
    QTest::keyClick(dialog->Cards(), Qt::Key_Return);
    EXPECT_TRUE(window->BookDialog() == nullptr || !window->BookDialog()->isVisible());
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(window->ShownCard(), std::optional<book::CardId>(1));
    // The list's numbers are the window's.
    EXPECT_EQ(row->text(2), Caption(control::stPath));
    EXPECT_EQ(row->text(3), Caption(control::stExpress));

    std::vector<QString> typedErrors;
    auto typed = MakeWindow(typedErrors);
    std::swap(window, typed);
    EnterPerson("29", "11", "1985", "Иван", "Петрович", "Сидоров");
    Click(control::bnDoit);
    Type(control::sePartnerDay, "5");
    Type(control::sePartnerMonth, "9");
    Type(control::sePartnerYear, "1987");
    Type(control::edPartnerFirst, "Анна");
    Type(control::edPartnerLast, "Сидорова");
    Click(control::bnPartner);
    Type(control::edMisc, "Москва 12");
    Click(control::bnMisc);
    std::swap(window, typed);
    const auto opened = Shown(*window);
    const auto byHand = Shown(*typed);
    for (const auto& [name, text] : byHand)
        EXPECT_EQ(opened.at(name), text) << name.toStdString();
    EXPECT_FALSE(Get<QPlainTextEdit>(control::meResult)->toPlainText().isEmpty());

    // Ctrl+P of the card ends with its notes; another person's has none.
    EXPECT_EQ(window->Reading().Notes(), "первый прием\nвторая строка");
    EnterPerson("1", "2", "1990", "Мария", "", "Петрова");
    Click(control::bnDoit);
    EXPECT_EQ(window->Reading().Notes(), "");
}

TEST_F(BookWindowTest, CtrlSOnAnOpenedCardAsksFirst) {
    struct Case {
        SaveChoice answer;
        const char* list; // lirem-report book list afterwards
    };
    const Case cases[] = {
        {SaveChoice::Cancel, "1\t29.11.1985\tСидоров Иван Петрович\n"},
        {SaveChoice::Update, "1\t29.11.1985\tСидоров Иоанн Петрович\n"},
        {SaveChoice::SaveAsNew, "1\t29.11.1985\tСидоров Иван Петрович\n2\t29.11.1985\tСидоров Иоанн Петрович\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir_ / "lirem3");
        AddExampleWithTheTool();
        TBookDialog* dialog = OpenBook();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog->Cards(), Qt::Key_Return);
        Type(control::edFirst, "Иоанн");
        Click(control::bnDoit);
        asked.clear();
        saves = {c.answer};
        Press(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(asked, std::vector<QString>{QStringLiteral("save Сидоров Иван Петрович")});
        EXPECT_EQ(Tool({"list"}).out, c.list) << static_cast<int>(c.answer);
        if (c.answer == SaveChoice::Update) {
            // The update keeps the notes and the partner of the card.
            const auto shown = Tool({"show", "1", "--json"});
            EXPECT_THAT(shown.out, HasSubstr(R"("notes":"первый прием\nвторая строка")"));
            EXPECT_THAT(shown.out, HasSubstr(R"("first":"Анна")"));
        }
        // Reopen the book file for the next case.
        window = MakeWindow(errors);
        window->SetBookQuestions(std::make_unique<ScriptedQuestions>(saves, removes, asked));
        window->show();
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(BookWindowTest, DeleteRemovesACardAfterConfirmation) {
    AddExampleWithTheTool();
    ASSERT_EQ(Tool({"add", "--date", "5.9.1970", "--first", "Мария", "--last", "Петрова"}).status, 0);
    TBookDialog* dialog = OpenBook();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(VisibleNames(*dialog), (QStringList{"Петрова Мария", "Сидоров Иван Петрович"}));
    QTest::keyClick(dialog->Cards(), Qt::Key_Return); // Петрова Мария, shown in the window
    ASSERT_EQ(window->ShownCard(), std::optional<book::CardId>(2));
    dialog = OpenBook();
    ASSERT_NE(dialog, nullptr);
    dialog->Cards()->setCurrentItem(dialog->Cards()->topLevelItem(0));
    removes = {false, true};
    QTest::keyClick(dialog->Cards(), Qt::Key_Delete);
    EXPECT_EQ(VisibleNames(*dialog).size(), 2);
    QTest::keyClick(dialog->Cards(), Qt::Key_Delete);
    EXPECT_EQ(asked, (std::vector<QString>{"remove Петрова Мария", "remove Петрова Мария"}));
    EXPECT_EQ(VisibleNames(*dialog), QStringList{"Сидоров Иван Петрович"});
    EXPECT_EQ(Tool({"list"}).out, "1\t29.11.1985\tСидоров Иван Петрович\n");
    // The window no longer shows the removed card: Ctrl+S files it anew, unasked.
    EXPECT_EQ(window->ShownCard(), std::nullopt);
    QTest::keyClick(dialog, Qt::Key_Escape);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(Tool({"list"}).out, "3\t5.9.1970\tПетрова Мария\n1\t29.11.1985\tСидоров Иван Петрович\n");
    EXPECT_TRUE(errors.empty());
}

TEST_F(BookWindowTest, TheSearchFiltersAsTheUserTypes) {
    AddExampleWithTheTool();
    ASSERT_EQ(Tool({"add", "--date", "5.9.1970", "--first", "Мария", "--last", "Петрова"}).status, 0);
    ASSERT_EQ(Tool({"add", "--date", "1.1.1985", "--first", "Семён", "--last", "Петров"}).status, 0);
    TBookDialog* dialog = OpenBook();
    ASSERT_NE(dialog, nullptr);
    struct Case {
        const char* typed;
        QStringList shown;
    };
    const Case cases[] = {
        {"петров", {"Петров Семён", "Петрова Мария", "Сидоров Иван Петрович"}},
        {"петрова", {"Петрова Мария"}},
        {"1985", {"Петров Семён", "Сидоров Иван Петрович"}},
        {"семен", {"Петров Семён"}},
        {"05.09", {"Петрова Мария"}},
        {"нет такого", {}},
        {"", {"Петров Семён", "Петрова Мария", "Сидоров Иван Петрович"}},
    };
    for (const Case& c : cases) {
        dialog->Search()->clear();
        TypeInto(dialog->Search(), QString::fromUtf8(c.typed));
        EXPECT_EQ(VisibleNames(*dialog), c.shown) << c.typed;
        EXPECT_EQ(dialog->OpenButton()->isEnabled(), !c.shown.isEmpty()) << c.typed;
    }
    // Enter in the search field opens the current match.
    TypeInto(dialog->Search(), QStringLiteral("мария"));
    QTest::keyClick(dialog->Search(), Qt::Key_Return);
    EXPECT_EQ(Get<QLineEdit>(control::edFirst)->text(), QStringLiteral("Мария"));
}

// Name variants side by side; choosing the second opens it. Notes edited in
// the dialog are saved into the book and end the card's reading.
TEST_F(BookWindowTest, VariantsAndNotes) {
    {
        auto book = book::Book::Open(bookPath, {book::OpenMode::ReadWrite, 5000, true});
        ASSERT_TRUE(book) << book.Err().message;
        book::Card card;
        card.birth = {29, 11, 1985};
        card.names = {{"Мария", "Ивановна", "Сидорова", "в браке"}, {"Мария", "Ивановна", "Петрова", "при рождении"}};
        ASSERT_TRUE(book.Value().Add(card));
    }
    TBookDialog* dialog = OpenBook();
    ASSERT_NE(dialog, nullptr);
    QTreeWidget* variants = dialog->Variants();
    ASSERT_EQ(variants->topLevelItemCount(), 2);
    EXPECT_EQ(variants->topLevelItem(1)->text(0), QStringLiteral("при рождении"));
    EXPECT_EQ(variants->topLevelItem(1)->text(1), QStringLiteral("Петрова Мария Ивановна"));
    EXPECT_NE(variants->topLevelItem(0)->text(2), variants->topLevelItem(1)->text(2)); // Expression differs

    dialog->Notes()->setPlainText(QStringLiteral("сменила фамилию"));
    dialog->Notes()->document()->setModified(true);
    QTest::mouseClick(dialog->SaveNotesButton(), Qt::LeftButton);
    EXPECT_THAT(Tool({"show", "1"}).out, HasSubstr("Заметки:\nсменила фамилию\n"));

    variants->setCurrentItem(variants->topLevelItem(1));
    QTest::keyClick(variants, Qt::Key_Return);
    EXPECT_EQ(Get<QLineEdit>(control::edLast)->text(), QStringLiteral("Петрова"));
    EXPECT_EQ(Caption(control::stExpress), variants->topLevelItem(1)->text(2).section(' ', 0, 0));
    EXPECT_EQ(window->Reading().Notes(), "сменила фамилию");
    EXPECT_TRUE(errors.empty());

    // The reading ends with one page «Заметки», the same bytes every time;
    // long notes go on over further sheets.
    const reading::Reading sheets = reading::MakeReading(window->Reading().Person({2025, 9}));
    QImage page(100, 100, QImage::Format_RGB32);
    const int without = reading::ReadingPainter(sheets, page).SheetCount();
    EXPECT_EQ(reading::ReadingPainter(sheets, page, window->Reading().Notes()).SheetCount(), without + 1);
    EXPECT_EQ(reading::RenderPdf(sheets, "заметка"), reading::RenderPdf(sheets, "заметка"));
    EXPECT_NE(reading::RenderPdf(sheets, "заметка"), reading::RenderPdf(sheets));
    std::string longNotes;
    for (int i = 0; i < 300; ++i)
        longNotes += "строка заметок\n";
    EXPECT_GT(reading::ReadingPainter(sheets, page, longNotes).SheetCount(), without + 1);
}

// Keyboard only: Tab reaches every control of the dialog, each named in
// Russian for screen readers; Escape closes it.
TEST_F(BookWindowTest, TheDialogIsNamedAndReachedByTheKeyboard) {
    AddExampleWithTheTool();
    TBookDialog* dialog = OpenBook();
    ASSERT_NE(dialog, nullptr);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_EQ(dialog->accessibleName(), QStringLiteral("Картотека"));
    std::set<QWidget*> reached;
    for (int i = 0; i < 12; ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QList<QWidget*> controls{dialog->Search(),      dialog->Cards(),      dialog->Variants(),
                                   dialog->Notes(),       dialog->OpenButton(), dialog->SaveNotesButton(),
                                   dialog->RemoveButton()};
    for (QWidget* control : controls) {
        EXPECT_TRUE(reached.count(control) == 1) << control->objectName().toStdString();
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        EXPECT_GT(control->accessibleName().front().unicode(), 0x0400u) << control->objectName().toStdString();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

// A book that cannot be used is reported in Russian; the window goes on and
// the file is left as it was.
TEST_F(BookWindowTest, ABadBookFileIsReportedAndTheWindowGoesOn) {
    struct Case {
        const char* what;
        void (*make)(const std::string& path);
    };
    const Case cases[] = {
        {"text file", [](const std::string& path) { std::ofstream(path) << "not a book\n"; }},
        {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir_ / "lirem3");
        std::filesystem::create_directories(dir_ / "lirem3");
        c.make(bookPath);
        errors.clear();
        window = MakeWindow(errors);
        window->show();
        EnterPerson("29", "11", "1985", "Иван", "Петрович", "Сидоров");
        Click(control::bnDoit);
        Press(Qt::Key_S, Qt::ControlModifier);
        Press(Qt::Key_O, Qt::ControlModifier);
        ASSERT_EQ(errors.size(), 2u) << c.what;
        EXPECT_THAT(errors[0].toStdString(), HasSubstr(bookPath)) << c.what;
        EXPECT_TRUE(errors[0].endsWith('.')) << c.what;
        EXPECT_EQ(window->BookDialog(), nullptr);
        const QString before = Caption(control::stPath);
        Type(control::seDay, "30");
        Click(control::bnDoit);
        EXPECT_EQ(errors.size(), 2u);
        EXPECT_NE(Caption(control::stPath), before) << c.what;
        if (std::filesystem::is_regular_file(bookPath)) {
            std::ifstream text(bookPath);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(text), {}), "not a book\n");
        }
    }
}

} // namespace
} // namespace lirem::ui::test
