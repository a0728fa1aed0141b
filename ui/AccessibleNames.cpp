// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleNames.h"

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
    explicit Builder(const std::vector<ControlRow>& layout) : layout_(layout) {}

    // A control named by the caption label beside it.
    void Caption(const std::string& control, const std::string& label) { Add(control, Text(label), {}); }
    // An input field and its caption label.
    void Input(const std::string& control, const std::string& label) { Add(control, Text(label), label); }
    // A control with no caption of its own.
    void Fixed(const std::string& control, const QString& name) { Add(control, name, {}); }
    // stem1..stemN named "caption 1".."caption N", optionally with a suffix.
    void Numbered(const char* stem, int count, const std::string& label, const QString& suffix = {}) {
        NumberedFixed(stem, count, Text(label), suffix);
    }
    void NumberedFixed(const char* stem, int count, const QString& caption, const QString& suffix = {}) {
        for (int i = 1; i <= count; ++i) {
            Add(stem + std::to_string(i), caption + QLatin1Char(' ') + QString::number(i) + suffix, {});
        }
    }
    // The cells of a 3 x 3 digit grid: "caption, цифра 1".."caption, цифра 9".
    void DigitsFixed(const char* stem, const QString& caption) {
        for (int i = 1; i <= 9; ++i) {
            Add(stem + std::to_string(i), caption + QStringLiteral(", цифра ") + QString::number(i), {});
        }
    }
    void Digits(const char* stem, const std::string& label) { DigitsFixed(stem, Text(label)); }
    // stem1..stemN all named by one caption.
    void Same(const char* stem, int count, const std::string& label) {
        for (int i = 1; i <= count; ++i) {
            Caption(stem + std::to_string(i), label);
        }
    }

    std::vector<AccessibleCaption> Take() { return std::move(out_); }

private:
    QString Text(const std::string& label) const {
        const auto it =
            std::find_if(layout_.begin(), layout_.end(), [&](const ControlRow& row) { return row.name == label; });
        if (it == layout_.end()) {
            throw std::logic_error("no caption label " + label);
        }
        return AsName(it->text);
    }
    void Add(std::string control, QString name, std::string buddy) {
        out_.push_back({std::move(control), std::move(name), std::move(buddy)});
    }

    const std::vector<ControlRow>& layout_;
    std::vector<AccessibleCaption> out_;
};

} // namespace

std::vector<AccessibleCaption> AccessibleCaptions(const std::vector<ControlRow>& layout) {
    Builder b(layout);
    // Page 1: the five numbers and the person's inputs.
    b.Caption("stPath", "lPath");
    b.Caption("stBDay", "lBDay");
    b.Caption("stExpress", "lExpress");
    b.Caption("stSoul", "lSoul");
    b.Caption("stPerson", "lPerson");
    b.Input("seDay", "lDay");
    b.Input("seMonth", "lMonth");
    b.Input("seYear", "lYear");
    b.Input("edFirst", "lName");
    b.Input("edMiddle", "lSecond");
    b.Input("edLast", "lLast");
    // Page 2: the same five numbers on the pictures, synthesis and bridges.
    b.Caption("lShowSoul", "lSoul");
    b.Caption("lShowPerson", "lPerson");
    b.Caption("lShowExpress", "lExpress");
    b.Caption("lShowPath", "lPath");
    b.Caption("lShowBDay", "lBDay");
    b.Caption("stRealize", "lRealize");
    b.Caption("stReason", "Label4");
    b.Caption("lPEBridge", "lPE");
    b.Caption("lSPBridge", "lSP");
    b.Caption("lESBridge", "lES");
    b.Fixed("meVozSpo", "Возможности - Способности");
    b.Fixed("meVozMot", "Возможности - Мотивация");
    b.Fixed("meSpoMot", "Способности - Мотивация");
    // Page 3: both digit grids.
    b.Digits("lSp", "lSpectre");
    b.Digits("lEt", "lEtalonTitle");
    // Page 4: the partner's inputs and the list of matches.
    b.Input("sePartnerDay", "lPartnerDay");
    b.Input("sePartnerMonth", "lPartnerMonth");
    b.Input("sePartnerYear", "lPartnerYear");
    b.Input("edPartnerFirst", "lPartnerFirst");
    b.Input("edPartnerMiddle", "lPartnerMiddle");
    b.Input("edPartnerLast", "lPartnerLast");
    b.Fixed("meResult", "Совпадения");
    // Page 5: pinnacles, periods and challenges, numbered left to right.
    b.Numbered("lPin", 4, "lPinTitle");
    b.Numbered("lPinStart", 4, "lPinTitle", ", начало");
    b.Numbered("lPer", 3, "lPerTitle");
    b.Numbered("lPerStart", 3, "lPerTitle", ", начало");
    b.Numbered("lIsp", 4, "lIspTitle");
    // Page 6: the calendar lists and the Personal Day of each cell.
    b.Input("cbYear", "lCurYear");
    b.Input("cbMonth", "lCurMonth");
    b.Same("liDay", 37, "liDayTitle");
    // Page 7: the free text, its digit grid and the explanation.
    b.Fixed("edMisc", "Текст или число");
    b.DigitsFixed("lMisc", "Спектр");
    b.Fixed("meMisc", "Пояснение");
    // Page 8.
    b.Fixed("meAuthor", "О Программе");
    return b.Take();
}

void ApplyAccessibleNames(const std::vector<PageRow>& pages, const std::vector<ControlRow>& layout,
                          const ControlMap& controls) {
    for (const PageRow& page : pages) {
        if (QWidget* sheet = FindControl(controls, page.name)) {
            sheet->setAccessibleName(page.caption);
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
    }
}

} // namespace lirem::ui
