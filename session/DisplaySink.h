// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the display steps write their results.
//
// Every stage of a calculation writes texts, colours and visibility into
// controls named as in the window's layout (layout/ControlNames.h lists them).
// The steps call the sink in exactly the order the results are produced, so
// a failure half-way leaves precisely the writes made before it. The window
// implements the sink over its widgets; tests, the reading and the report
// tool over plain maps.
//
// All texts are code page 1251 byte strings.

#include "layout/Colour.h"

#include <string>
#include <string_view>

namespace lirem::session {

class DisplaySink {
public:
    virtual ~DisplaySink() = default;

    // Caption of a label or value box, text of an edit.
    virtual void SetText(std::string_view control, std::string_view text) = 0;
    // The text a control holds now (a caption read back after it was set).
    [[nodiscard]] virtual std::string Text(std::string_view control) const = 0;
    virtual void SetVisible(std::string_view control, bool visible) = 0;
    virtual void SetFontColour(std::string_view control, layout::Rgb colour) = 0;

    // Memos: a list of lines.
    virtual void ClearLines(std::string_view memo) = 0;
    virtual void AddLine(std::string_view memo, std::string_view line) = 0;

    // False for a sink that keeps nothing: the display steps then skip the
    // writes whose texts they would build only for it.
    [[nodiscard]] virtual bool Keeps() const { return true; }
};

} // namespace lirem::session
