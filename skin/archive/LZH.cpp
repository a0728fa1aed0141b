// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/LZH.h"

#include "skin/archive/LzhPositions.h"
#include "skin/archive/LzhTree.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

namespace lirem::skin {
namespace {

using namespace lzh;

// Everything one decoding needs; reserved at the start of a call, freed at its end.
struct Tables {
    HuffTree tree;
    std::array<std::uint8_t, kRingSize> ring{};
};

std::unique_ptr<Tables> ReserveTables() {
    try {
        return std::make_unique<Tables>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(kLzhNoMemoryMessage);
    }
}

// MSB-first bit input over a byte source; a missing byte reads as 0. The valid
// bits sit at the top of a 64-bit buffer, refilled a byte at a time whenever
// fewer than 9 remain, so reads never cross the end of the source.
template <typename Source> class BitReader {
public:
    explicit BitReader(Source source) : source_(source) {}

    unsigned Bit() {
        if (count_ < 9)
            Fill();
        const auto bit = static_cast<unsigned>(buffer_ >> 63);
        buffer_ <<= 1;
        --count_;
        return bit;
    }

    unsigned Byte() {
        if (count_ < 9)
            Fill();
        const auto byte = static_cast<unsigned>(buffer_ >> 56);
        buffer_ <<= 8;
        count_ -= 8;
        return byte;
    }

private:
    void Fill() {
        if constexpr (requires { source_.NextWord(8); }) {
            // Eight bytes at once while the source holds them: the bytes that
            // fit go below the valid bits, the rest stay in the source.
            if (source_.HasWord()) {
                const int take = (64 - count_) >> 3;
                const int total = count_ + 8 * take;
                std::uint64_t word = source_.NextWord(take) >> count_;
                if (total < 64)
                    word &= ~(~std::uint64_t{0} >> total);
                buffer_ |= word;
                count_ = total;
                return;
            }
        }
        while (count_ <= 56) {
            buffer_ |= static_cast<std::uint64_t>(source_.Next()) << (56 - count_);
            count_ += 8;
        }
    }

    Source source_;
    std::uint64_t buffer_ = 0;
    int count_ = 0;
};

template <typename Bits> unsigned DecodePosition(Bits& bits) {
    unsigned i = bits.Byte();
    const unsigned upper = static_cast<unsigned>(kPositions.decodeUpper[i]) << 6;
    for (int n = kPositions.decodeLength[i] - 2; n > 0; --n)
        i = (i << 1) + bits.Bit();
    return upper | (i & 0x3Fu);
}

// Produces the bytes of a stream of `size` bytes into the sink, in as many
// runs as wanted: each run goes on where the last stopped, inside a match if
// need be. A match that would run past the stated size is cut there.
template <typename Source> class Decoder {
public:
    Decoder(Tables& t, std::int32_t size, Source source) : t_(t), bits_(source), size_(size) {
        t_.ring.fill(0);
        std::fill(t_.ring.begin(), t_.ring.begin() + kInitialFill, std::uint8_t{' '});
    }

    // Decodes until `target` bytes (at most the size) are out in all; gives
    // the sink back (held by value: its writes then alias nothing).
    template <typename Sink> Sink Run(std::int32_t target, Sink sink) {
        target = std::min(target, size_);
        // The state in locals for the loop: the sink's byte stores could
        // otherwise alias it.
        auto& ring = t_.ring;
        unsigned r = r_;
        unsigned from = from_;
        std::int32_t left = left_;
        std::int32_t count = count_;
        BitReader<Source> bits = bits_;
        auto nextBit = [&bits] { return bits.Bit(); };
        while (count < target) {
            if (left == 0) {
                const int c = t_.tree.DecodeSymbol(nextBit);
                t_.tree.Update(c);
                if (c < 256) {
                    const auto b = static_cast<std::uint8_t>(c);
                    sink.Put(b);
                    ring[r] = b;
                    r = (r + 1) & (kRingSize - 1);
                    ++count;
                    continue;
                }
                from = r - DecodePosition(bits) - 1;
                left = std::min<std::int32_t>(c - 255 + kThreshold, size_ - count);
            }
            const std::int32_t length = std::min(left, target - count);
            left -= length;
            count += length;
            for (std::int32_t k = 0; k < length; ++k) {
                const std::uint8_t b = ring[from & (kRingSize - 1)];
                ++from;
                sink.Put(b);
                ring[r] = b;
                r = (r + 1) & (kRingSize - 1);
            }
        }
        bits_ = bits;
        r_ = r;
        from_ = from;
        left_ = left;
        count_ = count;
        return sink;
    }

    [[nodiscard]] std::int32_t Count() const { return count_; }

private:
    Tables& t_;
    BitReader<Source> bits_;
    std::int32_t size_;
    std::int32_t count_ = 0;
    unsigned r_ = kInitialFill;
    unsigned from_ = 0;     // where the match being copied reads next
    std::int32_t left_ = 0; // bytes of that match still to copy
};

template <typename Source, typename Sink> Sink Decode(Tables& t, std::int32_t size, Source source, Sink sink) {
    Decoder<Source> decoder(t, size, source);
    return decoder.Run(size, sink);
}

// Byte sources and sinks.
class CallbackSource {
public:
    explicit CallbackSource(const TLZH::ReadCallback& read) : read_(&read) {}
    unsigned Next() {
        std::uint8_t byte = 0;
        if (!*read_ || (*read_)(&byte, 1) != 1)
            return 0;
        return byte;
    }

private:
    const TLZH::ReadCallback* read_;
};

// Hands produced bytes to the write callback in chunks.
class CallbackSink {
public:
    explicit CallbackSink(const TLZH::WriteCallback& write) : write_(write) {}
    void Put(std::uint8_t b) {
        chunk_[used_++] = b;
        if (used_ == chunk_.size())
            Flush();
    }
    void Flush() {
        if (used_ != 0 && write_)
            write_(chunk_.data(), used_);
        used_ = 0;
    }

private:
    const TLZH::WriteCallback& write_;
    std::array<std::uint8_t, 4096> chunk_{};
    std::size_t used_ = 0;
};

class MemorySource {
public:
    explicit MemorySource(std::span<const std::uint8_t> in) : pos_(in.data()), end_(in.data() + in.size()) {}
    unsigned Next() { return pos_ != end_ ? *pos_++ : 0u; }
    [[nodiscard]] bool HasWord() const { return end_ - pos_ >= 8; }
    // The next eight bytes, the first at the top; only `take` of them are consumed.
    std::uint64_t NextWord(int take) {
        std::uint64_t word = 0;
        for (int i = 0; i < 8; ++i)
            word = (word << 8) | pos_[i];
        pos_ += take;
        return word;
    }

private:
    const std::uint8_t* pos_;
    const std::uint8_t* end_;
};

// Writes into storage sized in advance; the decoder never produces more than that.
class MemorySink {
public:
    explicit MemorySink(std::uint8_t* out) : out_(out) {}
    void Put(std::uint8_t b) { *out_++ = b; }

private:
    std::uint8_t* out_;
};

// The unpacked size a packed block states in its first four bytes (little
// endian); -1 when the block is too short or states more than is allowed.
std::int32_t StatedSize(std::span<const std::uint8_t> packed) {
    if (packed.size() < 4)
        return -1;
    const std::uint32_t stated = static_cast<std::uint32_t>(packed[0]) | static_cast<std::uint32_t>(packed[1]) << 8 |
                                 static_cast<std::uint32_t>(packed[2]) << 16 |
                                 static_cast<std::uint32_t>(packed[3]) << 24;
    return stated > static_cast<std::uint32_t>(kMaxUnpackedSize) ? -1 : static_cast<std::int32_t>(stated);
}

} // namespace

bool TLZH::DecodeStream(std::int32_t unpackedSize, const WriteCallback& write, const ReadCallback& read) {
    rebuildCount_ = 0;
    if (unpackedSize > kMaxUnpackedSize)
        return false;
    const auto tables = ReserveTables();
    CallbackSource source(read);
    Decode(*tables, unpackedSize, source, CallbackSink(write)).Flush();
    rebuildCount_ = tables->tree.Rebuilds();
    return true;
}

bool TLZH::DecodePacked(std::span<const std::uint8_t> packed, std::vector<std::uint8_t>& out) {
    rebuildCount_ = 0;
    out.clear();
    const std::int32_t size = StatedSize(packed);
    if (size < 0)
        return false;
    const auto tables = ReserveTables();
    try {
        out.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        throw ElzhException(kLzhNoMemoryMessage);
    }
    MemorySource source(packed.subspan(4));
    Decode(*tables, size, source, MemorySink(out.data()));
    rebuildCount_ = tables->tree.Rebuilds();
    return true;
}

// --- TLzhStream ------------------------------------------------------------------

struct TLzhStream::State {
    explicit State(std::span<const std::uint8_t> packed, std::int32_t size)
        : input(packed.begin(), packed.end()), tables(ReserveTables()),
          decoder(*tables, size, MemorySource(std::span(input).subspan(4))) {}
    std::vector<std::uint8_t> input;
    std::unique_ptr<Tables> tables;
    Decoder<MemorySource> decoder;
    std::vector<std::uint8_t> out;
};

TLzhStream::TLzhStream() = default;
TLzhStream::~TLzhStream() = default;

bool TLzhStream::Open(std::span<const std::uint8_t> packed) {
    state_.reset();
    const std::int32_t size = StatedSize(packed);
    if (size < 0)
        return false;
    try {
        auto state = std::make_unique<State>(packed, size);
        state->out.resize(static_cast<std::size_t>(size));
        state_ = std::move(state);
    } catch (const std::bad_alloc&) {
        throw ElzhException(kLzhNoMemoryMessage);
    }
    return true;
}

std::size_t TLzhStream::Size() const {
    return state_ != nullptr ? state_->out.size() : 0;
}

std::span<const std::uint8_t> TLzhStream::Decoded(std::size_t end) {
    if (state_ == nullptr)
        return {};
    State& s = *state_;
    end = std::min(end, s.out.size());
    if (const auto have = static_cast<std::size_t>(s.decoder.Count()); have < end) {
        s.decoder.Run(static_cast<std::int32_t>(end), MemorySink(s.out.data() + have));
    }
    return std::span<const std::uint8_t>(s.out).first(std::min(end, static_cast<std::size_t>(s.decoder.Count())));
}

} // namespace lirem::skin
