// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An ascending list of digits 1..9 without the heap.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace lirem::engine {

class DigitList {
public:
    DigitList() = default;
    DigitList(std::initializer_list<int> digits) {
        for (const int d : digits)
            Add(d);
    }

    // Digits are added in ascending order; a tenth digit is ignored.
    void Add(int digit) noexcept {
        if (size_ < digits_.size())
            digits_[size_++] = static_cast<std::uint8_t>(digit);
    }
    [[nodiscard]] bool Contains(int digit) const noexcept {
        for (std::size_t i = 0; i < size_; ++i)
            if (digits_[i] == digit)
                return true;
        return false;
    }
    [[nodiscard]] std::size_t Size() const noexcept { return size_; }
    [[nodiscard]] bool Empty() const noexcept { return size_ == 0; }
    [[nodiscard]] const std::uint8_t* begin() const noexcept { return digits_.data(); }
    [[nodiscard]] const std::uint8_t* end() const noexcept { return digits_.data() + size_; }

    friend bool operator==(const DigitList& a, const DigitList& b) noexcept {
        if (a.size_ != b.size_)
            return false;
        for (std::size_t i = 0; i < a.size_; ++i)
            if (a.digits_[i] != b.digits_[i])
                return false;
        return true;
    }

private:
    std::array<std::uint8_t, 9> digits_{};
    std::size_t size_ = 0;
};

} // namespace lirem::engine
