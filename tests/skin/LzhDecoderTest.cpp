// SPDX-License-Identifier: GPL-3.0-or-later
// Decoder against our encoder, hand-built streams, and damaged input.
#include "skin/archive/LZH.h"
#include "skin/archive/LzhPositions.h"
#include "skin/archive/LzhTree.h"
#include "tools/skinpack/LzhEncoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(std::string_view s) {
    return {s.begin(), s.end()};
}

Bytes RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    Bytes b(n);
    for (auto& x : b)
        x = static_cast<std::uint8_t>(gen());
    return b;
}

// Text with repetition at many distances, the shape of skin data.
Bytes Prose(std::size_t n) {
    static const char* words[] = {"numero ",         "skin ",      "frame ",        "caption ", "[Personality]\r\n",
                                  "Top=top.bmp\r\n", "0123456789", "\xC0\xC1\xC2 ", "button "};
    std::mt19937 gen(7);
    Bytes b;
    while (b.size() < n) {
        const std::string_view w = words[gen() % std::size(words)];
        b.insert(b.end(), w.begin(), w.end());
    }
    b.resize(n);
    return b;
}

Bytes Repeated(const Bytes& block, int times) {
    Bytes b;
    for (int i = 0; i < times; ++i)
        b.insert(b.end(), block.begin(), block.end());
    return b;
}

Bytes Decode(const Bytes& packed, int* rebuilds = nullptr) {
    lirem::skin::TLZH lzh;
    Bytes out;
    EXPECT_TRUE(lzh.DecodePacked(packed, out));
    if (rebuilds)
        *rebuilds = lzh.RebuildCount();
    return out;
}

// Writes hand-made streams with the same adaptive code the decoder keeps.
class StreamBuilder {
public:
    explicit StreamBuilder(std::uint32_t stated) {
        for (int i = 0; i < 4; ++i)
            out_.push_back(static_cast<std::uint8_t>(stated >> (8 * i)));
    }
    StreamBuilder& Literal(std::uint8_t b) { return Symbol(b); }
    StreamBuilder& Match(int length, unsigned position) {
        Symbol(253 + length);
        const unsigned upper = position >> 6;
        Bits(lirem::skin::lzh::kPositions.encodeCode[upper], lirem::skin::lzh::kPositions.encodeLength[upper]);
        return Bits(position & 0x3F, 6);
    }
    Bytes Finish() {
        while (count_ % 8 != 0)
            Bits(0, 1);
        return out_;
    }

private:
    StreamBuilder& Symbol(int c) {
        const auto code = tree_.CodeOf(c);
        Bits(code.bits, code.length);
        tree_.Update(c);
        return *this;
    }
    StreamBuilder& Bits(std::uint64_t v, int n) {
        for (int i = n - 1; i >= 0; --i, ++count_) {
            if (count_ % 8 == 0)
                out_.push_back(0);
            out_.back() = static_cast<std::uint8_t>(out_.back() | (((v >> i) & 1u) << (7 - count_ % 8)));
        }
        return *this;
    }
    lirem::skin::lzh::HuffTree tree_;
    Bytes out_;
    int count_ = 0;
};

struct RoundTrip {
    const char* name;
    Bytes input;
};

TEST(LzhRoundTrip, EncoderAndDecoderAreInverse) {
    const RoundTrip cases[] = {
        {"empty", {}},
        {"one byte", {0x41}},
        {"leading spaces", Text("    spaces first, then text")},
        {"text", Text("The quick brown fox jumps over the lazy dog. The quick brown fox again.")},
        {"prose 2 MB", Prose(2'000'000)},
        {"1 MB of zeros", Bytes(1'000'000, 0)},
        {"4 MB random", RandomBytes(4'000'000, 1)},
        // Repeats exactly one window apart reach the farthest position, 4095; one byte farther they cannot match.
        {"period 4096", Repeated(RandomBytes(4096, 3), 3)},
        {"period 4097", Repeated(RandomBytes(4097, 4), 3)},
        {"all byte values",
         [] {
             Bytes b(256 * 40);
             for (std::size_t i = 0; i < b.size(); ++i)
                 b[i] = static_cast<std::uint8_t>(i * 7);
             return b;
         }()},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        lirem::skinpack::EncodeStats stats;
        const Bytes packed = lirem::skinpack::EncodeLzh(c.input, &stats);
        int rebuilds = -1;
        EXPECT_EQ(Decode(packed, &rebuilds), c.input);
        EXPECT_EQ(rebuilds, stats.rebuilds);
        // The root starts at 314 (one per symbol) and the tree is rebuilt at the
        // first update after it has reached 0x8000.
        const std::size_t symbols = stats.matches + stats.literals;
        EXPECT_EQ(rebuilds > 0, symbols > 0x8000 - 314);
    }
}

