// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Text.h"

#include "engine/Cp1251Literal.h"

namespace lirem::engine {
namespace {

struct SmallNumbers {
    std::array<std::array<char, 2>, 100> digits{};
};

constexpr SmallNumbers BuildSmallNumbers() {
    SmallNumbers t{};
    for (int n = 0; n < 100; ++n) {
        auto& d = t.digits[static_cast<std::size_t>(n)];
        if (n < 10) {
            d[0] = static_cast<char>('0' + n);
        } else {
            d[0] = static_cast<char>('0' + n / 10);
            d[1] = static_cast<char>('0' + n % 10);
        }
    }
    return t;
}

constexpr SmallNumbers kSmallNumbers = BuildSmallNumbers();

} // namespace

std::string_view TrimControls(std::string_view text) noexcept {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

void DigitLine::CloseEmpty() noexcept {
    if (count_ == 0)
        caption_.Append(" нет"_cp);
}

std::string Decimal(std::int64_t number) {
    return Caption().Append(number).Str();
}

std::string_view SmallDecimal(std::int64_t number) noexcept {
    if (number < 0 || number >= 100)
        return {};
    const auto& d = kSmallNumbers.digits[static_cast<std::size_t>(number)];
    return {d.data(), number < 10 ? std::size_t{1} : std::size_t{2}};
}

} // namespace lirem::engine
