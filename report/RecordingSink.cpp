// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RecordingSink.h"

#include "engine/ControlNames.h"
#include "engine/Cp1251Literal.h"

namespace lirem::report {

using namespace engine::literals;

RecordingSink::RecordingSink() {
    for (const std::string_view note : {control::lPathKarma, control::lExpressKarma, control::lSoulKarma,
                                        control::lBDayKarma, control::lPersonKarma}) {
        ControlState& c = At(note);
        c.text = "Кармическое Число "_cp;
        c.visible = false;
        c.colour = engine::colour::Maroon;
    }
    At(control::lNoFirst) = {std::string("Не введены исходные данные "_cp), false, engine::colour::Red, {}};
    At(control::lNoFirst2) = {std::string("для первого партнера!"_cp), false, engine::colour::Red, {}};
    At(control::lSumma).text = "Сумма: 0"_cp;
    At(control::lKarma).text = "Кармическое Число: 0"_cp;
    for (std::size_t n = 1; n <= control::lMiscN.size(); ++n)
        At(control::lMiscN(n)).text.assign(1, '0'); // not = "0": GCC 12 at -O3 warns falsely (-Wrestrict)
}

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

void RecordingSink::SetFontColour(std::string_view control, engine::Rgb colour) {
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

} // namespace lirem::report
