// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a reading falls onto A4 sheets. Sheet units are 1/96 inch; the window's
// pages are drawn one design unit (1/120 inch) to one sheet unit, a quarter
// larger than on a 120 dpi screen, so the window's 8 pt text prints at 10 pt.

#include <QString>

#include <string>
#include <vector>

namespace lirem::reading {

inline constexpr double kSheetWidth = 210.0 / 25.4 * 96.0;        // A4
inline constexpr double kSheetHeight = 297.0 / 25.4 * 96.0;       // A4
inline constexpr double kPageWidth = 665.0;                       // a window page, design units
inline constexpr double kPagePadding = 8.0;                       // around a page's controls
inline constexpr double kLeft = (kSheetWidth - kPageWidth) / 2.0; // of a page's controls
inline constexpr double kBoxLeft = kLeft - kPagePadding;
inline constexpr double kBoxWidth = kPageWidth + 2 * kPagePadding;
inline constexpr double kTop = 56.0;
inline constexpr double kBottom = kSheetHeight - 72.0; // the footer lies below
inline constexpr double kTitleHeight = 96.0;
inline constexpr double kHeadingHeight = 30.0;
inline constexpr double kSectionGap = 22.0;

// One window page on a sheet: its caption above a box of the page's controls.
struct Section {
    std::string page; // tsNucleus ...
    QString caption;
    double top = 0;    // of the caption, sheet units
    double height = 0; // of the page's controls, design units
};

struct Sheet {
    bool titleBlock = false; // the first sheet opens with the name and birth date
    std::vector<Section> sections;
    std::vector<QString> noteLines; // a sheet of the notes page: the lines it prints
    bool notesHeading = false;      // the first sheet of the notes page opens with its caption
};

// Places the pages in order, each whole on one sheet; a page goes to the next
// sheet when it does not fit below the previous one.
[[nodiscard]] std::vector<Sheet> PlanSheets(const std::vector<Section>& pages);

} // namespace lirem::reading
