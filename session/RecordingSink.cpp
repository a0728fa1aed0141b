// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RecordingSink.h"

#include "engine/Cp1251.h"
#include "layout/LayoutTable.h"

namespace lirem::session {

namespace {

// Every control as the window builds it: the layout's text (in code page
// 1251), visibility and colour. Built once; each sink starts from a copy.
const std::map<std::string, ControlState, std::less<>>& LayoutStart() {
    static const std::map<std::string, ControlState, std::less<>> start = [] {
        std::map<std::string, ControlState, std::less<>> controls;
        for (const layout::ControlRow& row : layout::Controls())
            controls.emplace(row.name, ControlState{engine::Utf8ToCp1251(row.text),
                                                    !row.hidden,
                                                    row.colour.value_or(layout::colour::Black),
                                                    {},
                                                    false});
        return controls;
    }();
    return start;
}

} // namespace

RecordingSink::RecordingSink() : controls_(LayoutStart()) {}

ControlState& RecordingSink::At(std::string_view name) {
    const auto it = controls_.find(name);
    if (it != controls_.end())
        return it->second;
    return controls_.emplace(std::string(name), ControlState{}).first->second;
}

void RecordingSink::SetText(std::string_view control, std::string_view text) {
    At(control).text.assign(text);
}

std::string RecordingSink::Text(std::string_view control) const {
    return Control(control).text;
}

void RecordingSink::SetVisible(std::string_view control, bool visible) {
    At(control).visible = visible;
}

void RecordingSink::SetFontColour(std::string_view control, layout::Rgb colour) {
    ControlState& c = At(control);
    c.colour = colour;
    c.colourSet = true;
}

void RecordingSink::ClearLines(std::string_view memo) {
    At(memo).lines.clear();
}

void RecordingSink::AddLine(std::string_view memo, std::string_view line) {
    At(memo).lines.emplace_back(line);
}

bool RecordingSink::Written(std::string_view name) const {
    return controls_.find(name) != controls_.end();
}

const ControlState& RecordingSink::Control(std::string_view name) const {
    static const ControlState kUnwritten{};
    const auto it = controls_.find(name);
    return it != controls_.end() ? it->second : kUnwritten;
}

} // namespace lirem::session