TEST(LzhRoundTrip, LongRunsUseLongMatches) {
    const Bytes zeros(1'000'000, 0);
    lirem::skinpack::EncodeStats stats;
    const Bytes packed = lirem::skinpack::EncodeLzh(zeros, &stats);
    EXPECT_LT(packed.size(), zeros.size() / 40);
    EXPECT_LE(stats.matches, zeros.size() / 60 + 2); // nearly every match is the longest, 60
}

TEST(LzhRoundTrip, MatchesReachExactlyTheWholeWindow) {
    lirem::skinpack::EncodeStats inside;
    lirem::skinpack::EncodeLzh(Repeated(RandomBytes(4096, 5), 2), &inside);
    EXPECT_LE(inside.literals, 4096u + 60u); // the second copy is all matches
    lirem::skinpack::EncodeStats outside;
    lirem::skinpack::EncodeLzh(Repeated(RandomBytes(4097, 5), 2), &outside);
    EXPECT_GE(outside.literals, 2 * 4097u - 60u);
}

TEST(LzhRoundTrip, RandomDataForcesManyRebuilds) {
    // Each rebuild halves the counts, so the root needs at least 0x4000 more symbols to reach 0x8000 again.
    const Bytes random = RandomBytes(4'000'000, 2);
    int rebuilds = 0;
    EXPECT_EQ(Decode(lirem::skinpack::EncodeLzh(random), &rebuilds), random);
    EXPECT_GE(rebuilds, 4'000'000 / 0x8000);
    EXPECT_LE(rebuilds, 4'000'000 / 0x4000 + 1);
}

TEST(LzhRoundTrip, CallbackInterfaceMatchesMemoryDecoding) {
    const Bytes input = Prose(50'000);
    const Bytes packed = lirem::skinpack::EncodeLzh(input);
    std::size_t pos = 4;
    Bytes out;
    lirem::skin::TLZH lzh;
    const bool ok = lzh.DecodeStream(
        static_cast<std::int32_t>(input.size()),
        [&out](const std::uint8_t* d, std::size_t n) { out.insert(out.end(), d, d + n); },
        [&](std::uint8_t* buf, std::size_t want) {
            const std::size_t n = std::min(want, packed.size() - pos);
            std::copy_n(packed.begin() + static_cast<std::ptrdiff_t>(pos), n, buf);
            pos += n;
            return n;
        });
    EXPECT_TRUE(ok);
    EXPECT_EQ(out, input);
}

TEST(LzhRoundTrip, StepwiseDecodingGivesTheSameBytes) {
    // Steps that stop inside matches, at the ends of runs and past the end.
    const Bytes input = Prose(50'000);
    Bytes packed = lirem::skinpack::EncodeLzh(input);
    const std::size_t steps[] = {1, 2, 3, 59, 60, 61, 4095, 4096, 70'000};
    for (const std::size_t step : steps) {
        SCOPED_TRACE(step);
        lirem::skin::TLzhStream stream;
        ASSERT_TRUE(stream.Open(packed));
        ASSERT_EQ(stream.Size(), input.size());
        for (std::size_t end = step; end < input.size() + step; end += step) {
            const auto decoded = stream.Decoded(end);
            ASSERT_EQ(decoded.size(), std::min(end, input.size()));
            ASSERT_TRUE(std::equal(decoded.begin(), decoded.end(), input.begin()));
        }
    }
    // The stream keeps its own copy of the packed bytes.
    lirem::skin::TLzhStream stream;
    ASSERT_TRUE(stream.Open(packed));
    std::fill(packed.begin(), packed.end(), std::uint8_t{0});
    const auto decoded = stream.Decoded(input.size());
    EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), input.begin(), input.end()));
    EXPECT_FALSE(lirem::skin::TLzhStream().Open(Bytes{1, 0, 0}));
}

struct HandMade {
    const char* name;
    Bytes stream;
    Bytes expected;
};

TEST(LzhDecoder, HandBuiltStreams) {
    const HandMade cases[] = {
        // The first symbol is a match: it copies the spaces that precede the first output byte.
        {"match right before the start", StreamBuilder(10).Match(10, 0).Finish(), Bytes(10, ' ')},
        {"match deep in the initial spaces", StreamBuilder(5).Match(5, 3000).Finish(), Bytes(5, ' ')},
        {"match into spaces then text", StreamBuilder(9).Match(3, 1).Literal('a').Literal('b').Match(4, 1).Finish(),
         Text("   ababab")},
        // A match overlapping its own output repeats what it has just written.
        {"overlapping run", StreamBuilder(8).Literal('x').Literal('y').Match(6, 1).Finish(), Text("xyxyxyxy")},
        // The ring bytes after the preset spaces start as zero.
        {"farthest position before any write", StreamBuilder(3).Match(3, 4095).Finish(), Bytes(3, 0)},
        // A match running past the stated size is cut at that size.
        {"match cut at the stated size", StreamBuilder(4).Literal('q').Match(60, 0).Finish(), Text("qqqq")},
        {"stated size 0", StreamBuilder(0).Literal('z').Finish(), {}},
    };
    for (const HandMade& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Decode(c.stream), c.expected);
    }
}

