// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TextReport.h"

#include "engine/Calendar.h"
#include "engine/Cp1251.h"
#include "engine/Cp1251Literal.h"
#include "layout/ControlNames.h"
#include "layout/LayoutTable.h"
#include "session/Pipeline.h"
#include "session/RecordingSink.h"

#include <array>
#include <string_view>

namespace lirem::report {

using namespace engine::literals;
namespace {

// The window's texts, from its layout, in code page 1251.
std::string Cp1251(std::string_view utf8) {
    return engine::Utf8ToCp1251(utf8);
}
// The caption a control starts with.
std::string CaptionOf(std::string_view control) {
    const layout::ControlRow* row = layout::FindControl(control);
    return row != nullptr ? Cp1251(row->text) : std::string();
}
std::string PageCaption(std::string_view page) {
    for (const layout::PageRow& row : layout::Pages())
        if (row.name == page)
            return Cp1251(row.caption);
    return {};
}

// The report is assembled in code page 1251, where one byte is one
// character, so columns line up by byte counts; it becomes UTF-8 at the end.
class Page {
public:
    explicit Page(const session::RecordingSink& sink) : sink_(sink) {}

    void Title(std::string_view caption) {
        if (!out_.empty())
            out_ += '\n';
        out_ += caption;
        out_ += '\n';
        out_.append(caption.size(), '=');
        out_ += '\n';
    }
    void Line(std::string_view text = {}) {
        out_ += text;
        out_ += '\n';
    }
    // "Caption:" padded to a column, then the control's text.
    void Field(std::string_view caption, std::string_view control, std::size_t width) {
        Padded(caption, width);
        out_ += Text(control);
    }
    void Padded(std::string_view text, std::size_t width) {
        out_ += text;
        if (text.size() < width)
            out_.append(width - text.size(), ' ');
    }
    void RightAligned(std::string_view text, std::size_t width) {
        if (text.size() < width)
            out_.append(width - text.size(), ' ');
        out_ += text;
    }
    void Raw(std::string_view text) { out_ += text; }
    void EndLine() { out_ += '\n'; }

