// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions the client book asks before it changes a card. The window
// asks through skinned message boxes; tests install answers of their own.

#include <QString>

class QWidget;

namespace lirem::skin {
class TSkinData;
}

namespace lirem::ui {

enum class SaveChoice { Update, SaveAsNew, Cancel };

class BookQuestions {
public:
    virtual ~BookQuestions() = default;
    // Ctrl+S while the window shows a card: update it or save a new one.
    [[nodiscard]] virtual SaveChoice AskSave(const QString& cardName) = 0;
    // Delete in the book's list.
    [[nodiscard]] virtual bool ConfirmRemove(const QString& cardName) = 0;
};

// Modal message boxes in Russian with the program's skin.
class MessageBoxQuestions final : public BookQuestions {
public:
    MessageBoxQuestions(QWidget* owner, skin::TSkinData* skin) : owner_(owner), skin_(skin) {}
    [[nodiscard]] SaveChoice AskSave(const QString& cardName) override;
    [[nodiscard]] bool ConfirmRemove(const QString& cardName) override;

private:
    QWidget* owner_;
    skin::TSkinData* skin_;
};

} // namespace lirem::ui