TEST(LzhDecoder, TruncatedStreamsPadWithZerosAndKeepTheStatedSize) {
    const Bytes input = Prose(20'000);
    const Bytes packed = lirem::skinpack::EncodeLzh(input);
    std::size_t lastPrefix = 0;
    for (std::size_t keep = 0; keep < packed.size(); keep += 1 + keep / 8) {
        SCOPED_TRACE(keep);
        const Bytes cut(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(keep));
        lirem::skin::TLZH lzh;
        Bytes out;
        ASSERT_EQ(lzh.DecodePacked(cut, out), keep >= 4);
        if (keep < 4)
            continue;
        ASSERT_EQ(out.size(), input.size());
        // What the present bits encode stays right, and more input never decodes less of it.
        const auto prefix =
            static_cast<std::size_t>(std::mismatch(out.begin(), out.end(), input.begin()).first - out.begin());
        EXPECT_GE(prefix, lastPrefix);
        lastPrefix = prefix;
    }
    // Losing only the last byte costs at most the last few symbols.
    const Bytes almost(packed.begin(), packed.end() - 1);
    const Bytes out = Decode(almost);
    EXPECT_TRUE(std::equal(input.begin(), input.end() - 200, out.begin()));
    // Padding the stream with zero bytes explicitly gives the same result.
    Bytes cut(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packed.size() / 2));
    const Bytes a = Decode(cut);
    cut.resize(cut.size() + 100'000, 0);
    EXPECT_EQ(Decode(cut), a);
}

TEST(LzhDecoder, GarbageDecodesToExactlyTheStatedSize) {
    for (unsigned seed = 0; seed < 20; ++seed) {
        Bytes garbage = RandomBytes(1 + seed * 97, seed);
        const std::uint32_t stated = 1 + seed * 5003;
        for (int i = 0; i < 4; ++i)
            garbage.insert(garbage.begin() + i, static_cast<std::uint8_t>(stated >> (8 * i)));
        EXPECT_EQ(Decode(garbage).size(), stated);
    }
}

TEST(LzhDecoder, RefusesOversizedOrHeaderlessStreams) {
    struct Case {
        const char* name;
        Bytes stream;
    };
    const Case cases[] = {
        {"no header", {}},
        {"three bytes", {1, 0, 0}},
        {"limit plus one", StreamBuilder(lirem::skin::kMaxUnpackedSize + 1u).Literal('a').Finish()},
        {"negative as int32", StreamBuilder(0x80000000u).Literal('a').Finish()},
        {"all ones", StreamBuilder(0xFFFFFFFFu).Finish()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lirem::skin::TLZH lzh;
        Bytes out{1, 2, 3};
        EXPECT_FALSE(lzh.DecodePacked(c.stream, out));
        EXPECT_TRUE(out.empty());
    }
}

TEST(LzhDecoder, CallbackDecodingProducesNothingForNonPositiveOrHugeSizes) {
    for (const std::int32_t size : {0, -1, -100000, lirem::skin::kMaxUnpackedSize + 1}) {
        SCOPED_TRACE(size);
        int reads = 0;
        std::size_t written = 0;
        lirem::skin::TLZH lzh;
        const bool ok = lzh.DecodeStream(
            size, [&](const std::uint8_t*, std::size_t n) { written += n; },
            [&](std::uint8_t*, std::size_t) -> std::size_t {
                ++reads;
                return 0;
            });
        EXPECT_EQ(ok, size <= lirem::skin::kMaxUnpackedSize);
        EXPECT_EQ(written, 0u);
        EXPECT_EQ(reads, 0);
    }
}

TEST(LzhDecoder, ExceptionMessages) {
    EXPECT_STREQ(lirem::skin::kLzhNoMemoryMessage, "LZH : Cannot get memory for dictionary tables");
    EXPECT_STREQ(lirem::skin::kLzhFreeFailedMessage, "LZH : Error freeing memory for dictionary tables");
    EXPECT_STREQ(lirem::skin::ElzhException(lirem::skin::kLzhNoMemoryMessage).what(), lirem::skin::kLzhNoMemoryMessage);
}

} // namespace
