// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Cp1251Shortcut.h"

#include "engine/Cp1251.h"

namespace lirem::report {

void Utf8ToCp1251Into(std::string_view utf8, std::string& out) {
    out.clear();
    const std::size_t n = utf8.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            continue;
        }
        if (i + 1 < n) {
            const auto trail = static_cast<unsigned char>(utf8[i + 1]);
            // U+0410..U+043F (А..п), U+0401 (Ё): D0 90..BF, D0 81
            if (lead == 0xD0 && trail >= 0x90 && trail <= 0xBF) {
                out += static_cast<char>(0xC0 + (trail - 0x90));
                ++i;
                continue;
            }
            if (lead == 0xD0 && trail == 0x81) {
                out += static_cast<char>(0xA8);
                ++i;
                continue;
            }
            // U+0440..U+044F (р..я), U+0451 (ё): D1 80..8F, D1 91
            if (lead == 0xD1 && trail >= 0x80 && trail <= 0x8F) {
                out += static_cast<char>(0xF0 + (trail - 0x80));
                ++i;
                continue;
            }
            if (lead == 0xD1 && trail == 0x91) {
                out += static_cast<char>(0xB8);
                ++i;
                continue;
            }
        }
        out = engine::Utf8ToCp1251(utf8); // anything else: the full conversion
        return;
    }
}

} // namespace lirem::report
