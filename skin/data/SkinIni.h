// SPDX-License-Identifier: GPL-3.0-or-later
// Reader of the skin's INI description, parsed from memory.
//
// Section and key names compare without regard to ASCII letter case, the first
// occurrence of a section or of a key within it wins, blanks around names and
// values are ignored, lines starting with ';' are comments. Integers are
// decimal, or hexadecimal after "$" or "0x"; a malformed value gives the default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace lirem::skin {

class IniText {
public:
    // Longest value handed out and the budget of the section name list.
    static constexpr std::size_t kMaxValueLength = 2047;
    static constexpr std::size_t kMaxSectionListBytes = 16384;

    IniText() = default;
    explicit IniText(std::string_view text);

    // Section names as written, in file order, each name once.
    const std::vector<std::string>& Sections() const { return sectionNames_; }
    bool HasSection(std::string_view section) const;

    // The value, or nothing when the section or key is missing.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;

    // "12", "-7", "$1F", "0x1f", "x1F"; nothing for anything else or an out-of-range decimal.
    static std::optional<std::int32_t> ParseInteger(std::string_view text);

private:
    // Every name is indexed once, lower-cased; a value is found under
    // "section\nkey" (a name never holds a line break).
    std::unordered_set<std::string> sections_;
    std::unordered_map<std::string, std::string> values_;
    std::vector<std::string> sectionNames_;
};

} // namespace lirem::skin
