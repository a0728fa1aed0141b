// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small text helpers shared by the stages and the display steps: trimming as the input
// fields are trimmed, decimal numbers, and captions built without the heap.

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lirem::engine {

// Removes leading and trailing bytes with codes 0..32.
[[nodiscard]] std::string_view TrimControls(std::string_view text) noexcept;

// A caption assembled in place: a title, then appended pieces and numbers.
// Longer than its capacity it is cut (no caption of the program comes close).
class Caption {
public:
    Caption() = default;
    explicit Caption(std::string_view title) noexcept { Append(title); }

    Caption& Append(std::string_view piece) noexcept {
        const std::size_t n = piece.size() < kCapacity - size_ ? piece.size() : kCapacity - size_;
        piece.copy(buffer_.data() + size_, n);
        size_ += n;
        return *this;
    }
    Caption& Append(std::int64_t number) noexcept {
        std::array<char, 24> digits{};
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), number);
        return Append(std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data())));
    }

    [[nodiscard]] std::string_view View() const noexcept { return {buffer_.data(), size_}; }
    [[nodiscard]] std::string Str() const { return std::string(View()); }

private:
    static constexpr std::size_t kCapacity = 120;
    std::array<char, kCapacity> buffer_; // only [0, size_) is ever read
    std::size_t size_ = 0;
};

// A list of digits after a title, written the way every result line is: ","
// before each digit but the first, then " " and the digit.
class DigitLine {
public:
    explicit DigitLine(std::string_view title) : caption_(title) {}

    void Add(int digit) noexcept {
        if (count_ > 0)
            caption_.Append(",");
        caption_.Append(" ").Append(static_cast<std::int64_t>(digit));
        ++count_;
    }
    // The line as it stands; an empty list reads " нет" after the title.
    [[nodiscard]] std::string_view View() const noexcept { return caption_.View(); }
    [[nodiscard]] bool Empty() const noexcept { return count_ == 0; }
    void CloseEmpty() noexcept;

private:
    Caption caption_;
    int count_ = 0;
};

// Decimal text of a number (no leading zeros, "-" for negatives).
[[nodiscard]] std::string Decimal(std::int64_t number);

// The decimal text of 0..99 (nearly every number shown) from a ready table;
// empty for any other number.
[[nodiscard]] std::string_view SmallDecimal(std::int64_t number) noexcept;

} // namespace lirem::engine
