// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Main.h"

#include "engine/Errors.h"
#include "layout/ControlNames.h"
#include "layout/LayoutTable.h"
#include "look/AppTitle.h"
#include "look/Fonts.h"
#include "look/LayoutLook.h"
#include "look/TextBoundary.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"
#include "ui/AccessibleFactory.h"
#include "ui/AccessibleNames.h"
#include "ui/BookDialog.h"
#include "ui/LayoutBuilder.h"
#include "ui/ListMatch.h"
#include "ui/PasteGuard.h"
#include "ui/ProgramIcon.h"
#include "ui/SpinEdit.h"
#include "ui/ValueLabel.h"
#include "ui/WindowStyle.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include <exception>
#include <optional>
#include <stdexcept>

namespace lirem::ui {

namespace {

constexpr int kClientWidth = 681;
constexpr int kClientHeight = 381;
constexpr int kFirstCalendarYear = 1950;
constexpr int kLastCalendarYear = 2050;

double ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

template <class T> T* Require(const ControlMap& controls, std::string_view name) {
    auto* widget = qobject_cast<T*>(FindControl(controls, name));
    if (widget == nullptr) {
        throw std::logic_error("the layout lacks " + std::string(name));
    }
    return widget;
}

} // namespace

TMainForm::TMainForm(QDate today, std::unique_ptr<ErrorReporter> reporter, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      scale_(ScreenDpi()), reporter_(std::move(reporter)) {
    InstallAccessibleFactory();
    if (!reporter_) {
        reporter_ = std::make_unique<MessageBoxReporter>(this);
    }
    setObjectName(QString::fromLatin1(control::MainForm));
    setWindowTitle(look::WindowCaption());
    // The taskbar button shows the application title, the caption stays.
    setWindowIconText(look::ApplicationTitle());
    setWindowIcon(ProgramIcon());
    look::InstallFontSubstitutions();
    setFont(look::MakeFont(layout::FontFace::Window));
    BuildWindow();
    new PasteGuard(this);
    WireEvents();
    sdNumero_ = std::make_unique<lirem::skin::TSkinData>();
    sdNumero_->ReadSkinStreamFrom(QStringLiteral(":/skin/numero.skin"));
    wsfNumero_ = new lirem::skin::TWinSkinForm(this);
    wsfNumero_->SetSkinData(sdNumero_.get());
    wsfNumero_->SetControlFactory(&lirem::skin::CreateSkinControl);
    wsfNumero_->Loaded();
    questions_ = std::make_unique<MessageBoxQuestions>(this, sdNumero_.get());
    // Ctrl+Tab puts the focus on the new page's first field. Installed after
    // the skin's own filter on the page control, so that it sees the key first.
    pcPages_->installEventFilter(this);
    CentreOnScreen();
    FormCreate(today);
    // The first field of the first page takes the keyboard, so a digit typed
    // at start goes where the caret shows.
    fields_.day->setFocus(Qt::TabFocusReason);
    fields_.day->selectAll();
    // The focus stays marked after a mouse click as well: the platform style
    // would otherwise drop the focus frame of some fields until Tab is pressed.
    setAttribute(Qt::WA_KeyboardFocusChange);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        if (now != nullptr && now->window() == this && !testAttribute(Qt::WA_KeyboardFocusChange)) {
            setAttribute(Qt::WA_KeyboardFocusChange);
            now->update();
        }
    });
}

// The frame goes before the skin data: losing the skin first would give the
// closing window its platform frame back, only to destroy it.
TMainForm::~TMainForm() {
    delete wsfNumero_;
}

