// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the packed-skin decoder and the archive reader on
// arbitrary bytes. The input is used four ways: as a packed skin, as an
// already unpacked archive, as a bare stream through the callback decoder and
// decoded step by step.
#include "skin/archive/LZH.h"
#include "skin/archive/SkinRead.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

// Larger stated sizes are valid but only cost time decoding long runs of zeros
// from input that ends early, so the fuzzer explores little: the packed paths
// take at most 32 KiB, and at most 16 times the input (real skins pack about
// 12 to 1). The program's own skin is fuzzed unpacked by fuzz_skin_data.
constexpr std::uint32_t kFuzzMaxUnpacked = 32u << 10;
constexpr std::uint32_t kFuzzMaxRatio = 16;
constexpr std::uint32_t kFuzzMaxCompared = 16u << 10;

std::uint32_t StatedSize(std::span<const std::uint8_t> in) {
    return static_cast<std::uint32_t>(in[0]) | static_cast<std::uint32_t>(in[1]) << 8 |
           static_cast<std::uint32_t>(in[2]) << 16 | static_cast<std::uint32_t>(in[3]) << 24;
}

void CheckReader(const lirem::skin::TSkinReader& reader) {
    if (reader.Names().size() != reader.Sizes().size() || reader.Names().size() > lirem::skin::TSkinReader::kMaxEntries)
        std::abort();
    std::vector<std::uint8_t> dest;
    for (std::size_t i = 0; i < reader.Names().size(); ++i) {
        if (!reader.ExtractByName(reader.Names()[i], dest) || reader.Sizes()[i] < 0)
            std::abort();
    }
    std::string name;
    reader.ExtractByPattern(".ini", dest, name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> in(data, size);

    lirem::skin::TSkinReader raw;
    if (raw.LoadFromArchive(in))
        CheckReader(raw);

    // A stated size far beyond what the input could encode only decodes zero padding; small ones cover that.
    if (size < 4 || StatedSize(in) > kFuzzMaxUnpacked ||
        StatedSize(in) > std::max<std::size_t>(4096, size * kFuzzMaxRatio))
        return 0;

    lirem::skin::TSkinReader packed;
    if (packed.LoadFromPacked(in))
        CheckReader(packed);

    if (StatedSize(in) > kFuzzMaxCompared)
        return 0;
    // The callback decoder must produce exactly the stated size and agree with the memory decoder.
    std::vector<std::uint8_t> viaMemory;
    lirem::skin::TLZH lzh;
    if (!lzh.DecodePacked(in, viaMemory) || viaMemory.size() != StatedSize(in))
        std::abort();
    std::vector<std::uint8_t> viaCallbacks;
    std::size_t pos = 4;
    lzh.DecodeStream(
        static_cast<std::int32_t>(StatedSize(in)),
        [&](const std::uint8_t* d, std::size_t n) { viaCallbacks.insert(viaCallbacks.end(), d, d + n); },
        [&](std::uint8_t* buf, std::size_t want) -> std::size_t {
            if (want == 0 || pos >= size)
                return 0;
            *buf = data[pos++];
            return 1;
        });
    if (viaCallbacks != viaMemory)
        std::abort();
    // Decoded step by step, in steps the input's last byte chooses, the stream agrees too.
    lirem::skin::TLzhStream stream;
    if (!stream.Open(in) || stream.Size() != viaMemory.size())
        std::abort();
    const std::size_t step = 1 + data[size - 1] % 97;
    for (std::size_t end = step;; end += step) {
        const auto part = stream.Decoded(end);
        if (part.size() != std::min(end, viaMemory.size()) || !std::equal(part.begin(), part.end(), viaMemory.begin()))
            std::abort();
        if (end >= viaMemory.size())
            break;
    }
    return 0;
}
