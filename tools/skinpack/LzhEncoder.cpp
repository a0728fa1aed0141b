// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/skinpack/LzhEncoder.h"

#include "skin/archive/LzhPositions.h"
#include "skin/archive/LzhTree.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace lirem::skinpack {
namespace {

using namespace lirem::skin::lzh;

// MSB-first bit output; the last byte is padded with zero bits.
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Put(std::uint64_t bits, int count) {
        while (count > 0) {
            const int take = std::min(count, 32);
            count -= take;
            const auto chunk = static_cast<std::uint32_t>((bits >> count) & ((std::uint64_t{1} << take) - 1));
            acc_ = (acc_ << take) | chunk;
            pending_ += take;
            while (pending_ >= 8) {
                pending_ -= 8;
                out_.push_back(static_cast<std::uint8_t>(acc_ >> pending_));
            }
        }
    }

    void Finish() {
        if (pending_ > 0)
            out_.push_back(static_cast<std::uint8_t>(acc_ << (8 - pending_)));
        pending_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint64_t acc_ = 0;
    int pending_ = 0;
};

// Hash chains over the input preceded by the decoder's initial spaces, so a
// match may reach back into them. Positions are indices into that buffer.
class MatchFinder {
public:
    static constexpr int kHashBits = 15;
    static constexpr int kChainLimit = 96;

    explicit MatchFinder(const std::vector<std::uint8_t>& text)
        : text_(text), head_(std::size_t{1} << kHashBits, -1), prev_(text.size(), -1) {}

    void Insert(std::size_t pos) {
        if (pos + 2 >= text_.size())
            return;
        const std::size_t h = Hash(pos);
        prev_[pos] = head_[h];
        head_[h] = static_cast<std::int64_t>(pos);
    }

    // Longest earlier occurrence within the window; length 0 when none of 3 or more.
    std::pair<int, std::size_t> Longest(std::size_t pos) const {
        const int limit = static_cast<int>(std::min<std::size_t>(kMaxMatch, text_.size() - pos));
        int bestLength = 0;
        std::size_t bestFrom = 0;
        if (limit <= kThreshold)
            return {0, 0};
        std::int64_t cand = head_[Hash(pos)];
        for (int chain = 0; cand >= 0 && chain < kChainLimit; ++chain, cand = prev_[static_cast<std::size_t>(cand)]) {
            const auto from = static_cast<std::size_t>(cand);
            if (pos - from > static_cast<std::size_t>(kRingSize))
                break;
            int n = 0;
            while (n < limit && text_[from + static_cast<std::size_t>(n)] == text_[pos + static_cast<std::size_t>(n)])
                ++n;
            if (n > bestLength) {
                bestLength = n;
                bestFrom = from;
                if (n == limit)
                    break;
            }
        }
        if (bestLength <= kThreshold)
            return {0, 0};
        return {bestLength, bestFrom};
    }

private:
    std::size_t Hash(std::size_t pos) const {
        const std::uint32_t v = static_cast<std::uint32_t>(text_[pos]) << 16 |
                                static_cast<std::uint32_t>(text_[pos + 1]) << 8 | text_[pos + 2];
        return (v * 2654435761u) >> (32 - kHashBits);
    }

    const std::vector<std::uint8_t>& text_;
    std::vector<std::int64_t> head_;
    std::vector<std::int64_t> prev_;
};

} // namespace

std::vector<std::uint8_t> EncodeLzh(std::span<const std::uint8_t> input, EncodeStats* stats) {
    if (input.size() > 0x7FFFFFFFu)
        throw std::length_error("input too large for a packed stream");
    const auto size = static_cast<std::uint32_t>(input.size());
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                  static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
    out.reserve(input.size() / 2 + 16);

    std::vector<std::uint8_t> text(kInitialFill + input.size(), std::uint8_t{' '});
    std::copy(input.begin(), input.end(), text.begin() + kInitialFill);

    auto tree = std::make_unique<HuffTree>();
    BitWriter bits(out);
    MatchFinder finder(text);
    EncodeStats local;
    auto putSymbol = [&](int symbol) {
        const HuffTree::Code code = tree->CodeOf(symbol);
        bits.Put(code.bits, code.length);
        tree->Update(symbol);
    };

    for (std::size_t pos = 0; pos < static_cast<std::size_t>(kInitialFill); ++pos)
        finder.Insert(pos);
    std::size_t pos = kInitialFill;
    while (pos < text.size()) {
        const auto [length, from] = finder.Longest(pos);
        if (length == 0) {
            putSymbol(text[pos]);
            finder.Insert(pos);
            ++pos;
            ++local.literals;
            continue;
        }
        putSymbol(255 - kThreshold + length);
        const auto position = static_cast<unsigned>(pos - from - 1); // 0..4095
        const unsigned upper = position >> 6;
        bits.Put(kPositions.encodeCode[upper], kPositions.encodeLength[upper]);
        bits.Put(position & 0x3Fu, 6);
        for (int k = 0; k < length; ++k)
            finder.Insert(pos + static_cast<std::size_t>(k));
        pos += static_cast<std::size_t>(length);
        ++local.matches;
    }
    bits.Finish();
    local.rebuilds = tree->Rebuilds();
    if (stats)
        *stats = local;
    return out;
}

} // namespace lirem::skinpack
