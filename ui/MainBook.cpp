// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client book: Ctrl+S saves the last calculation as a
// card, Ctrl+O opens the book's dialog, a chosen card fills the fields and
// runs the handlers. The book is opened at the first of these, never at
// start-up; a book that cannot be used is reported and the window goes on.
#include "book/Paths.h"
#include "book/PersonCard.h"
#include "engine/Text.h"
#include "layout/ControlNames.h"
#include "ui/BookDialog.h"
#include "ui/Main.h"
#include "ui/SpinEdit.h"

#include <QDir>
#include <QLineEdit>
#include <QTabWidget>

namespace lirem::ui {
namespace {

QString NameOf(const book::Card& card) {
    const QString name = QString::fromStdString(book::MainName(card)).simplified();
    return name.isEmpty() ? QString::fromStdString(book::DateText(card.birth)) : name;
}

} // namespace

void TMainForm::ReportBookError(const std::string& message) {
    reporter_->Report(WithFullStop(QString::fromStdString(message)));
}

book::Book* TMainForm::Book() {
    if (book_)
        return &*book_;
    book::OpenOptions options;
    options.createFolders = true;
    auto opened = book::Book::Open(book::DefaultBookPath(), options);
    if (!opened) {
        // Not kept: the next Ctrl+S or Ctrl+O tries again.
        ReportBookError(opened.Err().message);
        return nullptr;
    }
    book_.emplace(std::move(opened).Value());
    if (const book::Status& warning = book_->Warning())
        ReportBookError(warning->message);
    return &*book_;
}

void TMainForm::SetBookQuestions(std::unique_ptr<BookQuestions> questions) {
    if (questions)
        questions_ = std::move(questions);
}

TBookDialog* TMainForm::BookDialog() const {
    return bookDialog_.data();
}

std::optional<book::CardId> TMainForm::ShownCard() const {
    return shownCard_ ? std::optional(shownCard_->id) : std::nullopt;
}

void TMainForm::CardPersonCalculated(const session::PersonInput& in) {
    if (!shownCard_)
        return;
    const session::PersonInput& card = shownCard_->person;
    const bool same =
        in.date == card.date && in.first == card.first && in.middle == card.middle && in.last == card.last;
    if (same)
        reading_.SetNotes(shownCard_->notes);
    else
        reading_.CardClosed();
}

void TMainForm::SaveToBook() {
    const session::PersonInput person = reading_.Person(ShownMonth());
    // A stray Ctrl+S at start-up would file an empty card.
    const std::string names = person.first + person.middle + person.last;
    if (engine::TrimControls(names).empty()) {
        ShowNotice(QStringLiteral("Нечего сохранять: рассчитайте человека с именем, затем нажмите Ctrl+S"));
        return;
    }
    book::Book* book = Book();
    if (book == nullptr)
        return;
    book::Card card = book::ToCard(person);
    if (shownCard_) {
        switch (questions_->AskSave(shownCard_->name)) {
        case SaveChoice::Cancel:
            return;
        case SaveChoice::Update: {
            auto stored = book->Get(shownCard_->id);
            if (!stored) {
                ReportBookError(stored.Err().message);
                return;
            }
            // The shown variant takes the calculated names; the other
            // variants, their labels and the notes stay.
            book::Card updated = std::move(stored).Value();
            updated.birth = card.birth;
            book::NameVariant& name =
                updated.names.at(shownCard_->variant < updated.names.size() ? shownCard_->variant : 0);
            name.first = card.names.front().first;
            name.middle = card.names.front().middle;
            name.last = card.names.front().last;
            updated.partner = card.partner;
            updated.text = card.text;
            if (const book::Status failed = book->Update(updated)) {
                ReportBookError(failed->message);
                return;
            }
            shownCard_->person = person;
            shownCard_->name = NameOf(updated);
            shownCard_->notes = updated.notes;
            CardPersonCalculated(person);
            ShowNotice(QStringLiteral("Карточка «%1» обновлена").arg(shownCard_->name));
            return;
        }
        case SaveChoice::SaveAsNew:
            break;
        }
    }
    auto added = book->Add(card);
    if (!added) {
        ReportBookError(added.Err().message);
        return;
    }
    shownCard_ = OpenedCard{added.Value(), 0, NameOf(card), person, {}};
    reading_.CardClosed(); // a new card has no notes yet
    ShowNotice(QStringLiteral("Карточка «%1» сохранена в картотеке").arg(shownCard_->name));
}

void TMainForm::OpenBook() {
    if (bookDialog_) {
        bookDialog_->raise();
        bookDialog_->activateWindow();
        return;
    }
    book::Book* book = Book();
    if (book == nullptr)
        return;
    auto* dialog = new TBookDialog(this, *book, sdNumero_.get(), *questions_, *reporter_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &TBookDialog::CardChosen, this, &TMainForm::OpenCard);
    connect(dialog, &TBookDialog::NotesSaved, this, [this](book::CardId id, const std::string& notes) {
        if (shownCard_ && shownCard_->id == id) {
            shownCard_->notes = notes;
            CardPersonCalculated(reading_.Person(ShownMonth()));
        }
    });
    // A removed card is no longer shown: Ctrl+S makes a new one.
    connect(dialog, &TBookDialog::CardRemoved, this, [this](book::CardId id) {
        if (shownCard_ && shownCard_->id == id) {
            shownCard_.reset();
            reading_.CardClosed();
        }
    });
    bookDialog_ = dialog;
    dialog->show();
    dialog->activateWindow();
    dialog->Search()->setFocus(Qt::OtherFocusReason);
}

void TMainForm::OpenCard(const book::Card& card, std::size_t variant) {
    const std::size_t v = variant < card.names.size() ? variant : 0;
    const session::PersonInput person = book::ToPersonInput(card, ShownMonth(), v);
    const book::NameVariant none;
    const book::NameVariant& name = card.names.empty() ? none : card.names[v];
    fields_.day->SetValue(card.birth.day);
    fields_.month->SetValue(card.birth.month);
    fields_.year->SetValue(card.birth.year);
    fields_.first->setText(QString::fromStdString(name.first));
    fields_.middle->setText(QString::fromStdString(name.middle));
    fields_.last->setText(QString::fromStdString(name.last));
    const book::Partner partner = card.partner.value_or(book::Partner{});
    fields_.partnerDay->SetValue(partner.date.day);
    fields_.partnerMonth->SetValue(partner.date.month);
    fields_.partnerYear->SetValue(partner.date.year);
    fields_.partnerFirst->setText(QString::fromStdString(partner.first));
    fields_.partnerMiddle->setText(QString::fromStdString(partner.middle));
    fields_.partnerLast->setText(QString::fromStdString(partner.last));
    fields_.misc->setText(QString::fromStdString(card.text.value_or(std::string())));

    shownCard_ = OpenedCard{card.id, v, NameOf(card), person, card.notes};
    reading_.CardOpened(person, card.notes);
    bnDoitClick();
    if (card.partner)
        bnPartnerClick();
    if (card.text)
        bnMiscClick();
    pcPages_->setCurrentWidget(nucleusPage_);
    FocusFirstField();
    ShowNotice(QStringLiteral("Открыта карточка «%1»").arg(shownCard_ ? shownCard_->name : NameOf(card)));
}

} // namespace lirem::ui
