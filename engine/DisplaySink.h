// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the engine's display steps write their results.
//
// Every stage of a calculation writes texts, colours and visibility into
// controls named as in the window's layout (engine/ControlNames.h lists them).
// The engine calls the sink in exactly the order the results are produced, so
// a failure half-way leaves precisely the writes made before it. The window
// implements the sink over its widgets; tests and the report tool implement it
// over plain maps.
//
// All texts are code page 1251 byte strings.

#include <cstdint>
#include <string>
#include <string_view>

namespace lirem::engine {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

namespace colour {
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Green{0, 128, 0};
inline constexpr Rgb Navy{0, 0, 128};
inline constexpr Rgb Purple{128, 0, 128};
inline constexpr Rgb Teal{0, 128, 128};
inline constexpr Rgb Maroon{128, 0, 0};
} // namespace colour

class DisplaySink {
public:
    virtual ~DisplaySink() = default;

    // Caption of a label or value box, text of an edit.
    virtual void SetText(std::string_view control, std::string_view text) = 0;
    // The text a control holds now (a caption read back after it was set).
    [[nodiscard]] virtual std::string Text(std::string_view control) const = 0;
    virtual void SetVisible(std::string_view control, bool visible) = 0;
    virtual void SetFontColour(std::string_view control, Rgb colour) = 0;

    // Memos: a list of lines.
    virtual void ClearLines(std::string_view memo) = 0;
    virtual void AddLine(std::string_view memo, std::string_view line) = 0;
};

} // namespace lirem::engine
