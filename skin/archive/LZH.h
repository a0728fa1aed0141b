// SPDX-License-Identifier: GPL-3.0-or-later
// LZHUF decompressor for packed skins: LZSS over a 4096-byte window with an
// adaptive Huffman code for literals and match lengths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

namespace lirem::skin {

// Raised only when the decoder cannot get (or give back) its tables.
class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhFreeFailedMessage = "LZH : Error freeing memory for dictionary tables";

// Largest unpacked size we agree to produce. A stated size above it is refused
// before anything is allocated or decoded; real skins are a few hundred KiB.
inline constexpr std::int32_t kMaxUnpackedSize = 64 * 1024 * 1024;

class TLZH {
public:
    // Asked for up to `requested` bytes (the decoder asks for one); returns how
    // many were delivered, 0 at the end of the input.
    using ReadCallback = std::function<std::size_t(std::uint8_t* buffer, std::size_t requested)>;
    // Receives produced bytes in order.
    using WriteCallback = std::function<void(const std::uint8_t* data, std::size_t count)>;

    // Decodes exactly `unpackedSize` bytes (nothing when it is 0 or less); input
    // that ends early reads as zero bytes. Returns false, producing nothing, when
    // the size is above kMaxUnpackedSize.
    bool DecodeStream(std::int32_t unpackedSize, const WriteCallback& write, const ReadCallback& read);

    // Decodes a bare packed stream held in memory: a little-endian 4-byte
    // unpacked size, then the bit stream. Returns false when the stream is
    // shorter than 4 bytes or the size is above kMaxUnpackedSize.
    bool DecodePacked(std::span<const std::uint8_t> packed, std::vector<std::uint8_t>& out);

    // Number of Huffman tree rebuilds during the last decoding.
    int RebuildCount() const { return rebuildCount_; }

private:
    int rebuildCount_ = 0;
};

// A packed stream (as DecodePacked takes it) decoded as far as its reader
// needs, the bytes exactly those DecodePacked gives: an archive's entries
// after the last one read are never decoded.
class TLzhStream {
public:
    TLzhStream();
    ~TLzhStream();
    TLzhStream(const TLzhStream&) = delete;
    TLzhStream& operator=(const TLzhStream&) = delete;

    // Takes a copy of the stream. Returns false, holding nothing, when it is
    // shorter than 4 bytes or states a size above kMaxUnpackedSize; throws
    // ElzhException when the tables or the output cannot be had.
    bool Open(std::span<const std::uint8_t> packed);
    // The stated unpacked size.
    [[nodiscard]] std::size_t Size() const;
    // The first `end` bytes (at most Size()), decoding as far as needed.
    std::span<const std::uint8_t> Decoded(std::size_t end);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace lirem::skin
