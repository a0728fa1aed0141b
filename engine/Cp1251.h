#pragma once
// Text at the window boundary: Unicode (UTF-8 or UTF-16) to code page 1251
// bytes and back.
//
// Towards code page 1251 the text is first composed as in Unicode NFC for
// every character the code page holds (и + U+0306 is й, е + U+0308 is ё, and
// likewise Ѓ Ќ Ў Ї with their lower-case letters, including the few singleton
// equivalents such as the Kelvin sign for K). Every code point the code page
// lacks, every combining mark left over, and every malformed sequence (invalid
// UTF-8, an unpaired surrogate) becomes one '?', which is no letter.

#include <string>
#include <string_view>

namespace lirem {

[[nodiscard]] std::string Utf8ToCp1251(std::string_view utf8);
[[nodiscard]] std::string Utf16ToCp1251(std::u16string_view utf16);

// Byte 0x98, the one byte the code page leaves unassigned, reads as U+FFFD.
[[nodiscard]] std::u16string Cp1251ToUtf16(std::string_view text);
[[nodiscard]] std::string Cp1251ToUtf8(std::string_view text);

// The code point of one byte (U+FFFD for 0x98).
[[nodiscard]] char32_t Cp1251CodePoint(unsigned char byte) noexcept;

} // namespace lirem
