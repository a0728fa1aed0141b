// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Unicode data of canonical normalisation (NFC) that the code page 1251
// conversion needs: combining classes, full canonical decompositions and the
// primary composites.

#include <array>
#include <cstddef>

namespace lirem::engine::unicode {

// The full canonical decomposition of one character (one to four code points).
struct Decomposition {
    std::array<char32_t, 4> codePoints;
    std::size_t size;
};

[[nodiscard]] int CombiningClass(char32_t cp) noexcept;
// The primary composite of two code points, or 0 when there is none.
[[nodiscard]] char32_t Compose(char32_t first, char32_t second) noexcept;
// nullptr when the character does not decompose (Hangul syllables included).
[[nodiscard]] const Decomposition* CanonicalDecomposition(char32_t cp) noexcept;

} // namespace lirem::engine::unicode
