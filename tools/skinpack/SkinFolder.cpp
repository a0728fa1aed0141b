// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/skinpack/SkinFolder.h"

#include "skin/archive/LZH.h"
#include "skin/archive/SkinRead.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace fs = std::filesystem;

namespace lirem::skinpack {
namespace {

// The reader looks names up with ASCII letters lower-cased.
std::string Lowered(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return name;
}

bool IsIni(const std::string& name) {
    return Lowered(name).find(".ini") != std::string::npos;
}

// Every entry must be one the reader can reach: within its count, and no two
// names it would take for the same.
void CheckReachable(const fs::path& dir, const std::vector<std::string>& names) {
    if (names.size() > skin::TSkinReader::kMaxEntries)
        throw std::runtime_error("skin folder " + dir.string() + " has " + std::to_string(names.size()) +
                                 " entries; a skin holds at most " + std::to_string(skin::TSkinReader::kMaxEntries));
    std::unordered_map<std::string, const std::string*> seen;
    for (const std::string& name : names) {
        const auto [at, added] = seen.emplace(Lowered(name), &name);
        if (added)
            continue;
        if (*at->second == name)
            throw std::runtime_error("entry '" + name + "' is listed twice");
        throw std::runtime_error("entries '" + *at->second + "' and '" + name +
                                 "' differ only in letter case: the skin reader would find only the first");
    }
}

std::vector<std::string> OrderedNames(const fs::path& order) {
    std::vector<std::string> names;
    std::ifstream in(order);
    if (!in)
        throw std::runtime_error("cannot read " + order.string());
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (!line.empty() && line.front() != '#')
            names.push_back(line);
    }
    if (in.bad())
        throw std::runtime_error("cannot read " + order.string());
    return names;
}

std::vector<std::string> ListedNames(const fs::path& dir) {
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file() && name.front() != '.')
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const bool iniA = IsIni(a);
        const bool iniB = IsIni(b);
        return iniA != iniB ? iniB : a < b;
    });
    return names;
}

bool IsInside(const fs::path& path, const fs::path& dir) {
    const auto [d, p] = std::mismatch(dir.begin(), dir.end(), path.begin(), path.end());
    return d == dir.end() && p != path.end();
}

// The file an entry name stands for, once it is known to be a regular file
// inside the folder (after following symlinks).
fs::path EntryFile(const fs::path& realDir, const std::string& name) {
    const fs::path relative(name);
    const bool climbs =
        std::any_of(relative.begin(), relative.end(), [](const fs::path& part) { return part == ".."; });
    if (relative.is_absolute() || climbs)
        throw std::runtime_error("entry '" + name + "' names a file outside the skin folder");
    std::error_code error;
    fs::path real = fs::canonical(realDir / relative, error);
    if (error)
        throw std::runtime_error("cannot read entry '" + name + "': " + error.message());
    if (!IsInside(real, realDir))
        throw std::runtime_error("entry '" + name + "' leads outside the skin folder (to " + real.string() + ")");
    if (!fs::is_regular_file(real))
        throw std::runtime_error("entry '" + name + "' is not a regular file");
    return real;
}

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path, std::uintmax_t size) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in || in.peek() != std::ifstream::traits_type::eof())
        throw std::runtime_error("cannot read " + path.string() + " (did it change while packing?)");
    return bytes;
}

} // namespace

std::vector<ArchiveEntry> ReadSkinFolder(const fs::path& dir) {
    std::error_code error;
    const fs::path realDir = fs::canonical(dir, error);
    if (error || !fs::is_directory(realDir))
        throw std::runtime_error("no skin folder " + dir.string() + (error ? ": " + error.message() : ""));
    const fs::path order = realDir / kOrderFileName;
    const std::vector<std::string> names = fs::is_regular_file(order) ? OrderedNames(order) : ListedNames(realDir);
    CheckReachable(dir, names);

    // The archive's size as the reader sees it, checked before anything is read.
    std::vector<fs::path> files;
    std::uintmax_t archiveBytes = 4;
    for (const std::string& name : names) {
        files.push_back(EntryFile(realDir, name));
        archiveBytes += name.size() + 2 + 4 + fs::file_size(files.back());
        if (archiveBytes > static_cast<std::uintmax_t>(skin::kMaxUnpackedSize))
            throw std::runtime_error("skin folder " + dir.string() + " is larger than the " +
                                     std::to_string(skin::kMaxUnpackedSize >> 20) + " MiB a skin may unpack to");
    }
    std::vector<ArchiveEntry> entries;
    entries.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        entries.push_back({names[i], ReadWholeFile(files[i], fs::file_size(files[i]))});
    return entries;
}

} // namespace lirem::skinpack