void TMainForm::BuildWindow() {
    const QSize clientSize(scale_(kClientWidth), scale_(kClientHeight));
    client_ = new QWidget(this);
    // A child created after the client, so it outlives every widget that uses it.
    style_ = new WindowStyle;
    style_->setParent(this);
    client_->setObjectName(QStringLiteral("Client"));
    client_->setGeometry(QRect(QPoint(0, 0), clientSize));
    setFixedSize(clientSize);

    sbMessage_ = new QStatusBar(client_);
    sbMessage_->setObjectName(QString::fromLatin1(control::sbMessage));
    sbMessage_->setSizeGripEnabled(false);
    sbMessage_->setGeometry(
        scale_.Rect(0, layout::kPagesHeight, layout::kClientWidth, layout::kClientHeight - layout::kPagesHeight));
    auto* panel = new QLabel(look::FromUtf8(layout::StatusText()), sbMessage_);
    panel->setObjectName(QStringLiteral("sbMessagePanel"));
    panel->setAlignment(Qt::AlignCenter);
    sbMessage_->addWidget(panel, 1);
    controls_.emplace(control::sbMessage, sbMessage_);

    pcPages_ = new QTabWidget(client_);
    pcPages_->setObjectName(QString::fromLatin1(control::pcPages));
    pcPages_->setGeometry(scale_.Rect(0, 0, layout::kClientWidth, layout::kPagesHeight));
    pcPages_->tabBar()->setStyle(style_);
    controls_.emplace(control::pcPages, pcPages_);
    for (const layout::PageRow& page : layout::Pages()) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QString::fromStdString(page.name));
        sheet->setAutoFillBackground(true);
        pcPages_->addTab(sheet, look::FromUtf8(page.caption));
        controls_.emplace(page.name, sheet);
    }
    // A label out of sight takes its size when its page is shown (first of
    // all that follow the page change), with the window on screen or not.
    connect(pcPages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (const QWidget* page = pcPages_->widget(index)) {
            FitShownLabels(*page);
        }
    });

    BuildControls(layout::Controls(), scale_, controls_);
    for (QGroupBox* group : client_->findChildren<QGroupBox*>()) {
        group->setStyle(style_);
    }
    ApplyTabOrder(layout::Pages(), layout::Controls(), controls_);
    ApplyAccessibleNames(layout::Pages(), layout::Controls(), controls_);
    spoken_ = std::make_unique<SpokenResults>(layout::Controls(), controls_);

    auto* month = Require<QComboBox>(controls_, control::cbMonth);
    month->addItems(look::FromUtf8(layout::MonthNames()));
    month->setCurrentIndex(8); // "Сентябрь" until the start-up picks the current month
    auto* misc = Require<QPlainTextEdit>(controls_, control::meMisc);
    misc->setPlainText(look::FromUtf8(layout::MiscMemoLines()).join(QLatin1Char('\n')));
    Require<QPlainTextEdit>(controls_, control::meAuthor)->setPlainText(look::FromUtf8(layout::AuthorText()));

    fields_.day = Require<SpinEdit>(controls_, control::seDay);
    fields_.month = Require<SpinEdit>(controls_, control::seMonth);
    fields_.year = Require<SpinEdit>(controls_, control::seYear);
    fields_.first = Require<QLineEdit>(controls_, control::edFirst);
    fields_.middle = Require<QLineEdit>(controls_, control::edMiddle);
    fields_.last = Require<QLineEdit>(controls_, control::edLast);
    fields_.calendarYear = Require<QComboBox>(controls_, control::cbYear);
    fields_.calendarMonth = month;
    fields_.partnerDay = Require<SpinEdit>(controls_, control::sePartnerDay);
    fields_.partnerMonth = Require<SpinEdit>(controls_, control::sePartnerMonth);
    fields_.partnerYear = Require<SpinEdit>(controls_, control::sePartnerYear);
    fields_.partnerFirst = Require<QLineEdit>(controls_, control::edPartnerFirst);
    fields_.partnerMiddle = Require<QLineEdit>(controls_, control::edPartnerMiddle);
    fields_.partnerLast = Require<QLineEdit>(controls_, control::edPartnerLast);
    fields_.misc = Require<QLineEdit>(controls_, control::edMisc);
    fields_.doit = Require<QPushButton>(controls_, control::bnDoit);
    fields_.partner = Require<QPushButton>(controls_, control::bnPartner);
    fields_.miscButton = Require<QPushButton>(controls_, control::bnMisc);
    nucleusPage_ = Require<QWidget>(controls_, control::tsNucleus);
    synastryPage_ = Require<QWidget>(controls_, control::tsSynastry);

    pcPages_->setCurrentWidget(nucleusPage_);
}

// Centred with its frame: the skin has made the window frameless and grown it
// by the frame, so the whole window is what the user sees.
void TMainForm::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.x() + (available.width() - width()) / 2, available.y() + (available.height() - height()) / 2);
    }
}

