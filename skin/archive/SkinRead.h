// SPDX-License-Identifier: GPL-3.0-or-later
// Reader of the skin archive: a name list, a size table and the entry bytes,
// unpacked from a packed skin.
#pragma once

#include "skin/archive/LZH.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::skin {

class TSkinReader {
public:
    // At most this many entries; an archive listing more is rejected.
    static constexpr std::size_t kMaxEntries = 1001;

    // Reads a packed skin (int32 unpacked size, then the LZHUF stream): the
    // archive's header is decoded and checked now, each entry when it is first
    // read (with the entries before it), so entries after the last one read
    // are never decoded. Returns false and holds nothing when the archive is
    // malformed (rejected whole). Throws ElzhException only for the decoder's
    // own memory failures.
    bool LoadFromPacked(std::span<const std::uint8_t> packed);

    // Parses an already unpacked archive; same rules as LoadFromPacked.
    bool LoadFromArchive(std::span<const std::uint8_t> archive);

    // Looks the name up without regard to ASCII letter case; the first entry wins.
    // dest is cleared first and stays empty when there is no such entry.
    bool ExtractByName(std::string_view name, std::vector<std::uint8_t>& dest) const;

    // Takes the first entry whose lower-cased name contains `text`; on a hit sets
    // `name` to it. dest is cleared first; on a miss `name` is left as it was.
    bool ExtractByPattern(std::string_view text, std::vector<std::uint8_t>& dest, std::string& name) const;

    const std::vector<std::string>& Names() const { return names_; } // lower-cased
    const std::vector<std::int32_t>& Sizes() const { return sizes_; }

private:
    void Clear();
    // Reads the name list and the size table of an archive of `total` bytes.
    bool ReadHeader(std::size_t total);
    // The archive's first `end` bytes; a packed one is decoded as far as that.
    std::span<const std::uint8_t> Bytes(std::size_t end) const;
    void CopyEntry(std::size_t index, std::vector<std::uint8_t>& dest) const;

    std::vector<std::string> names_;
    std::vector<std::int32_t> sizes_;
    std::vector<std::size_t> offsets_;   // start of each entry in the archive
    std::vector<std::uint8_t> archive_;  // an unpacked archive, as given
    std::unique_ptr<TLzhStream> stream_; // or a packed one, decoded as far as read
};

} // namespace lirem::skin
