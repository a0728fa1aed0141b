#include "tools/skinpack/SkinFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace skinpack {
namespace {

bool IsIni(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return name.find(".ini") != std::string::npos;
}

std::vector<std::string> OrderedNames(const fs::path& order) {
    std::vector<std::string> names;
    std::ifstream in(order);
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (!line.empty() && line.front() != '#')
            names.push_back(line);
    }
    return names;
}

std::vector<std::string> ListedNames(const fs::path& dir) {
    std::vector<std::string> names;
    if (!fs::is_directory(dir))
        return names;
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

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

std::vector<ArchiveEntry> ReadSkinFolder(const fs::path& dir) {
    const fs::path order = dir / kOrderFileName;
    const std::vector<std::string> names = fs::is_regular_file(order) ? OrderedNames(order) : ListedNames(dir);
    std::vector<ArchiveEntry> entries;
    entries.reserve(names.size());
    for (const std::string& name : names)
        entries.push_back({name, ReadWholeFile(dir / name)});
    return entries;
}

} // namespace skinpack
