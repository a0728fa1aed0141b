// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SafeFileName.h"

#include "engine/Cp1251.h"

namespace lirem::session {

namespace {

// A letter or a digit of code page 1251: the Latin letters and digits, the
// Cyrillic block (every character the code page takes from it is a letter)
// and the micro sign.
bool IsLetterOrDigit(unsigned char byte) {
    const char32_t c = engine::Cp1251CodePoint(byte);
    if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'))
        return true;
    return (c >= 0x0400 && c <= 0x04FF) || c == 0x00B5;
}

} // namespace

std::string SafeNamePart(std::string_view cp1251Name) {
    std::string safe; // code page 1251, one byte a character
    for (const char ch : cp1251Name) {
        if (safe.size() >= kMaxNameCharacters)
            break;
        const auto byte = static_cast<unsigned char>(ch);
        if (IsLetterOrDigit(byte) || ch == '-')
            safe += ch;
        else if (!safe.empty() && safe.back() != '_')
            safe += '_';
    }
    while (!safe.empty() && safe.back() == '_')
        safe.pop_back();
    return engine::Cp1251ToUtf8(safe);
}

} // namespace lirem::session
