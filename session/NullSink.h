// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sink that shows nothing: for running the display steps only for what
// they store in the profile, or where the writes do not matter.

#include "session/DisplaySink.h"

namespace lirem::session {

class NullSink final : public DisplaySink {
public:
    void SetText(std::string_view, std::string_view) override {}
    [[nodiscard]] std::string Text(std::string_view) const override { return {}; }
    void SetVisible(std::string_view, bool) override {}
    void SetFontColour(std::string_view, layout::Rgb) override {}
    void ClearLines(std::string_view) override {}
    void AddLine(std::string_view, std::string_view) override {}
    [[nodiscard]] bool Keeps() const override { return false; }
};

} // namespace lirem::session
