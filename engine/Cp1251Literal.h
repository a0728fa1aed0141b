// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixed Russian texts are written in UTF-8 in the sources and needed as code
// page 1251 bytes at run time: "Имя"_cp is a std::string_view over those
// bytes, converted while compiling. Only ASCII and the letters А..я, Ё, ё are
// accepted; anything else stops the compilation.

#include <array>
#include <cstddef>
#include <string_view>

namespace lirem::engine {
namespace detail {

template <std::size_t N> struct Cp1251Literal {
    std::array<char, N> bytes{};
    std::size_t size = 0;

    // NOLINTNEXTLINE(google-explicit-constructor): converts the literal itself
    consteval Cp1251Literal(const char (&utf8)[N]) {
        std::size_t i = 0;
        while (i + 1 < N) { // the last element is the terminating NUL
            const auto lead = static_cast<unsigned char>(utf8[i]);
            if (lead < 0x80) {
                bytes[size++] = utf8[i++];
                continue;
            }
            if ((lead & 0xE0u) != 0xC0u || i + 2 >= N)
                throw "only two-byte UTF-8 sequences are supported";
            const auto trail = static_cast<unsigned char>(utf8[i + 1]);
            const unsigned cp = ((lead & 0x1Fu) << 6) | (trail & 0x3Fu);
            unsigned byte = 0;
            if (cp >= 0x410 && cp <= 0x44F)
                byte = 0xC0 + (cp - 0x410);
            else if (cp == 0x401)
                byte = 0xA8;
            else if (cp == 0x451)
                byte = 0xB8;
            else
                throw "character outside the Russian alphabet";
            bytes[size++] = static_cast<char>(byte);
            i += 2;
        }
    }
};

} // namespace detail

inline namespace literals {

// constexpr, not consteval: the conversion happens in the template argument
// anyway, and clang 14 leaves a consteval call inside a function template
// undefined at link time.
template <detail::Cp1251Literal L> constexpr std::string_view operator""_cp() {
    return {L.bytes.data(), L.size};
}

} // namespace literals

} // namespace lirem::engine
