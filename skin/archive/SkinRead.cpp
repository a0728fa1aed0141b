// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/SkinRead.h"

#include "skin/archive/LZH.h"

#include <algorithm>

namespace lirem::skin {
namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(std::string_view text) {
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(), LowerAscii);
    return s;
}

std::int32_t ReadInt32(const std::uint8_t* p) {
    const std::uint32_t v = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                            static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    return static_cast<std::int32_t>(v);
}

// Splits at CR LF, CR or LF; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2U : 1U;
        start = i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace

void TSkinReader::Clear() {
    names_.clear();
    sizes_.clear();
    offsets_.clear();
    archive_.clear();
    stream_.reset();
}

bool TSkinReader::LoadFromPacked(std::span<const std::uint8_t> packed) {
    Clear();
    // Decoded as far as the entries read: the header now, an entry when it is read.
    auto stream = std::make_unique<TLzhStream>();
    if (!stream->Open(packed))
        return false;
    stream_ = std::move(stream);
    if (!ReadHeader(stream_->Size())) {
        Clear();
        return false;
    }
    return true;
}

bool TSkinReader::LoadFromArchive(std::span<const std::uint8_t> archive) {
    Clear();
    archive_.assign(archive.begin(), archive.end());
    if (!ReadHeader(archive_.size())) {
        Clear();
        return false;
    }
    return true;
}

std::span<const std::uint8_t> TSkinReader::Bytes(std::size_t end) const {
    if (stream_ != nullptr)
        return stream_->Decoded(end);
    return std::span(archive_).first(std::min(end, archive_.size()));
}

bool TSkinReader::ReadHeader(std::size_t total) {
    if (total < 4)
        return false;
    const std::int32_t listLength = ReadInt32(Bytes(4).data());
    if (listLength < 0 || static_cast<std::size_t>(listLength) > total - 4)
        return false;
    const std::size_t listEnd = 4 + static_cast<std::size_t>(listLength);
    const auto listBytes = Bytes(listEnd).subspan(4);
    std::vector<std::string> names =
        SplitLines(Lowered({reinterpret_cast<const char*>(listBytes.data()), listBytes.size()}));
    if (names.size() > kMaxEntries)
        return false;

    const std::size_t tableSize = total - listEnd;
    if (tableSize / 4 < names.size())
        return false;
    const auto table = Bytes(listEnd + 4 * names.size()).subspan(listEnd);
    std::vector<std::int32_t> sizes(names.size());
    std::vector<std::size_t> offsets(names.size());
    const std::size_t dataStart = listEnd + 4 * names.size();
    const std::size_t dataSize = tableSize - 4 * names.size();
    std::size_t end = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        sizes[i] = ReadInt32(table.data() + 4 * i);
        if (sizes[i] < 0 || static_cast<std::size_t>(sizes[i]) > dataSize - end)
            return false;
        offsets[i] = dataStart + end;
        end += static_cast<std::size_t>(sizes[i]);
    }
    names_ = std::move(names);
    sizes_ = std::move(sizes);
    offsets_ = std::move(offsets);
    return true;
}

void TSkinReader::CopyEntry(std::size_t index, std::vector<std::uint8_t>& dest) const {
    const auto size = static_cast<std::size_t>(sizes_[index]);
    const auto entry = Bytes(offsets_[index] + size).subspan(offsets_[index], size);
    dest.assign(entry.begin(), entry.end());
}

bool TSkinReader::ExtractByName(std::string_view name, std::vector<std::uint8_t>& dest) const {
    dest.clear();
    const std::string wanted = Lowered(name);
    const auto it = std::find(names_.begin(), names_.end(), wanted);
    if (it == names_.end())
        return false;
    CopyEntry(static_cast<std::size_t>(it - names_.begin()), dest);
    return true;
}

bool TSkinReader::ExtractByPattern(std::string_view text, std::vector<std::uint8_t>& dest, std::string& name) const {
    dest.clear();
    const auto it = std::find_if(names_.begin(), names_.end(),
                                 [text](const std::string& n) { return n.find(text) != std::string::npos; });
    if (it == names_.end())
        return false;
    CopyEntry(static_cast<std::size_t>(it - names_.begin()), dest);
    name = *it;
    return true;
}

} // namespace lirem::skin
