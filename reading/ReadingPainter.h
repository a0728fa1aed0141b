// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints a reading sheet by sheet: a title block, then the window's pages in
// their order, each control where the window's layout puts it, with the texts,
// colours and visibility the engine gave it. Input fields show their values
// as plain boxes; buttons and the help texts are left out.

#include "reading/Reading.h"
#include "reading/SheetPlan.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

class QPaintDevice;
class QPainter;

namespace lirem::reading {

// The heights of a memo's wrapped lines, by control name.
using MemoLineHeights = std::map<std::string, std::vector<double>, std::less<>>;

class ReadingPainter {
public:
    // The device gives the resolution text is measured at; the reading must
    // outlive the painter. Notes (UTF-8), when not empty, end the reading on
    // a page «Заметки» of their own.
    ReadingPainter(const Reading& reading, const QPaintDevice& device, std::string_view notes = {});

    [[nodiscard]] int SheetCount() const { return static_cast<int>(sheets_.size()); }
    [[nodiscard]] const std::vector<Sheet>& Sheets() const { return sheets_; }

    // Paints sheet `index` with its top left corner at the painter's origin,
    // one sheet unit (1/96 inch) scaled to the device's resolution.
    void PaintSheet(QPainter& painter, int index) const;

private:
    // Appends the sheets of the notes page when the reading has notes.
    void PlanNotes(std::string_view notes);

    const Reading& reading_;
    const QPaintDevice& device_;
    std::vector<Sheet> sheets_;
    // Measured while the sheets are planned, used again when they are painted.
    mutable MemoLineHeights memoLineHeights_;
};

} // namespace lirem::reading
