// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleNames.h"

#include "layout/ControlNames.h"
#include "look/LayoutLook.h"

#include "ui/ValueLabel.h"

#include <QLabel>

#include <algorithm>
#include <stdexcept>

namespace lirem::ui {

namespace {

// A caption as a name: "Жизненный Путь:" -> "Жизненный Путь".
QString AsName(QString caption) {
    while (!caption.isEmpty() && (caption.back() == QLatin1Char(':') || caption.back().isSpace())) {
        caption.chop(1);
    }
    return caption;
}

class Builder {
public:
    explicit Builder(const std::vector<layout::ControlRow>& layout) : layout_(layout) {}

    // A control named by the caption label beside it.
    void Caption(const std::string& control, const std::string& label) { Add(control, Text(label), {}, label); }
    // An input field and its caption label.
    void Input(const std::string& control, const std::string& label) { Add(control, Text(label), label); }
    // A control with no caption of its own.
    void Fixed(const std::string& control, const QString& name) { Add(control, name, {}); }
    // A numbered row named "caption 1".."caption N", optionally with a suffix.
    void Numbered(const control::NameSeries& series, const std::string& label, const QString& suffix = {}) {
        const QString caption = Text(label);
        for (std::size_t i = 1; i <= series.size(); ++i) {
            Add(series(i), caption + QLatin1Char(' ') + QString::number(i) + suffix, {}, label);
        }
    }
    // The cells of a 3 x 3 digit grid: "caption, цифра 1".."caption, цифра 9".
    void DigitsFixed(const control::NameSeries& digits, const QString& caption, const std::string& label = {}) {
        for (std::size_t i = 1; i <= digits.size(); ++i) {
            Add(digits(i), caption + QStringLiteral(", цифра ") + QString::number(i), {}, label);
        }
    }
    void Digits(const control::NameSeries& digits, const std::string& label) {
        DigitsFixed(digits, Text(label), label);
    }
    // A numbered row all named by one caption.
    void Same(const control::NameSeries& series, const std::string& label) {
        for (std::size_t i = 1; i <= series.size(); ++i) {
            Caption(series(i), label);
        }
    }

    std::vector<AccessibleCaption> Take() { return std::move(out_); }

private:
    QString Text(const std::string& label) const {
        const auto it = std::find_if(layout_.begin(), layout_.end(),
                                     [&](const layout::ControlRow& row) { return row.name == label; });
        if (it == layout_.end()) {
            throw std::logic_error("no caption label " + label);
        }
        return AsName(look::FromUtf8(it->text));
    }
    void Add(std::string control, QString name, std::string buddy, std::string caption = {}) {
        out_.push_back({std::move(control), std::move(name), std::move(buddy), std::move(caption)});
    }

    const std::vector<layout::ControlRow>& layout_;
    std::vector<AccessibleCaption> out_;
};

} // namespace

std::vector<AccessibleCaption> AccessibleCaptions(const std::vector<layout::ControlRow>& layout) {
    Builder b(layout);
    // Page 1: the five numbers and the person's inputs.
    b.Caption(control::stPath, control::lPath);
    b.Caption(control::stBDay, control::lBDay);
    b.Caption(control::stExpress, control::lExpress);
    b.Caption(control::stSoul, control::lSoul);
    b.Caption(control::stPerson, control::lPerson);
    b.Input(control::seDay, control::lDay);
    b.Input(control::seMonth, control::lMonth);
    b.Input(control::seYear, control::lYear);
    b.Input(control::edFirst, control::lName);
    b.Input(control::edMiddle, control::lSecond);
    b.Input(control::edLast, control::lLast);
    // Page 2: the same five numbers on the pictures, synthesis and bridges.
    b.Caption(control::lShowSoul, control::lSoul);
    b.Caption(control::lShowPerson, control::lPerson);
    b.Caption(control::lShowExpress, control::lExpress);
    b.Caption(control::lShowPath, control::lPath);
    b.Caption(control::lShowBDay, control::lBDay);
    b.Caption(control::stRealize, control::lRealize);
    b.Caption(control::stReason, control::Label4);
    b.Caption(control::lPEBridge, control::lPE);
    b.Caption(control::lSPBridge, control::lSP);
    b.Caption(control::lESBridge, control::lES);
    b.Fixed(control::meVozSpo, "Возможности - Способности");
    b.Fixed(control::meVozMot, "Возможности - Мотивация");
    b.Fixed(control::meSpoMot, "Способности - Мотивация");
    // Page 3: both digit grids.
    b.Digits(control::lSpN, control::lSpectre);
    b.Digits(control::lEtN, control::lEtalonTitle);
    // Page 4: the partner's inputs and the list of matches.
    b.Input(control::sePartnerDay, control::lPartnerDay);
    b.Input(control::sePartnerMonth, control::lPartnerMonth);
    b.Input(control::sePartnerYear, control::lPartnerYear);
    b.Input(control::edPartnerFirst, control::lPartnerFirst);
    b.Input(control::edPartnerMiddle, control::lPartnerMiddle);
    b.Input(control::edPartnerLast, control::lPartnerLast);
    b.Fixed(control::meResult, "Совпадения");
    // Page 5: pinnacles, periods and challenges, numbered left to right.
    b.Numbered(control::lPinN, control::lPinTitle);
    b.Numbered(control::lPinStartN, control::lPinTitle, ", начало");
    b.Numbered(control::lPerN, control::lPerTitle);
    b.Numbered(control::lPerStartN, control::lPerTitle, ", начало");
    b.Numbered(control::lIspN, control::lIspTitle);
    // Page 6: the calendar lists and the Personal Day of each cell.
    b.Input(control::cbYear, control::lCurYear);
    b.Input(control::cbMonth, control::lCurMonth);
    b.Same(control::liDayN, control::liDayTitle);
    // Page 7: the free text, its digit grid and the explanation.
    b.Fixed(control::edMisc, "Текст или число");
    b.DigitsFixed(control::lMiscN, "Спектр");
    b.Fixed(control::meMisc, "Пояснение");
    // Page 8.
    b.Fixed(control::meAuthor, "О Программе");
    return b.Take();
}

void ApplyAccessibleNames(const std::vector<layout::PageRow>& pages, const std::vector<layout::ControlRow>& layout,
                          const ControlMap& controls) {
    for (const layout::PageRow& page : pages) {
        if (QWidget* sheet = FindControl(controls, page.name)) {
            sheet->setAccessibleName(look::FromUtf8(page.caption));
        }
    }
    for (const AccessibleCaption& entry : AccessibleCaptions(layout)) {
        QWidget* control = FindControl(controls, entry.control);
        if (control == nullptr) {
            throw std::logic_error("no control " + entry.control + " to name");
        }
        control->setAccessibleName(entry.name);
        if (!entry.buddy.empty()) {
            if (auto* label = qobject_cast<QLabel*>(FindControl(controls, entry.buddy))) {
                label->setBuddy(control);
            }
        }
        if (!entry.caption.empty()) {
            if (auto* label = qobject_cast<ValueLabel*>(FindControl(controls, entry.caption))) {
                label->SetSilent(true);
            }
        }
    }
}

} // namespace lirem::ui
