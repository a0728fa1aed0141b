// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's display sink over the window's widgets, looked up by name.
// Texts cross the code page boundary here. Labels keep fitting their text.

#include "session/DisplaySink.h"
#include "ui/ControlMap.h"

#include <map>

namespace lirem::ui {

class WidgetSink final : public session::DisplaySink {
public:
    explicit WidgetSink(const ControlMap& controls) : controls_(controls) {}

    void SetText(std::string_view control, std::string_view text) override;
    [[nodiscard]] std::string Text(std::string_view control) const override;
    void SetVisible(std::string_view control, bool visible) override;
    void SetFontColour(std::string_view control, layout::Rgb colour) override;
    void ClearLines(std::string_view memo) override;
    void AddLine(std::string_view memo, std::string_view line) override;

private:
    // Throws std::logic_error for a name the window does not have.
    [[nodiscard]] QWidget* Widget(std::string_view control) const;

    const ControlMap& controls_;
};

} // namespace lirem::ui
