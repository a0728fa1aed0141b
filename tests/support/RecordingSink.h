// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A display sink for tests: keeps the state of every control and the list of
// calls in the order they came.

#include "session/DisplaySink.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::test {

class RecordingSink : public session::DisplaySink {
public:
    void SetText(std::string_view control, std::string_view text) override {
        texts[std::string(control)] = std::string(text);
        calls.push_back("text " + std::string(control));
    }
    [[nodiscard]] std::string Text(std::string_view control) const override {
        const auto it = texts.find(std::string(control));
        return it == texts.end() ? std::string() : it->second;
    }
    void SetVisible(std::string_view control, bool shown) override {
        visible[std::string(control)] = shown;
        calls.push_back((shown ? "show " : "hide ") + std::string(control));
    }
    void SetFontColour(std::string_view control, layout::Rgb colour) override {
        colours[std::string(control)] = colour;
        calls.push_back("colour " + std::string(control));
    }
    void ClearLines(std::string_view memo) override {
        lines[std::string(memo)].clear();
        calls.push_back("clear " + std::string(memo));
    }
    void AddLine(std::string_view memo, std::string_view line) override {
        lines[std::string(memo)].emplace_back(line);
        calls.push_back("line " + std::string(memo));
    }

    [[nodiscard]] bool IsVisible(const std::string& control) const {
        const auto it = visible.find(control);
        return it != visible.end() && it->second;
    }

    std::map<std::string, std::string> texts;
    std::map<std::string, bool> visible;
    std::map<std::string, layout::Rgb> colours;
    std::map<std::string, std::vector<std::string>> lines;
    std::vector<std::string> calls;
};

} // namespace lirem::test
