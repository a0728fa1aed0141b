// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BookDialog.h"

#include "book/PersonCard.h"
#include "layout/ControlNames.h"
#include "layout/LayoutTable.h"
#include "look/DesignScale.h"
#include "look/LayoutLook.h"
#include "ui/BookQuestions.h"
#include "ui/ErrorReporter.h"
#include "ui/SkinnedWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lirem::ui {
namespace {

// A result's caption as the window shows it beside the result, without its colon.
QString CaptionOf(std::string_view control) {
    const layout::ControlRow* row = layout::FindControl(control);
    QString caption = row != nullptr ? look::FromUtf8(row->text) : QString();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption;
}

constexpr int kCardRole = Qt::UserRole; // a row's position in the list read from the book

QString CardName(const book::Card& card) {
    const QString name = QString::fromStdString(book::MainName(card)).simplified();
    return name.isEmpty() ? QStringLiteral("без имени") : name;
}

QString VariantName(const book::NameVariant& n) {
    return QStringList{QString::fromStdString(n.last), QString::fromStdString(n.first),
                       QString::fromStdString(n.middle)}
        .join(QLatin1Char(' '))
        .simplified();
}

QString BirthText(const book::Date& d) {
    return QStringLiteral("%1.%2.%3")
        .arg(d.day, 2, 10, QLatin1Char('0'))
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.year);
}

// A core number with the karmic number met in its sum: "7 (16)".
QString NumberText(const engine::CoreNumber& n) {
    return n.Karmic != 0 ? QStringLiteral("%1 (%2)").arg(n.Value).arg(n.Karmic) : QString::number(n.Value);
}

double ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

QTreeWidget* MakeTable(const QStringList& headers, const QString& name, QWidget* parent) {
    auto* table = new QTreeWidget(parent);
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setHeaderLabels(headers);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setAllColumnsShowFocus(true);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAccessibleName(name);
    return table;
}

} // namespace

TBookDialog::TBookDialog(QWidget* parent, book::Book& book, skin::TSkinData* skin, BookQuestions& questions,
                         ErrorReporter& reporter)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      book_(book), questions_(questions), reporter_(reporter) {
    setObjectName(QStringLiteral("BookDialog"));
    setWindowTitle(QStringLiteral("Картотека"));
    setAccessibleName(QStringLiteral("Картотека"));
    setAccessibleDescription(QStringLiteral("Enter — открыть карточку, Delete — удалить, Escape — закрыть"));
    Build();
    Reload();
    AttachSkin(*this, skin);
    // After the skin's own filters on the controls, so that these keys come here first.
    search_->installEventFilter(this);
    cards_->installEventFilter(this);
    variants_->installEventFilter(this);
}

