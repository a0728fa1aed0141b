// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as red, green, blue: the named colours of the layout and of the
// results, written once for the window, the reading and the reports.

#include <cstdint>

namespace lirem::layout {

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
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Silver{192, 192, 192};
inline constexpr Rgb MoneyGreen{192, 220, 192};
} // namespace colour

} // namespace lirem::layout
