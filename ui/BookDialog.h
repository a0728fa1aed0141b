// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+O: the client book. A search field that filters the cards as the user
// types, the list of cards with their Life Path and Expression, the chosen
// card's name variants side by side and its notes. Enter or a double click
// opens a card (or the chosen variant) in the window; Delete removes one
// after a question. Every number comes from the engine.

#include "book/Book.h"
#include "book/Card.h"
#include "book/Filter.h"

#include <QDialog>

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace lirem::skin {
class TSkinData;
}

namespace lirem::ui {

class BookQuestions;
class ErrorReporter;

class TBookDialog final : public QDialog {
    Q_OBJECT
public:
    // The book, the questions and the reporter must outlive the dialog.
    TBookDialog(QWidget* parent, book::Book& book, skin::TSkinData* skin, BookQuestions& questions,
                ErrorReporter& reporter);

    // Reads the cards again and applies the search.
    void Reload();

    [[nodiscard]] QLineEdit* Search() const { return search_; }
    [[nodiscard]] QTreeWidget* Cards() const { return cards_; }
    [[nodiscard]] QTreeWidget* Variants() const { return variants_; }
    [[nodiscard]] QPlainTextEdit* Notes() const { return notes_; }
    [[nodiscard]] QPushButton* OpenButton() const { return open_; }
    [[nodiscard]] QPushButton* RemoveButton() const { return remove_; }
    [[nodiscard]] QPushButton* SaveNotesButton() const { return saveNotes_; }
    // The card the list's current row shows.
    [[nodiscard]] const book::Card* Current() const;

    // The actions of the keys and buttons.
    void OpenCurrent();
    void RemoveCurrent();
    void SaveNotes();

signals:
    // The user chose a card (and its name variant) to open in the window.
    void CardChosen(const lirem::book::Card& card, std::size_t variant);
    // The notes of a card were saved.
    void NotesSaved(lirem::book::CardId id, const std::string& notes);
    void CardRemoved(lirem::book::CardId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void ApplyFilter();
    void ShowCurrent();
    // Saves notes edited and not yet saved; false when that failed.
    bool KeepNotes();

    book::Book& book_;
    BookQuestions& questions_;
    ErrorReporter& reporter_;
    std::vector<book::Card> list_;
    std::unique_ptr<book::CardFilter> filter_;
    std::optional<book::CardId> notesOf_; // the card whose notes the editor holds

    QLineEdit* search_ = nullptr;
    QTreeWidget* cards_ = nullptr;
    QLabel* common_ = nullptr;
    QTreeWidget* variants_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* saveNotes_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace lirem::ui
