// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a skin archive: int32 name-list length, the names each followed by
// CR LF, one int32 size per name, then the entries' bytes in the same order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lirem::skinpack {

struct ArchiveEntry {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// Throws std::invalid_argument for a name holding a line break, or when the
// archive would not fit the 32-bit fields.
std::vector<std::uint8_t> WriteArchive(const std::vector<ArchiveEntry>& entries);

// Wraps a packed skin as the stored skin block: int32 length, then the bytes.
std::vector<std::uint8_t> FrameSkinStream(const std::vector<std::uint8_t>& packed);

} // namespace lirem::skinpack