    [[nodiscard]] std::string_view Text(std::string_view control) const { return sink_.Control(control).text; }
    [[nodiscard]] const session::ControlState& Control(std::string_view control) const {
        return sink_.Control(control);
    }
    // The report without blanks at line ends (empty name fields, the
    // trailing blank of a window caption).
    [[nodiscard]] std::string Result() const {
        std::string text;
        text.reserve(out_.size());
        std::size_t blanks = 0;
        for (const char c : out_) {
            if (c == ' ') {
                ++blanks;
                continue;
            }
            if (c != '\n')
                text.append(blanks, ' ');
            blanks = 0;
            text += c;
        }
        return text;
    }

private:
    const session::RecordingSink& sink_;
    std::string out_;
};

// The birth date and the three name parts, as the input groups show them.
template <class Date>
void DateAndName(Page& page, const Date& date, const std::string& first, const std::string& middle,
                 const std::string& last) {
    page.Raw(CaptionOf(control::lDay) + " ");
    page.Raw(std::to_string(date.day));
    page.Raw("  " + CaptionOf(control::lMonth) + " ");
    page.Raw(std::to_string(date.month));
    page.Raw("  " + CaptionOf(control::lYear) + " ");
    page.Line(std::to_string(date.year));
    page.Padded(CaptionOf(control::lName), 11);
    page.Line(first);
    page.Padded(CaptionOf(control::lSecond), 11);
    page.Line(middle);
    page.Padded(CaptionOf(control::lLast), 11);
    page.Line(last);
}

void Inputs(Page& page, const session::PersonInput& in) {
    page.Line(Cp1251(layout::WindowCaption()));
    page.Title(CaptionOf(control::gbData));
    DateAndName(page, in.date, in.first, in.middle, in.last);
}

// Page 1, rows in the window's order from top to bottom.
void Nucleus(Page& page) {
    struct Row {
        std::string_view caption;
        std::string_view box;
        std::string_view note;
    };
    static constexpr std::array<Row, 5> kRows{{
        {control::lPath, control::stPath, control::lPathKarma},
        {control::lExpress, control::stExpress, control::lExpressKarma},
        {control::lSoul, control::stSoul, control::lSoulKarma},
        {control::lBDay, control::stBDay, control::lBDayKarma},
        {control::lPerson, control::stPerson, control::lPersonKarma},
    }};
    page.Title(PageCaption(control::tsNucleus));
    for (const Row& row : kRows) {
        page.Field(CaptionOf(row.caption), row.box, 22);
        if (page.Control(row.note).visible) {
            page.Raw("    ");
            page.Raw(page.Text(row.note));
        }
        page.EndLine();
    }
}

// Page 2: the three verdicts, the two numbers and the bridges.
void Synthesis(Page& page) {
    page.Title(PageCaption(control::tsSyntez));
    for (const std::string_view memo : {control::meVozSpo, control::meVozMot, control::meSpoMot})
        for (const std::string& line : page.Control(memo).lines)
            page.Line(line);
    page.Line();
    page.Field(CaptionOf(control::lRealize), control::stRealize, 19);
    page.EndLine();
    page.Field(CaptionOf(control::Label4), control::stReason, 19);
    page.EndLine();
    page.Line();
    page.Line(CaptionOf(control::gbBridges));
    for (const auto& [caption, bridge] :
         {std::pair{control::lPE, control::lPEBridge}, std::pair{control::lSP, control::lSPBridge},
          std::pair{control::lES, control::lESBridge}}) {
        page.Raw("  ");
        page.Field(CaptionOf(caption), bridge, 20);
        page.EndLine();
    }
}

// A 3 x 3 square of labels: digits 1-2-3 on top, 7-8-9 at the bottom.
void SquareRow(Page& page, const control::NameSeries& digits, std::size_t row) {
    for (std::size_t column = 0; column < 3; ++column)
        page.RightAligned(page.Text(digits(row * 3 + column + 1)), 4);
}

void Spectrum(Page& page) {
    page.Title(PageCaption(control::tsSpectrum));
    page.Padded(CaptionOf(control::lSpectre), 16);
    page.Line(CaptionOf(control::lEtalonTitle));
    for (std::size_t row = 0; row < 3; ++row) {
        SquareRow(page, control::lSpN, row);
        page.Raw("    ");
        SquareRow(page, control::lEtN, row);
        page.EndLine();
    }
    page.Line();
    page.Line(page.Text(control::lNameLength));
    page.Line(page.Text(control::lAlphabet));
    page.Line(page.Text(control::lKarLes));
    page.Line(page.Text(control::lHidPas));
    page.Line(page.Text(control::lMuchMore));
    page.Line(page.Text(control::lMuchLess));
}

void Synastry(Page& page, const session::PersonInput& in) {
    page.Title(PageCaption(control::tsSynastry));
    const session::PartnerInput& p = *in.partner;
    page.Line(CaptionOf(control::gbPartner));
    DateAndName(page, p.date, p.first, p.middle, p.last);
    page.Line();
    for (const std::string_view warning : {control::lNoFirst, control::lNoFirst2})
        if (page.Control(warning).visible)
            page.Line(page.Text(warning));
    if (page.Control(control::meResult).visible)
        for (const std::string& line : page.Control(control::meResult).lines)
            page.Line(line);
}

// One row of a page-5 picture: a label per column.
void CycleRow(Page& page, const control::NameSeries& cycle) {
    page.Raw("  ");
    for (std::size_t i = 1; i <= cycle.size(); ++i)
        page.Padded(page.Text(cycle(i)), i < cycle.size() ? 12 : 0);
    page.EndLine();
}

void Pinnacles(Page& page) {
    page.Title(PageCaption(control::tsPinnacles));
    page.Line(CaptionOf(control::lPinTitle));
    CycleRow(page, control::lPinN);
    CycleRow(page, control::lPinStartN);
    page.Line(CaptionOf(control::lIspTitle));
    CycleRow(page, control::lIspN);
    page.Line(CaptionOf(control::lPerTitle));
    CycleRow(page, control::lPerN);
    CycleRow(page, control::lPerStartN);
}

// The 37 cells in 7 columns, Monday first; a shown cell reads "day personal",
// with "*" after a purple Personal Day; a hidden cell is blank.
void Years(Page& page, const session::PersonInput& in) {
    page.Title(PageCaption(control::tsYears));
    page.Raw(CaptionOf(control::lCurYear) + " ");
    page.Line(std::to_string(in.calendar.year));
    page.Raw(CaptionOf(control::lCurMonth) + " ");
    // The engine has already rejected any month outside 1..12.
    if (in.calendar.month >= 1 && in.calendar.month <= 12)
        page.Raw(Cp1251(layout::MonthNames()[static_cast<std::size_t>(in.calendar.month - 1)]));
    page.EndLine();
    page.Line(page.Text(control::liYear));
    page.Line(page.Text(control::liMonth));
    page.Line();
    page.Line(CaptionOf(control::liDayTitle));
    for (const std::string_view weekday : {"Пн"_cp, "Вт"_cp, "Ср"_cp, "Чт"_cp, "Пт"_cp, "Сб"_cp, "Вс"_cp})
        page.RightAligned(weekday, 7);
    page.EndLine();
    for (int rowStart = 1; rowStart <= engine::kCalendarCells; rowStart += 7) {
        std::string row;
        for (int k = rowStart; k < rowStart + 7 && k <= engine::kCalendarCells; ++k) {
            const session::ControlState& day = page.Control(control::lDayN(k));
            const session::ControlState& personal = page.Control(control::liDayN(k));
            std::string cell;
            if (day.visible && personal.visible) {
                cell = day.text;
                cell += ' ';
                cell += personal.text;
                cell += personal.colour == layout::colour::Purple ? '*' : ' ';
            }
            row.append(cell.size() < 7 ? 7 - cell.size() : 0, ' ');
            row += cell;
        }
        while (!row.empty() && row.back() == ' ')
            row.pop_back();
        if (!row.empty())
            page.Line(row);
    }
    page.Line();
    page.Line("* " + CaptionOf(control::Label1));
    page.Line("  " + CaptionOf(control::Label2));
}

void Misc(Page& page, const session::PersonInput& in) {
    page.Title(PageCaption(control::tsMisc));
    page.Line(*in.text);
    page.Line();
    page.Line(page.Text(control::lSumma));
    page.Line(page.Text(control::lKarma));
    for (std::size_t row = 0; row < 3; ++row) {
        SquareRow(page, control::lMiscN, row);
        page.EndLine();
    }
}

} // namespace

std::string BuildTextReport(const session::PersonInput& in) {
    session::RecordingSink sink;
    session::RunPerson(in, sink);

    Page page(sink);
    Inputs(page, in);
    Nucleus(page);
    Synthesis(page);
    Spectrum(page);
    if (in.partner)
        Synastry(page, in);
    Pinnacles(page);
    Years(page, in);
    if (in.text)
        Misc(page, in);
    return engine::Cp1251ToUtf8(page.Result());
}

} // namespace lirem::report
