// SPDX-License-Identifier: GPL-3.0-or-later
// Reader of the skin archive: a name list, a size table and the entry bytes,
// unpacked from a packed skin.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::skin {

class TSkinReader {
public:
    // At most this many entries; an archive listing more is rejected.
    static constexpr std::size_t kMaxEntries = 1001;

    // Decodes a packed skin (int32 unpacked size, then the LZHUF stream) and parses the archive.
    // Returns false and holds nothing when the archive is malformed (rejected whole).
    // Throws ElzhException only for the decoder's own memory failures.
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
    void CopyEntry(std::size_t index, std::vector<std::uint8_t>& dest) const;

    std::vector<std::string> names_;
    std::vector<std::int32_t> sizes_;
    std::vector<std::size_t> offsets_; // start of each entry in data_
    std::vector<std::uint8_t> data_;
};

} // namespace lirem::skin