void TBookDialog::Build() {
    const look::DesignScale scale(ScreenDpi());
    auto* searchLabel = new QLabel(QStringLiteral("&Поиск:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("BookSearch"));
    search_->setAccessibleName(QStringLiteral("Поиск по имени или дате рождения"));
    search_->setPlaceholderText(QStringLiteral("часть имени или даты рождения"));
    search_->setClearButtonEnabled(true);
    for (QToolButton* clear : search_->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("Очистить поиск"));
    searchLabel->setBuddy(search_);

    auto* cardsLabel = new QLabel(QStringLiteral("&Карточки:"), this);
    cards_ = MakeTable({QStringLiteral("Имя"), QStringLiteral("Дата рождения"), CaptionOf(control::lPath),
                        CaptionOf(control::lExpress)},
                       QStringLiteral("Карточки"), this);
    cards_->setObjectName(QStringLiteral("BookCards"));
    cards_->setSortingEnabled(false);
    cardsLabel->setBuddy(cards_);

    common_ = new QLabel(this);
    common_->setObjectName(QStringLiteral("BookCommon"));
    auto* variantsLabel = new QLabel(QStringLiteral("&Варианты имени:"), this);
    variants_ = MakeTable({QStringLiteral("Вариант"), QStringLiteral("Имя"), CaptionOf(control::lExpress),
                           CaptionOf(control::lSoul), CaptionOf(control::lPerson)},
                          QStringLiteral("Варианты имени"), this);
    variants_->setObjectName(QStringLiteral("BookVariants"));
    variantsLabel->setBuddy(variants_);

    auto* notesLabel = new QLabel(QStringLiteral("&Заметки:"), this);
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("BookNotes"));
    notes_->setAccessibleName(QStringLiteral("Заметки"));
    notes_->setTabChangesFocus(true);
    notesLabel->setBuddy(notes_);

    open_ = new QPushButton(QStringLiteral("&Открыть"), this);
    open_->setObjectName(QStringLiteral("BookOpen"));
    open_->setAccessibleName(QStringLiteral("Открыть карточку"));
    saveNotes_ = new QPushButton(QStringLiteral("&Сохранить заметки"), this);
    saveNotes_->setObjectName(QStringLiteral("BookSaveNotes"));
    saveNotes_->setAccessibleName(QStringLiteral("Сохранить заметки"));
    remove_ = new QPushButton(QStringLiteral("&Удалить"), this);
    remove_->setObjectName(QStringLiteral("BookRemove"));
    remove_->setAccessibleName(QStringLiteral("Удалить карточку"));
    close_ = new QPushButton(QStringLiteral("Закрыть"), this);
    close_->setObjectName(QStringLiteral("BookClose"));
    close_->setAccessibleName(QStringLiteral("Закрыть картотеку"));
    // Enter in the search field or the list opens; nothing else is default.
    for (QPushButton* button : {open_, saveNotes_, remove_, close_})
        button->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(searchLabel);
    top->addWidget(search_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addWidget(saveNotes_);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(scale(8), scale(8), scale(8), scale(8));
    all->setSpacing(scale(4));
    all->addLayout(top);
    all->addWidget(cardsLabel);
    all->addWidget(cards_, 3);
    all->addWidget(common_);
    all->addWidget(variantsLabel);
    all->addWidget(variants_, 2);
    all->addWidget(notesLabel);
    all->addWidget(notes_, 2);
    all->addLayout(buttons);
    resize(scale(640), scale(520));
    // The name takes the width the numbers leave: no sideways scrolling.
    for (QTreeWidget* table : {cards_, variants_}) {
        QHeaderView* header = table->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(table == cards_ ? 0 : 1, QHeaderView::Stretch);
    }

    setTabOrder(search_, cards_);
    setTabOrder(cards_, variants_);
    setTabOrder(variants_, notes_);
    setTabOrder(notes_, open_);
    setTabOrder(open_, saveNotes_);
    setTabOrder(saveNotes_, remove_);
    setTabOrder(remove_, close_);

    connect(search_, &QLineEdit::textChanged, this, &TBookDialog::ApplyFilter);
    connect(cards_, &QTreeWidget::currentItemChanged, this, &TBookDialog::ShowCurrent);
    connect(cards_, &QTreeWidget::itemDoubleClicked, this, &TBookDialog::OpenCurrent);
    connect(variants_, &QTreeWidget::itemDoubleClicked, this, &TBookDialog::OpenCurrent);
    connect(open_, &QPushButton::clicked, this, &TBookDialog::OpenCurrent);
    connect(remove_, &QPushButton::clicked, this, &TBookDialog::RemoveCurrent);
    connect(saveNotes_, &QPushButton::clicked, this, &TBookDialog::SaveNotes);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void TBookDialog::Reload() {
    const book::CardId keep = Current() != nullptr ? Current()->id : 0; // card numbers start at 1
    auto cards = book_.List();
    if (!cards) {
        reporter_.Report(QString::fromStdString(cards.Err().message));
        list_.clear();
    } else {
        list_ = std::move(cards).Value();
    }
    filter_ = std::make_unique<book::CardFilter>(list_);
    const QSignalBlocker blocker(cards_);
    cards_->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(list_.size()));
    for (std::size_t i = 0; i < list_.size(); ++i) {
        const book::Card& card = list_[i];
        const std::optional<engine::CoreReport> numbers = book::CoreNumbersOf(card);
        auto* row = new QTreeWidgetItem(
            QStringList{CardName(card), BirthText(card.birth),
                        numbers ? QString::number(numbers->LifePath.Value) : QStringLiteral("—"),
                        numbers ? QString::number(numbers->Expression.Value) : QStringLiteral("—")});
        row->setData(0, kCardRole, QVariant::fromValue(static_cast<qulonglong>(i)));
        rows.append(row);
    }
    cards_->addTopLevelItems(rows);
    ApplyFilter();
    if (keep != 0) {
        for (int i = 0; i < cards_->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = cards_->topLevelItem(i);
            if (!row->isHidden() && list_[row->data(0, kCardRole).toULongLong()].id == keep) {
                cards_->setCurrentItem(row);
                break;
            }
        }
    }
    ShowCurrent();
}

void TBookDialog::ApplyFilter() {
    const std::vector<std::size_t> shown = filter_->Match(search_->text().toStdString());
    std::vector<bool> match(list_.size(), false);
    for (const std::size_t i : shown)
        match[i] = true;
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < cards_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = cards_->topLevelItem(i);
        const bool visible = match[row->data(0, kCardRole).toULongLong()];
        row->setHidden(!visible);
        if (visible && first == nullptr)
            first = row;
    }
    // The current row stays when it still matches, else the first match.
    if (cards_->currentItem() == nullptr || cards_->currentItem()->isHidden())
        cards_->setCurrentItem(first);
    if (first == nullptr)
        ShowCurrent();
}

const book::Card* TBookDialog::Current() const {
    const QTreeWidgetItem* row = cards_ != nullptr ? cards_->currentItem() : nullptr;
    if (row == nullptr || row->isHidden())
        return nullptr;
    const auto i = static_cast<std::size_t>(row->data(0, kCardRole).toULongLong());
    return i < list_.size() ? &list_[i] : nullptr;
}

void TBookDialog::ShowCurrent() {
    KeepNotes();
    variants_->clear();
    const book::Card* card = Current();
    open_->setEnabled(card != nullptr);
    remove_->setEnabled(card != nullptr);
    saveNotes_->setEnabled(card != nullptr);
    notes_->setEnabled(card != nullptr);
    notesOf_.reset();
    if (card == nullptr) {
        common_->setText(list_.empty() ? QStringLiteral("Картотека пуста: Ctrl+S в окне сохраняет расчет.")
                                       : QStringLiteral("Ни одна карточка не подходит."));
        notes_->clear();
        return;
    }
    const std::optional<engine::CoreReport> main = book::CoreNumbersOf(*card);
    common_->setText(main ? QStringLiteral("%1: %2 · %3: %4")
                                .arg(CaptionOf(control::lPath), NumberText(main->LifePath), CaptionOf(control::lBDay),
                                     NumberText(main->Birthday))

                          : QStringLiteral("Программа не может рассчитать эту дату рождения."));
    for (std::size_t v = 0; v < card->names.size(); ++v) {
        const book::NameVariant& name = card->names[v];
        const std::optional<engine::CoreReport> numbers = book::CoreNumbersOf(*card, v);
        const QString label = !name.label.empty() ? QString::fromStdString(name.label)
                              : v == 0            ? QStringLiteral("основное")
                                                  : QStringLiteral("вариант %1").arg(v + 1);
        auto* row = new QTreeWidgetItem(QStringList{label, VariantName(name),
                                                    numbers ? NumberText(numbers->Expression) : QString(),
                                                    numbers ? NumberText(numbers->SoulUrge) : QString(),
                                                    numbers ? NumberText(numbers->Personality) : QString()});
        row->setData(0, kCardRole, QVariant::fromValue(static_cast<qulonglong>(v)));
        variants_->addTopLevelItem(row);
    }
    variants_->setCurrentItem(variants_->topLevelItem(0));
    notes_->setPlainText(QString::fromStdString(card->notes));
    notes_->document()->setModified(false);
    notesOf_ = card->id;
}

bool TBookDialog::KeepNotes() {
    if (!notesOf_ || !notes_->document()->isModified())
        return true;
    const std::string text = notes_->toPlainText().toStdString();
    if (const book::Status failed = book_.SetNotes(*notesOf_, text)) {
        reporter_.Report(QString::fromStdString(failed->message));
        return false;
    }
    notes_->document()->setModified(false);
    for (book::Card& card : list_)
        if (card.id == *notesOf_)
            card.notes = text;
    emit NotesSaved(*notesOf_, text);
    return true;
}

void TBookDialog::SaveNotes() {
    KeepNotes();
}

void TBookDialog::OpenCurrent() {
    const book::Card* card = Current();
    if (card == nullptr || !KeepNotes())
        return;
    const QTreeWidgetItem* variant = variants_->currentItem();
    const std::size_t v = variant != nullptr ? variant->data(0, kCardRole).toULongLong() : 0;
    const book::Card chosen = *card;
    accept();
    emit CardChosen(chosen, v);
}

void TBookDialog::RemoveCurrent() {
    const book::Card* card = Current();
    if (card == nullptr || !questions_.ConfirmRemove(CardName(*card)))
        return;
    notesOf_.reset(); // the notes go with the card
    const book::CardId id = card->id;
    if (const book::Status failed = book_.Remove(id))
        reporter_.Report(QString::fromStdString(failed->message));
    else
        emit CardRemoved(id);
    // The row below takes the removed one's place.
    const int at = cards_->indexOfTopLevelItem(cards_->currentItem());
    Reload();
    for (int i = at; i < cards_->topLevelItemCount() && i >= 0; ++i) {
        if (!cards_->topLevelItem(i)->isHidden()) {
            cards_->setCurrentItem(cards_->topLevelItem(i));
            break;
        }
    }
    cards_->setFocus();
}

bool TBookDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && plain) {
            // Enter in the list opens the main name; in the variants, the chosen one.
            if (watched == cards_ || watched == search_)
                variants_->setCurrentItem(variants_->topLevelItem(0));
            OpenCurrent();
            return true;
        }
        if (key->key() == Qt::Key_Delete && plain && watched == cards_) {
            RemoveCurrent();
            return true;
        }
        // Up and Down in the search field move through the list.
        if (watched == search_ && plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            QTreeWidgetItem* row = cards_->currentItem();
            QTreeWidgetItem* next = row == nullptr             ? nullptr
                                    : key->key() == Qt::Key_Up ? cards_->itemAbove(row)
                                                               : cards_->itemBelow(row);
            if (next != nullptr)
                cards_->setCurrentItem(next);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lirem::ui
