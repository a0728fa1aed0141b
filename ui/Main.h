// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's one window: eight pages of fixed controls and the six
// handlers that run the engine and show its results. The window never
// computes numerology itself; it reads its fields, calls the engine and lets
// the engine write through a sink over its widgets.

#include "book/Book.h"
#include "book/Card.h"
#include "engine/Profile.h"
#include "look/DesignScale.h"
#include "session/Handlers.h"
#include "ui/BookQuestions.h"
#include "ui/ControlMap.h"
#include "ui/ErrorReporter.h"
#include "ui/ListMatch.h"
#include "ui/ReadingExport.h"
#include "ui/SpokenResults.h"
#include "ui/WidgetSink.h"

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

class QComboBox;
class QKeyEvent;
class QStyle;
class QStatusBar;
class QTabWidget;
class QPushButton;
class QLineEdit;

namespace lirem::skin {
class TSkinData;
class TWinSkinForm;
} // namespace lirem::skin

namespace lirem::ui {

class SpinEdit;
class TBookDialog;

class TMainForm final : public QWidget {
    Q_OBJECT
public:
    // today: the local date the calendar starts with. reporter: where errors
    // go; a modal message box when none is given.
    explicit TMainForm(QDate today = QDate::currentDate(), std::unique_ptr<ErrorReporter> reporter = {},
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // A control of the layout by its name; nullptr when there is none.
    [[nodiscard]] QWidget* Control(std::string_view name) const;
    template <class T> [[nodiscard]] T* ControlAs(std::string_view name) const {
        return qobject_cast<T*>(Control(name));
    }
    // The widget that holds every control; a skinned frame insets it.
    [[nodiscard]] QWidget* Client() const { return client_; }
    [[nodiscard]] QTabWidget* PageControl() const { return pcPages_; }
    [[nodiscard]] QStatusBar* StatusBar() const { return sbMessage_; }
    [[nodiscard]] skin::TWinSkinForm* SkinForm() const { return wsfNumero_; }
    [[nodiscard]] const engine::NumerologyProfile& Profile() const { return profile_; }
    [[nodiscard]] const look::DesignScale& Scale() const { return scale_; }
    void SetErrorReporter(std::unique_ptr<ErrorReporter> reporter);
    // What Ctrl+P prints.
    [[nodiscard]] const ReadingExport& Reading() const { return reading_; }

    // The client book, opened at the first use.
    // Ctrl+S: the inputs of the last calculations as a card.
    void SaveToBook();
    // Ctrl+O: the book's dialog; it stays open until closed or a card is chosen.
    void OpenBook();
    // Puts the card's variant into the fields and runs the handlers as the
    // buttons do: the person, then the partner and the free text when given.
    void OpenCard(const book::Card& card, std::size_t variant);
    [[nodiscard]] TBookDialog* BookDialog() const;
    // The card the window shows, if it shows one.
    [[nodiscard]] std::optional<book::CardId> ShownCard() const;
    void SetBookQuestions(std::unique_ptr<BookQuestions> questions);

    // The handlers.
    void bnDoitClick();
    void bnPartnerClick();
    void bnMiscClick();
    void cbYearChange();
    void cbMonthChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    void CentreOnScreen();
    void FocusFirstField();
    void KeepFocusVisible();
    [[nodiscard]] static bool IsPageSwitchKey(const QKeyEvent& key);
    void WireEvents();
    void ShowNotice(const QString& text);
    void FormCreate(QDate today);
    void ConnectCombo(QComboBox* combo, ListMatching matching, void (TMainForm::*handler)());
    // The text fields a handler reads; the others are left empty, unconverted.
    enum class Texts { None, Person, PersonAndPartner, Free };
    [[nodiscard]] session::PersonInput ReadInputs(Texts texts) const;
    // The calendar month the lists show, for the printed reading (today's
    // where a list has no selection).
    [[nodiscard]] session::CalendarMonth ShownMonth() const;
    template <class Step> void Guarded(Step&& step);
    // The book, opened now when it is not yet; nullptr (reported) when it cannot be.
    [[nodiscard]] book::Book* Book();
    void ReportBookError(const std::string& message);
    // The reading ends with the card's notes only while the person calculated
    // is the card's; Ctrl+S still offers to update the card.
    void CardPersonCalculated(const session::PersonInput& in);

    look::DesignScale scale_;
    QStyle* style_ = nullptr; // owned by the window
    QWidget* client_ = nullptr;
    QTabWidget* pcPages_ = nullptr;
    QStatusBar* sbMessage_ = nullptr;
    ControlMap controls_;
    WidgetSink sink_{controls_};
    std::unique_ptr<ErrorReporter> reporter_;
    engine::NumerologyProfile profile_{};
    QDate today_; // the date the window was started with
    std::unique_ptr<SpokenResults> spoken_;
    ReadingExport reading_; // Ctrl+P

    // The fields the handlers read, looked up once.
    struct Fields {
        SpinEdit* day = nullptr;
        SpinEdit* month = nullptr;
        SpinEdit* year = nullptr;
        QLineEdit* first = nullptr;
        QLineEdit* middle = nullptr;
        QLineEdit* last = nullptr;
        QComboBox* calendarYear = nullptr;
        QComboBox* calendarMonth = nullptr;
        SpinEdit* partnerDay = nullptr;
        SpinEdit* partnerMonth = nullptr;
        SpinEdit* partnerYear = nullptr;
        QLineEdit* partnerFirst = nullptr;
        QLineEdit* partnerMiddle = nullptr;
        QLineEdit* partnerLast = nullptr;
        QLineEdit* misc = nullptr;
        QPushButton* doit = nullptr;
        QPushButton* partner = nullptr;
        QPushButton* miscButton = nullptr;
    } fields_;
    QWidget* nucleusPage_ = nullptr;
    QWidget* synastryPage_ = nullptr;
    bool shownOnce_ = false;

    std::optional<book::Book> book_; // opened at the first Ctrl+S or Ctrl+O
    std::unique_ptr<BookQuestions> questions_;
    QPointer<TBookDialog> bookDialog_;
    // The card opened from the book while its person is what the window shows.
    struct OpenedCard {
        book::CardId id = 0;
        std::size_t variant = 0;
        QString name;
        session::PersonInput person; // as opened or last saved
        std::string notes;
    };
    std::optional<OpenedCard> shownCard_;

    // The skin and the skinned frame. Either may go first; the frame is a Qt
    // child of the window, which deletes it.
    std::unique_ptr<skin::TSkinData> sdNumero_;
    skin::TWinSkinForm* wsfNumero_ = nullptr;
};

} // namespace lirem::ui
