// SPDX-License-Identifier: GPL-3.0-or-later
// The adaptive Huffman tree of LZHUF, shared by the decoder and the packer's
// encoder so that both sides evolve the code identically.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lirem::skin::lzh {

inline constexpr int kRingSize = 4096;                        // N
inline constexpr int kMaxMatch = 60;                          // F
inline constexpr int kThreshold = 2;                          // shortest match is 3
inline constexpr int kSymbols = 256 - kThreshold + kMaxMatch; // N_CHAR: literals, then lengths 3..60
inline constexpr int kTreeSize = 2 * kSymbols - 1;            // T
inline constexpr int kRoot = kTreeSize - 1;                   // R
inline constexpr unsigned kMaxFreq = 0x8000;
inline constexpr int kInitialFill = kRingSize - kMaxMatch; // ring bytes preset to spaces; first write index

// Nodes 0..T-1 are kept sorted by frequency. A son value >= T is a leaf link
// (symbol + T); otherwise the node has two children, son and son + 1.
class HuffTree {
    // Array indexes; the public constants stay int for the callers' arithmetic.
    static constexpr std::size_t kT = kTreeSize;
    static constexpr std::size_t kN = kSymbols;
    static constexpr std::size_t kR = kRoot;

public:
    HuffTree() { Start(); }

    void Start() {
        for (std::size_t i = 0; i < kN; ++i) {
            freq_[i] = 1;
            son_[i] = static_cast<std::uint16_t>(i + kT);
            prnt_[i + kT] = static_cast<std::uint16_t>(i);
        }
        for (std::size_t i = 0, j = kN; j <= kR; i += 2, ++j) {
            freq_[j] = static_cast<std::uint16_t>(freq_[i] + freq_[i + 1]);
            son_[j] = static_cast<std::uint16_t>(i);
            prnt_[i] = prnt_[i + 1] = static_cast<std::uint16_t>(j);
        }
        freq_[kTreeSize] = 0xFFFF; // sentinel that stops the reordering search
        prnt_[kRoot] = 0;
        rebuilds_ = 0;
    }

    // Walks from the root to a leaf, taking one bit per level; returns the symbol.
    template <typename NextBit> int DecodeSymbol(NextBit&& nextBit) const {
        unsigned c = son_[kRoot];
        while (c < static_cast<unsigned>(kTreeSize))
            c = son_[c + nextBit()];
        return static_cast<int>(c) - kTreeSize;
    }

    // Code of a symbol, most significant bit first in the low `length` bits.
    struct Code {
        std::uint64_t bits = 0;
        int length = 0;
    };
    Code CodeOf(int symbol) const {
        Code code;
        unsigned k = prnt_[static_cast<std::size_t>(symbol) + kT];
        while (k != static_cast<unsigned>(kRoot)) {
            // Siblings sit at an even son index and the one after it.
            code.bits |= static_cast<std::uint64_t>(k & 1u) << code.length;
            ++code.length;
            k = prnt_[k];
        }
        return code;
    }

    // Counts one more occurrence of the symbol and restores the frequency order.
    void Update(int symbol) {
        if (freq_[kRoot] == kMaxFreq)
            Rebuild();
        unsigned c = prnt_[static_cast<std::size_t>(symbol) + kT];
        do {
            const unsigned k = ++freq_[c];
            if (k > freq_[c + 1]) {
                unsigned l = c + 1;
                while (k > freq_[l + 1])
                    ++l;
                freq_[c] = freq_[l];
                freq_[l] = static_cast<std::uint16_t>(k);

                const unsigned i = son_[c];
                prnt_[i] = static_cast<std::uint16_t>(l);
                if (i < static_cast<unsigned>(kTreeSize))
                    prnt_[i + 1] = static_cast<std::uint16_t>(l);
                const unsigned j = son_[l];
                son_[l] = static_cast<std::uint16_t>(i);
                prnt_[j] = static_cast<std::uint16_t>(c);
                if (j < static_cast<unsigned>(kTreeSize))
                    prnt_[j + 1] = static_cast<std::uint16_t>(c);
                son_[c] = static_cast<std::uint16_t>(j);
                c = l;
            }
            c = prnt_[c];
        } while (c != 0);
    }

    int Rebuilds() const { return rebuilds_; }
    unsigned RootFrequency() const { return freq_[kRoot]; }

private:
    // Halves all leaf counts and rebuilds the tree from scratch.
    void Rebuild() {
        ++rebuilds_;
        std::size_t j = 0;
        for (std::size_t i = 0; i < kT; ++i) {
            if (son_[i] >= kTreeSize) {
                freq_[j] = static_cast<std::uint16_t>((freq_[i] + 1u) / 2u);
                son_[j] = son_[i];
                ++j;
            }
        }
        for (std::size_t i = 0, n = kN; n < kT; i += 2, ++n) {
            const unsigned f = static_cast<unsigned>(freq_[i]) + freq_[i + 1];
            std::size_t k = n - 1;
            while (f < freq_[k])
                --k;
            ++k;
            for (std::size_t m = n; m > k; --m) {
                freq_[m] = freq_[m - 1];
                son_[m] = son_[m - 1];
            }
            freq_[k] = static_cast<std::uint16_t>(f);
            son_[k] = static_cast<std::uint16_t>(i);
        }
        for (std::size_t k = 0; k < kT; ++k) {
            const unsigned s = son_[k];
            if (s >= static_cast<unsigned>(kTreeSize))
                prnt_[s] = static_cast<std::uint16_t>(k);
            else
                prnt_[s] = prnt_[s + 1] = static_cast<std::uint16_t>(k);
        }
    }

    std::array<std::uint16_t, kTreeSize + 1> freq_{};        // + sentinel
    std::array<std::uint16_t, kTreeSize + kSymbols> prnt_{}; // nodes, then leaf links
    std::array<std::uint16_t, kTreeSize> son_{};
    int rebuilds_ = 0;
};

} // namespace lirem::skin::lzh
