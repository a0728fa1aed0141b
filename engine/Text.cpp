#include "engine/Text.h"

#include "engine/Cp1251Literal.h"

namespace lirem {

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

std::string Decimal(std::int64_t number) { return Caption().Append(number).Str(); }

} // namespace lirem
