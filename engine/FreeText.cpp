// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FreeText.h"

#include "engine/Cp1251Literal.h"
#include "engine/Text.h"

namespace lirem::engine {

FreeTextReport AnalyzeFreeText(std::string_view text) noexcept {
    FreeTextReport r;
    std::uint64_t sum = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // Every letter of the tables lies in the Russian or Latin sets, and
        // no byte outside them has a value, so LetterValue decides alone.
        int v = LetterValue(byte);
        if (v == 0 && byte >= '0' && byte <= '9')
            v = byte - '0';
        if (v == 0)
            continue;
        sum += static_cast<std::uint64_t>(v);
        ++r.Counts[static_cast<std::size_t>(v - 1)];
    }
    r.RawSum = static_cast<std::int64_t>(sum);
    r.ReducedSum = static_cast<std::int32_t>(ReduceWithMasters(r.RawSum));
    r.KarmicNumber = static_cast<std::int32_t>(KarmicNumberOf(r.RawSum));
    return r;
}

Caption SumText(const FreeTextReport& report) noexcept {
    return Caption("Сумма: "_cp).Append(std::int64_t{report.ReducedSum});
}

Caption KarmaText(const FreeTextReport& report) noexcept {
    Caption karma("Кармическое Число: "_cp);
    if (report.KarmicNumber > 0)
        karma.Append(std::int64_t{report.KarmicNumber});
    else
        karma.Append("-");
    return karma;
}

} // namespace lirem::engine
