// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/skinpack/ArchiveWriter.h"

#include <limits>
#include <stdexcept>

namespace lirem::skinpack {
namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::size_t value) {
    if (value > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::invalid_argument("value does not fit a 32-bit field");
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

} // namespace

std::vector<std::uint8_t> WriteArchive(const std::vector<ArchiveEntry>& entries) {
    std::string list;
    for (const ArchiveEntry& e : entries) {
        if (e.name.find_first_of("\r\n") != std::string::npos)
            throw std::invalid_argument("entry name holds a line break: " + e.name);
        list += e.name;
        list += "\r\n";
    }
    std::vector<std::uint8_t> out;
    PutInt32(out, list.size());
    out.insert(out.end(), list.begin(), list.end());
    for (const ArchiveEntry& e : entries)
        PutInt32(out, e.bytes.size());
    for (const ArchiveEntry& e : entries)
        out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    return out;
}

std::vector<std::uint8_t> FrameSkinStream(const std::vector<std::uint8_t>& packed) {
    std::vector<std::uint8_t> out;
    PutInt32(out, packed.size());
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

} // namespace lirem::skinpack
