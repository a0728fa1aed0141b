// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text at the window boundary: Unicode (UTF-8 or UTF-16) to code page 1251
// bytes and back.
//
// Towards code page 1251 the text is first brought to Unicode NFC (a
// decomposed и + U+0306 becomes й, е + U+0308 becomes ё, the Kelvin sign
// becomes K). Every code point of the result that the code page lacks becomes
// one '?', which is no letter; so does every malformed sequence (invalid
// UTF-8, an unpaired surrogate). Runs of more than 30 combining marks, which
// no real text has, are not reordered beyond that distance.

#include <string>
#include <string_view>

namespace lirem::engine {

[[nodiscard]] std::string Utf8ToCp1251(std::string_view utf8);
// The same into a string whose buffer is reused (the batch, row by row). Text
// of characters the code page holds goes byte for character; only what lies
// around other characters takes the full conversion.
void Utf8ToCp1251Into(std::string_view utf8, std::string& out);
// The standard conversion alone, without the plain path (what the plain path
// is checked against).
[[nodiscard]] std::string Utf8ToCp1251Standard(std::string_view utf8);
[[nodiscard]] std::string Utf16ToCp1251(std::u16string_view utf16);

// Byte 0x98, the one byte the code page leaves unassigned, reads as U+FFFD.
[[nodiscard]] std::u16string Cp1251ToUtf16(std::string_view text);
[[nodiscard]] std::string Cp1251ToUtf8(std::string_view text);

// Appends the UTF-8 form of one code point: the program's one UTF-8 encoder.
void AppendUtf8(std::string& out, char32_t cp);

// The code point of one byte (U+FFFD for 0x98).
[[nodiscard]] char32_t Cp1251CodePoint(unsigned char byte) noexcept;

} // namespace lirem::engine
