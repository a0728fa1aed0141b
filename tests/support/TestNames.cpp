// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestNames.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace lirem::test {
namespace {

constexpr std::array<std::pair<char, const char*>, 12> kWords = {{
    {'-', "minus"},
    {'+', "plus"},
    {'.', "dot"},
    {',', "comma"},
    {'/', "slash"},
    {'!', "bang"},
    {'\'', "quote"},
    {'(', "open"},
    {')', "close"},
    {':', "colon"},
    {'?', "query"},
    {'_', "_"},
}};

bool IsAsciiAlnum(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Length of the UTF-8 sequence starting at text[i] and its code point; 0 when invalid.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, std::uint32_t& point) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    point = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (next & 0x3F);
    }
    return length;
}

} // namespace

std::string TestNameOf(std::string_view utf8) {
    if (utf8.empty())
        return "empty";
    std::string name;
    char hex[16];
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (IsAsciiAlnum(c)) {
            name += static_cast<char>(c);
            ++i;
            continue;
        }
        if (c == ' ') {
            name += '_';
            ++i;
            continue;
        }
        if (c < 0x80) {
            const char* word = nullptr;
            for (const auto& [symbol, text] : kWords)
                if (symbol == static_cast<char>(c))
                    word = text;
            if (word != nullptr) {
                name += word;
            } else {
                std::snprintf(hex, sizeof hex, "x%02X", c);
                name += hex;
            }
            ++i;
            continue;
        }
        std::uint32_t point = 0;
        const std::size_t length = DecodeUtf8(utf8, i, point);
        if (length == 0) {
            std::snprintf(hex, sizeof hex, "x%02X", c);
            ++i;
        } else {
            std::snprintf(hex, sizeof hex, "u%04X", static_cast<unsigned>(point));
            i += length;
        }
        name += hex;
    }
    return name;
}

} // namespace lirem::test
