// SPDX-License-Identifier: GPL-3.0-or-later
// Position code of LZHUF: the upper 6 bits of a match position get a
// variable-length prefix code (3..8 bits), the lower 6 bits follow as they are.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lirem::skin::lzh {

struct PositionTables {
    std::array<std::uint8_t, 256> decodeUpper{};  // d_code: first byte read -> upper 6 bits
    std::array<std::uint8_t, 256> decodeLength{}; // d_len: total prefix length for that byte
    std::array<std::uint8_t, 64> encodeCode{};    // prefix code of each upper value
    std::array<std::uint8_t, 64> encodeLength{};  // its length in bits
};

// Upper values come in runs: 1 prefix of 3 bits, 3 of 4, 8 of 5, 12 of 6,
// 24 of 7, 16 of 8 bits; each covers 2^(8 - length) first bytes.
consteval PositionTables MakePositionTables() {
    PositionTables t;
    constexpr int counts[] = {1, 3, 8, 12, 24, 16};
    std::size_t byte = 0;
    std::size_t upper = 0;
    for (int group = 0; group < 6; ++group) {
        const int length = 3 + group;
        const int span = 1 << (8 - length);
        for (int n = 0; n < counts[group]; ++n, ++upper) {
            t.encodeCode[upper] = static_cast<std::uint8_t>(byte >> (8 - length));
            t.encodeLength[upper] = static_cast<std::uint8_t>(length);
            for (int b = 0; b < span; ++b, ++byte) {
                t.decodeUpper[byte] = static_cast<std::uint8_t>(upper);
                t.decodeLength[byte] = static_cast<std::uint8_t>(length);
            }
        }
    }
    return t;
}

inline constexpr PositionTables kPositions = MakePositionTables();

static_assert(kPositions.decodeLength[31] == 3 && kPositions.decodeLength[32] == 4);
static_assert(kPositions.decodeLength[80] == 5 && kPositions.decodeLength[144] == 6);
static_assert(kPositions.decodeLength[192] == 7 && kPositions.decodeLength[240] == 8);
static_assert(kPositions.decodeUpper[32] == 1 && kPositions.decodeUpper[48] == 2 && kPositions.decodeUpper[64] == 3);
static_assert(kPositions.decodeUpper[80] == 4 && kPositions.decodeUpper[143] == 11);
static_assert(kPositions.decodeUpper[144] == 12 && kPositions.decodeUpper[191] == 23);
static_assert(kPositions.decodeUpper[192] == 24 && kPositions.decodeUpper[239] == 47);
static_assert(kPositions.decodeUpper[240] == 48 && kPositions.decodeUpper[255] == 63);

} // namespace lirem::skin::lzh
