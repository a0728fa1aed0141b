// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TerminalText.h"

namespace lirem::report {

void ReplaceControlCharacters(std::string& utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F) {
            text += '?';
        } else if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            text += '?'; // U+0080..U+009F
            ++i;
        } else {
            text += utf8[i];
        }
    }
    utf8.swap(text);
}

} // namespace lirem::report
