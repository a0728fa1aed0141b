// SPDX-License-Identifier: GPL-3.0-or-later
// LZHUF encoder: the inverse of skin::TLZH, used only by the packer.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lirem::skinpack {

struct EncodeStats {
    int rebuilds = 0; // Huffman tree rebuilds while encoding (the decoder does the same number)
    std::size_t matches = 0;
    std::size_t literals = 0;
};

// Returns a bare packed stream: little-endian 4-byte unpacked size, then the bit stream.
std::vector<std::uint8_t> EncodeLzh(std::span<const std::uint8_t> input, EncodeStats* stats = nullptr);

} // namespace lirem::skinpack
