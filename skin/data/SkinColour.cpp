// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/data/SkinColour.h"

#include <array>

namespace lirem::skin {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

Colour ParseColourText(std::string_view text, Colour fallback) {
    if (text.empty())
        return fallback;
    text = Trim(text);

    // Slots 1..3 are red, green, blue. Only the low 8 bits of each number
    // count, so the number is kept modulo 256 as its digits arrive.
    std::array<unsigned, 3> channel{0, 0, 0};
    std::size_t slot = 1;
    unsigned number = 0;
    bool haveDigits = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            number = (number * 10 + static_cast<unsigned>(c - '0')) & 0xFF;
            haveDigits = true;
            continue;
        }
        if (haveDigits && slot <= channel.size())
            channel[slot - 1] = number;
        number = 0;
        haveDigits = false;
        ++slot;
    }
    if (slot == 3)
        channel[2] = number;
    return RgbColour(static_cast<int>(channel[0]), static_cast<int>(channel[1]), static_cast<int>(channel[2]));
}

QColor ResolveColour(Colour colour, const QPalette& palette) {
    if (!IsSystemColour(colour))
        return QColor(static_cast<int>(colour & 0xFF), static_cast<int>(colour >> 8 & 0xFF),
                      static_cast<int>(colour >> 16 & 0xFF));
    switch (colour) {
    case kClBtnFace:
        return palette.color(QPalette::Button);
    case kClMenu:
        return palette.color(QPalette::Window);
    case kClScrollBar:
    case kCl3DLight:
        return palette.color(QPalette::Midlight);
    case kClHighlight:
        return palette.color(QPalette::Highlight);
    case kClHighlightText:
    case kClCaptionText:
    case kClInactiveCaptionText:
        return palette.color(QPalette::HighlightedText);
    case kClBtnShadow:
        return palette.color(QPalette::Mid);
    case kClBtnHighlight:
        return palette.color(QPalette::Light);
    case kCl3DDkShadow:
        return palette.color(QPalette::Shadow);
    case kClBtnText:
        return palette.color(QPalette::ButtonText);
    case kClGrayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    default:
        return palette.color(QPalette::WindowText);
    }
}

} // namespace lirem::skin