void TMainForm::ConnectCombo(QComboBox* combo, ListMatching matching, void (TMainForm::*handler)()) {
    // Choosing an item from the list.
    connect(combo, &QComboBox::activated, this, [this, handler] { (this->*handler)(); });
    // Typing selects the item the text names and leaves the text as typed;
    // a text that names no item changes nothing.
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, combo, matching, handler](const QString& text) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items.append(combo->itemText(i));
        }
        const int match = MatchingItem(items, text, matching);
        if (match < 0 || match == combo->currentIndex()) {
            return;
        }
        QLineEdit* edit = combo->lineEdit();
        const int cursor = edit->cursorPosition();
        {
            const QSignalBlocker blocker(combo);
            combo->setCurrentIndex(match);
            edit->setText(text);
            edit->setCursorPosition(cursor);
        }
        (this->*handler)();
    });
    // Leaving the list shows the selected item again.
    connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [combo] {
        if (combo->currentIndex() >= 0 && combo->currentText() != combo->itemText(combo->currentIndex())) {
            const QSignalBlocker blocker(combo);
            combo->lineEdit()->setText(combo->itemText(combo->currentIndex()));
        }
    });
}

void TMainForm::WireEvents() {
    connect(fields_.doit, &QPushButton::clicked, this, &TMainForm::bnDoitClick);
    connect(fields_.partner, &QPushButton::clicked, this, &TMainForm::bnPartnerClick);
    connect(fields_.miscButton, &QPushButton::clicked, this, &TMainForm::bnMiscClick);
    ConnectCombo(fields_.calendarYear, ListMatching::WholeItem, &TMainForm::cbYearChange);
    ConnectCombo(fields_.calendarMonth, ListMatching::WholeItemNumberOrPrefix, &TMainForm::cbMonthChange);
    // Enter presses the default button of pages 1 and 4.
    nucleusPage_->installEventFilter(this);
    synastryPage_->installEventFilter(this);
    connect(pcPages_, &QTabWidget::currentChanged, this, &TMainForm::KeepFocusVisible);
    // Ctrl+P saves the reading of what the window shows as a PDF, inside the
    // handlers' guard; the status bar names the file written.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this, [this] {
        Guarded([this] {
            const QString file = reading_.SaveAsPdf(this, ShownMonth(), *reporter_);
            if (!file.isEmpty()) {
                ShowNotice(QStringLiteral("Расчет сохранен в файл %1").arg(QDir::toNativeSeparators(file)));
            }
        });
    });
    // Ctrl+S keeps the last calculation in the client book, Ctrl+O opens it.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
            &TMainForm::SaveToBook);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this, &TMainForm::OpenBook);
}

