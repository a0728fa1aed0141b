// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/Fold.h"

#include <cstdint>

namespace lirem::book {
namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
    // Only two-byte code points are folded here (U+0080..U+07FF).
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

std::uint32_t FoldCyrillic(std::uint32_t cp) {
    if (cp >= 0x0410 && cp <= 0x042F) // А..Я
        cp += 0x20;
    else if (cp >= 0x0400 && cp <= 0x040F) // Ѐ..Џ, Ё among them
        cp += 0x50;
    return cp == 0x0451 ? 0x0435 : cp; // ё -> е
}

} // namespace

std::string FoldForSearch(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 'A' && byte <= 'Z') {
            out += static_cast<char>(byte + ('a' - 'A'));
        } else if ((byte == 0xD0 || byte == 0xD1) && i + 1 < text.size() &&
                   (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const auto cp =
                static_cast<std::uint32_t>(((byte & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            AppendUtf8(out, FoldCyrillic(cp));
            ++i;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

} // namespace lirem::book
