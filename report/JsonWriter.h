// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A compact JSON writer into its own growing buffer: no tree and no
// allocation per value, so a batch can write hundreds of thousands of objects
// a second. Keys are trusted ASCII; string values are code page 1251 and are
// written as UTF-8 through the engine's code page table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::report {

class JsonWriter {
public:
    JsonWriter();

    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }
    // A literal key: its quoted form is copied with sizes known when compiled.
    template <std::size_t N> JsonWriter& Key(const char (&key)[N]) {
        static_assert(N > 1, "a key is not empty");
        Comma();
        char* p = Reserve(N + 2);
        *p = '"';
        std::memcpy(p + 1, key, N - 1);
        p[N] = '"';
        p[N + 1] = ':';
        used_ += N + 2;
        needComma_ = false;
        return *this;
    }
    JsonWriter& Key(std::string_view key) {
        Comma();
        char* p = Reserve(key.size() + 3);
        *p++ = '"';
        std::memcpy(p, key.data(), key.size());
        p[key.size()] = '"';
        p[key.size() + 1] = ':';
        used_ += key.size() + 3;
        needComma_ = false;
        return *this;
    }

    JsonWriter& Int(std::int64_t value) {
        Comma();
        if (value >= 0 && value < 10) { // most numbers of a report are single digits
            *Reserve(1) = static_cast<char>('0' + value);
            ++used_;
        } else {
            WideInt(value);
        }
        needComma_ = true;
        return *this;
    }
    JsonWriter& Bool(bool value) { return Literal(value ? "true" : "false"); }
    JsonWriter& Null() { return Literal("null"); }
    JsonWriter& Cp1251String(std::string_view text);
    // The same for a text whose bytes never change while this writer lives (a
    // fixed text of the program): encoded once, then copied.
    JsonWriter& Cp1251Constant(std::string_view text);

    template <typename Range> JsonWriter& IntArray(const Range& values) {
        BeginArray();
        for (const auto v : values)
            Int(static_cast<std::int64_t>(v));
        return EndArray();
    }

    // Ends a top-level value with a newline, as JSON Lines separate them.
    void EndLine() {
        Append("\n");
        needComma_ = false;
    }

    [[nodiscard]] std::string_view View() const noexcept { return {buffer_.data(), used_}; }
    void Clear() noexcept { used_ = 0; }

private:
    char* Reserve(std::size_t n) {
        if (used_ + n > buffer_.size())
            Grow(n);
        return buffer_.data() + used_;
    }
    void Grow(std::size_t n);
    void WideInt(std::int64_t value);
    void Append(std::string_view text) {
        std::memcpy(Reserve(text.size()), text.data(), text.size());
        used_ += text.size();
    }
    void Comma() {
        if (needComma_) {
            *Reserve(1) = ',';
            ++used_;
        }
    }
    JsonWriter& Open(char bracket) {
        Comma();
        Append(std::string_view(&bracket, 1));
        needComma_ = false;
        return *this;
    }
    JsonWriter& Close(char bracket) {
        Append(std::string_view(&bracket, 1));
        needComma_ = true;
        return *this;
    }
    JsonWriter& Literal(std::string_view text) {
        Comma();
        Append(text);
        needComma_ = true;
        return *this;
    }

    struct EncodedConstant {
        const char* data = nullptr;
        std::size_t size = 0;
        std::string json; // quoted, as Cp1251String writes it
    };

    std::vector<char> buffer_;
    std::array<EncodedConstant, 64> constants_; // by the text's address
    std::size_t used_ = 0;
    bool needComma_ = false; // a value was completed in the open container
};

} // namespace lirem::report
