// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's result controls as plain data: the engine's handlers write into
// it exactly as into the window, and the text report reads it back.

#include "session/DisplaySink.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::session {

struct ControlState {
    std::string text; // code page 1251
    bool visible = true;
    layout::Rgb colour{};
    std::vector<std::string> lines; // memos
    bool colourSet = false;         // the colour was written; otherwise the layout's own applies
};

class RecordingSink final : public DisplaySink {
public:
    // Starts with every control of the layout as the window builds it.
    RecordingSink();

    void SetText(std::string_view control, std::string_view text) override;
    [[nodiscard]] std::string Text(std::string_view control) const override;
    void SetVisible(std::string_view control, bool visible) override;
    void SetFontColour(std::string_view control, layout::Rgb colour) override;
    void ClearLines(std::string_view memo) override;
    void AddLine(std::string_view memo, std::string_view line) override;

    // A control never written reads as an empty, visible, black one.
    [[nodiscard]] const ControlState& Control(std::string_view name) const;
    // Whether the control is one of the layout's or was written.
    [[nodiscard]] bool Written(std::string_view name) const;

private:
    ControlState& At(std::string_view name);

    std::map<std::string, ControlState, std::less<>> controls_;
};

} // namespace lirem::session
