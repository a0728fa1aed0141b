// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NameAnalysis.h"

#include "engine/Cp1251Literal.h"
#include "engine/Text.h"

namespace lirem::engine {
namespace {

struct EtalonRow {
    std::array<std::uint8_t, 9> coefficients;
    std::uint64_t divisor;
};

constexpr EtalonRow kRussianRow{{5, 3, 3, 2, 2, 4, 5, 1, 2}, 27};
constexpr EtalonRow kEnglishRow{{4, 3, 3, 2, 5, 3, 2, 2, 4}, 28};

constexpr std::string_view kKarmicLessonsTitle = "Кармические Уроки:"_cp;
constexpr std::string_view kMuchMoreTitle = "Значительно больше Эталона:"_cp;
constexpr std::string_view kMuchLessTitle = "Значительно меньше Эталона:"_cp;
constexpr std::string_view kHiddenPassionTitle = "Число Скрытой Страсти:"_cp;

std::bitset<256> BuildRussianLetters() {
    std::bitset<256> set;
    set.set(0xA8);
    set.set(0xB8);
    for (unsigned b = 0xC0; b <= 0xFF; ++b)
        set.set(b);
    return set;
}

std::string ListLine(std::string_view title, const DigitList& digits) {
    DigitLine line(title);
    for (const int d : digits)
        line.Add(d);
    line.CloseEmpty();
    return std::string(line.View());
}

} // namespace

const std::bitset<256>& RussianLetters() noexcept {
    static const std::bitset<256> set = BuildRussianLetters();
    return set;
}

std::array<std::uint8_t, 9> EtalonSpectrum(std::int64_t nameLength, NameAlphabet alphabet) noexcept {
    const EtalonRow& row = alphabet == NameAlphabet::Russian ? kRussianRow : kEnglishRow;
    const auto length = static_cast<std::uint64_t>(nameLength < 0 ? 0 : nameLength);
    std::array<std::uint8_t, 9> etalon{};
    for (std::size_t d = 0; d < 9; ++d) {
        // Exact rational rounding: the same as the floating-point quotient
        // rounded half to even, without its loss of precision on huge lengths.
        const std::uint64_t n = row.coefficients[d] * length;
        std::uint64_t q = n / row.divisor;
        const std::uint64_t twiceRest = 2 * (n % row.divisor);
        if (twiceRest > row.divisor || (twiceRest == row.divisor && (q & 1u) != 0))
            ++q;
        etalon[d] = static_cast<std::uint8_t>(q & 0xFFu);
    }
    return etalon;
}

SpectrumReport AnalyzeNameSpectrum(std::string_view first, std::string_view middle, std::string_view last) noexcept {
    SpectrumReport r;
    // Counting the parts one after another is counting their concatenation.
    const DigitHistogram a = CountLetterDigits(first);
    const DigitHistogram b = CountLetterDigits(middle);
    const DigitHistogram c = CountLetterDigits(last);
    for (std::size_t d = 0; d < 9; ++d)
        r.Spectrum[d] = static_cast<std::uint8_t>(a[d] + b[d] + c[d]);

    const std::string_view firstTrimmed = TrimControls(first);
    r.NameLength =
        static_cast<std::int64_t>(firstTrimmed.size() + TrimControls(middle).size() + TrimControls(last).size());
    if (firstTrimmed.empty())
        r.Alphabet = NameAlphabet::None;
    else
        r.Alphabet = RussianLetters()[static_cast<unsigned char>(firstTrimmed.front())] ? NameAlphabet::Russian
                                                                                        : NameAlphabet::English;
    r.Etalon = EtalonSpectrum(r.NameLength, r.Alphabet);

    int maxExcess = 0;
    for (std::size_t i = 0; i < 9; ++i) {
        const int digit = static_cast<int>(i) + 1;
        const int count = r.Spectrum[i];
        const int etalon = r.Etalon[i];
        if (count == 0)
            r.KarmicLessons.Add(digit);
        if (count - etalon >= 2)
            r.MuchMore.Add(digit);
        else if (etalon - count >= 2)
            r.MuchLess.Add(digit);
        r.Excess[i] = static_cast<std::uint8_t>(count > etalon ? count - etalon : 0);
        if (r.Excess[i] > maxExcess)
            maxExcess = r.Excess[i];
    }
    if (maxExcess > 0)
        for (std::size_t i = 0; i < 9; ++i)
            if (r.Excess[i] == maxExcess)
                r.HiddenPassion.Add(static_cast<int>(i) + 1);
    return r;
}

std::string_view KarmicLessonsTitle() noexcept {
    return kKarmicLessonsTitle;
}
std::string_view MuchMoreTitle() noexcept {
    return kMuchMoreTitle;
}
std::string_view MuchLessTitle() noexcept {
    return kMuchLessTitle;
}
std::string_view HiddenPassionTitle() noexcept {
    return kHiddenPassionTitle;
}

std::string KarmicLessonsLine(const SpectrumReport& report) {
    return ListLine(kKarmicLessonsTitle, report.KarmicLessons);
}
std::string MuchMoreLine(const SpectrumReport& report) {
    return ListLine(kMuchMoreTitle, report.MuchMore);
}
std::string MuchLessLine(const SpectrumReport& report) {
    return ListLine(kMuchLessTitle, report.MuchLess);
}
std::string HiddenPassionLine(const SpectrumReport& report) {
    return ListLine(kHiddenPassionTitle, report.HiddenPassion);
}

std::string NameLengthLine(const SpectrumReport& report) {
    return Caption("Общая длина имени: "_cp).Append(report.NameLength).Str();
}

std::string_view AlphabetLine(NameAlphabet alphabet) noexcept {
    switch (alphabet) {
    case NameAlphabet::Russian:
        return "Алфавит: русский"_cp;
    case NameAlphabet::English:
        return "Алфавит: английский"_cp;
    case NameAlphabet::None:
        break;
    }
    return "Алфавит: -"_cp;
}

} // namespace lirem::engine
