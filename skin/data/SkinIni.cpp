// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/data/SkinIni.h"

#include <limits>

namespace lirem::skin {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCopy(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = Lower(c);
    return out;
}

// Next line of `text` (without its CR LF, CR or LF), advancing `pos`.
std::string_view NextLine(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n')
        ++pos;
    const std::string_view line = text.substr(start, pos - start);
    if (pos < text.size() && text[pos] == '\r')
        ++pos;
    if (pos < text.size() && text[pos] == '\n')
        ++pos;
    return line;
}

// A value in matching single or double quotes loses them.
std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = Lower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

IniText::IniText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    std::size_t listBytes = 1;          // the list ends with an extra terminator
    std::optional<std::string> current; // "section\n" while its keys are taken
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view line = Trim(NextLine(text, pos));
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            std::string_view name = line.substr(1);
            if (const std::size_t close = name.find(']'); close != std::string_view::npos)
                name = name.substr(0, close);
            name = Trim(name);
            current.reset();
            if (!sections_.insert(LowerCopy(name)).second)
                continue; // a repeated section is ignored: the first one wins
            current = LowerCopy(name) + '\n';
            if (listBytes + name.size() + 1 <= kMaxSectionListBytes) {
                sectionNames_.emplace_back(name);
                listBytes += name.size() + 1;
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, eq));
        if (key.empty())
            continue;
        const std::string_view value = Unquote(Trim(line.substr(eq + 1))).substr(0, kMaxValueLength);
        values_.try_emplace(*current + LowerCopy(key), value); // the first occurrence of a key wins
    }
}

bool IniText::HasSection(std::string_view section) const {
    return sections_.contains(LowerCopy(section));
}

std::optional<std::string_view> IniText::Value(std::string_view section, std::string_view key) const {
    std::string name = LowerCopy(section);
    name += '\n';
    name += LowerCopy(key);
    const auto found = values_.find(name);
    if (found == values_.end())
        return std::nullopt;
    return std::string_view(found->second);
}

std::string IniText::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
    return std::string(Value(section, key).value_or(fallback));
}

std::int32_t IniText::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
    const auto value = Value(section, key);
    if (!value)
        return fallback;
    return ParseInteger(*value).value_or(fallback);
}

std::optional<std::int32_t> IniText::ParseInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        hex = true;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;

    if (hex) {
        // Up to 32 bits; values with the top bit set wrap to negative numbers.
        std::uint64_t v = 0;
        for (const char c : text) {
            const int d = HexDigit(c);
            if (d < 0)
                return std::nullopt;
            v = v * 16 + static_cast<unsigned>(d);
            if (v > 0xFFFFFFFFull)
                return std::nullopt;
        }
        std::uint32_t bits = static_cast<std::uint32_t>(v);
        if (negative)
            bits = ~bits + 1u;
        return static_cast<std::int32_t>(bits);
    }

    std::int64_t v = 0;
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -v : v);
}

} // namespace lirem::skin
