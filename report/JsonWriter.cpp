// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/JsonWriter.h"

#include "engine/Cp1251.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace lirem::report {
namespace {

// What each code page 1251 byte becomes inside a JSON string: its UTF-8
// bytes, or an escape for the quote, the backslash and control characters.
struct Encoded {
    std::array<char, 6> bytes{};
    std::uint8_t size = 0;
};

std::array<Encoded, 256> BuildEncodings() {
    std::array<Encoded, 256> table{};
    static constexpr std::string_view kHex = "0123456789abcdef";
    for (unsigned b = 0; b < 256; ++b) {
        Encoded& e = table[b];
        const char32_t cp = engine::Cp1251CodePoint(static_cast<unsigned char>(b));
        auto put = [&e](unsigned c) { e.bytes[e.size++] = static_cast<char>(c); };
        if (cp == U'"' || cp == U'\\') {
            put('\\');
            put(static_cast<unsigned>(cp));
        } else if (cp == U'\n') {
            put('\\');
            put('n');
        } else if (cp == U'\r') {
            put('\\');
            put('r');
        } else if (cp == U'\t') {
            put('\\');
            put('t');
        } else if (cp < 0x20) {
            for (const char c : std::string_view("\\u00"))
                put(static_cast<unsigned char>(c));
            put(static_cast<unsigned char>(kHex[cp >> 4]));
            put(static_cast<unsigned char>(kHex[cp & 0xF]));
        } else {
            std::string utf8;
            engine::AppendUtf8(utf8, cp);
            for (const char c : utf8)
                put(static_cast<unsigned char>(c));
        }
    }
    return table;
}

const std::array<Encoded, 256>& Encodings() {
    static const std::array<Encoded, 256> table = BuildEncodings();
    return table;
}

} // namespace

JsonWriter::JsonWriter() : buffer_(4096) {}

void JsonWriter::Grow(std::size_t n) {
    buffer_.resize(std::max(buffer_.size() * 2, used_ + n));
}

void JsonWriter::WideInt(std::int64_t value) {
    char* p = Reserve(24);
    used_ += static_cast<std::size_t>(std::to_chars(p, p + 24, value).ptr - p);
}

JsonWriter& JsonWriter::Cp1251String(std::string_view text) {
    Comma();
    const auto& encodings = Encodings();
    char* const start = Reserve(text.size() * 6 + 2);
    char* p = start;
    *p++ = '"';
    for (const char c : text) {
        const Encoded& e = encodings[static_cast<unsigned char>(c)];
        std::memcpy(p, e.bytes.data(), e.bytes.size()); // fixed size: one move, the tail is overwritten
        p += e.size;
    }
    *p++ = '"';
    used_ += static_cast<std::size_t>(p - start);
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::Cp1251Constant(std::string_view text) {
    const auto address = reinterpret_cast<std::uintptr_t>(text.data()); // NOLINT(*-reinterpret-cast): a cache key
    EncodedConstant& slot = constants_[((address >> 4) ^ text.size()) % constants_.size()];
    Comma();
    needComma_ = false;
    if (slot.data != text.data() || slot.size != text.size()) {
        const std::size_t start = used_;
        Cp1251String(text);
        slot.data = text.data();
        slot.size = text.size();
        slot.json.assign(buffer_.data() + start, buffer_.data() + used_);
        return *this;
    }
    Append(slot.json);
    needComma_ = true;
    return *this;
}

} // namespace lirem::report