void TMainForm::ShowNotice(const QString& text) {
    // A passing message over the credit text: the bar keeps its place and size.
    constexpr int kNoticeMilliseconds = 15000;
    sbMessage_->showMessage(text, kNoticeMilliseconds);
    // A screen reader announces it as it does an alert.
    QAccessibleEvent alert(sbMessage_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool TMainForm::IsPageSwitchKey(const QKeyEvent& key) {
    if ((key.modifiers() & Qt::ControlModifier) == 0) {
        return false;
    }
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

void TMainForm::FocusFirstField() {
    QWidget* page = pcPages_->currentWidget();
    QWidget* first =
        page != nullptr ? FirstField(page->objectName().toStdString(), layout::Controls(), controls_) : nullptr;
    // A page without fields leaves the focus on the tab row, which shows it.
    (first != nullptr ? first : static_cast<QWidget*>(pcPages_->tabBar()))->setFocus(Qt::TabFocusReason);
}

void TMainForm::KeepFocusVisible() {
    // Switching pages moves a focus that was on the old page into the new
    // one; on a page without fields it would land on the bare page, where
    // nothing shows it.
    const QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && pcPages_->isAncestorOf(focused) && focused->focusPolicy() == Qt::NoFocus) {
        pcPages_->tabBar()->setFocus(Qt::OtherFocusReason);
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pcPages_ && event->type() == QEvent::KeyPress && IsPageSwitchKey(*static_cast<QKeyEvent*>(event))) {
        const int before = pcPages_->currentIndex();
        static_cast<QObject*>(pcPages_)->event(event);
        if (event->isAccepted() && pcPages_->currentIndex() != before) {
            FocusFirstField();
        }
        return event->isAccepted();
    }
    if (event->type() == QEvent::KeyPress && (watched == nucleusPage_ || watched == synastryPage_)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool plain = (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
        if (enter && plain && pcPages_->currentWidget() == watched) {
            (watched == nucleusPage_ ? fields_.doit : fields_.partner)->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Asks for the keyboard when first shown: a window manager would give it,
    // a bare X server leaves the window inactive, without a focus frame and
    // deaf to Alt+Space until it is clicked.
    if (!shownOnce_) {
        shownOnce_ = true;
        activateWindow();
    }
}

void TMainForm::FormCreate(QDate today) {
    today_ = today;
    fields_.year->SetValue(1970);
    QStringList years;
    for (int year = kFirstCalendarYear; year <= kLastCalendarYear; ++year) {
        years.append(QString::number(year));
    }
    // Selections made here raise no change events: only user actions are connected.
    fields_.calendarYear->addItems(years);
    const int yearIndex = today.year() - kFirstCalendarYear;
    fields_.calendarYear->setCurrentIndex(yearIndex >= 0 && yearIndex < years.size() ? yearIndex : -1);
    fields_.calendarMonth->setCurrentIndex(today.month() - 1);
    bnDoitClick();
}

void TMainForm::SetErrorReporter(std::unique_ptr<ErrorReporter> reporter) {
    if (reporter) {
        reporter_ = std::move(reporter);
    }
}

QWidget* TMainForm::Control(std::string_view name) const {
    return FindControl(controls_, name);
}

session::PersonInput TMainForm::ReadInputs(Texts texts) const {
    session::PersonInput in;
    in.date = {fields_.day->Value(), fields_.month->Value(), fields_.year->Value()};
    // The lists' selections as the handlers read them (no selection: index -1).
    in.calendar = {static_cast<std::int32_t>(engine::SelectedYear(fields_.calendarYear->currentIndex())),
                   static_cast<std::int32_t>(engine::SelectedMonth(fields_.calendarMonth->currentIndex()))};
    // Only the texts the handler reads are converted: a huge text in another
    // field costs nothing.
    if (texts == Texts::Person || texts == Texts::PersonAndPartner) {
        in.first = look::ToEngineText(fields_.first->text());
        in.middle = look::ToEngineText(fields_.middle->text());
        in.last = look::ToEngineText(fields_.last->text());
    }
    if (texts == Texts::PersonAndPartner) {
        in.partner = session::PartnerInput{
            {fields_.partnerDay->Value(), fields_.partnerMonth->Value(), fields_.partnerYear->Value()},
            look::ToEngineText(fields_.partnerFirst->text()),
            look::ToEngineText(fields_.partnerMiddle->text()),
            look::ToEngineText(fields_.partnerLast->text())};
    }
    if (texts == Texts::Free) {
        in.text = look::ToEngineText(fields_.misc->text());
    }
    return in;
}

session::CalendarMonth TMainForm::ShownMonth() const {
    const int year = fields_.calendarYear->currentIndex();
    const int month = fields_.calendarMonth->currentIndex();
    return {year >= 0 ? static_cast<std::int32_t>(engine::SelectedYear(year)) : today_.year(),
            month >= 0 ? static_cast<std::int32_t>(engine::SelectedMonth(month)) : today_.month()};
}

template <class Step> void TMainForm::Guarded(Step&& step) {
    // An error (engine::EngineError or any other) ends the handler; whatever it
    // wrote stays, and the error is reported.
    std::optional<QString> error;
    try {
        step();
    } catch (const std::exception& e) {
        error = ErrorText(e.what());
    } catch (...) {
        error = QStringLiteral("Непредвиденная ошибка.");
    }
    // Screen readers hear the results that changed, before any error box.
    spoken_->Refresh();
    if (error) {
        reporter_->Report(*error);
    }
}

void TMainForm::bnDoitClick() {
    Guarded([this] {
        const session::PersonInput in = ReadInputs(Texts::Person);
        reading_.Calculated(in);
        CardPersonCalculated(in);
        session::RunFullRecalculation(in, profile_, sink_);
    });
}

void TMainForm::bnPartnerClick() {
    Guarded([this] {
        const session::PersonInput in = ReadInputs(Texts::PersonAndPartner);
        session::RunPartnerComparison(in, profile_, sink_);
        reading_.PartnerCompared(in);
    });
}

void TMainForm::bnMiscClick() {
    Guarded([this] {
        const session::PersonInput in = ReadInputs(Texts::Free);
        session::RunFreeText(in, sink_);
        reading_.TextCounted(in);
    });
}

void TMainForm::cbYearChange() {
    Guarded([this] { session::RunYearChange(ReadInputs(Texts::None), profile_, sink_); });
}

void TMainForm::cbMonthChange() {
    Guarded([this] { session::RunMonthChange(ReadInputs(Texts::None), profile_, sink_); });
}

} // namespace lirem::ui
