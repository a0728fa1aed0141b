// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letter spectrum of the full name against the Etalon of a name of the
// same length: Karmic Lessons, significant deviations, Hidden Passion.

#include "engine/DigitList.h"
#include "engine/Numera.h"
#include "engine/Profile.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace lirem::engine {

enum class NameAlphabet : std::uint8_t { Russian, English, None };

// Ё, ё and А..я.
[[nodiscard]] const std::bitset<256>& RussianLetters() noexcept;

struct SpectrumReport {
    DigitHistogram Spectrum{};
    std::int64_t NameLength = 0; // sum of the trimmed lengths of the three parts
    NameAlphabet Alphabet = NameAlphabet::None;
    std::array<std::uint8_t, 9> Etalon{};
    DigitList KarmicLessons;
    DigitList MuchMore;
    DigitList MuchLess;
    std::array<std::uint8_t, 9> Excess{};
    DigitList HiddenPassion;
};

// coefficient x length / divisor, rounded half to even, low 8 bits kept.
[[nodiscard]] std::array<std::uint8_t, 9> EtalonSpectrum(std::int64_t nameLength, NameAlphabet alphabet) noexcept;

[[nodiscard]] SpectrumReport AnalyzeNameSpectrum(std::string_view first, std::string_view middle,
                                                 std::string_view last) noexcept;

// The titled lines as the page shows them, for example "Кармические Уроки: 2, 7, 9".
[[nodiscard]] std::string KarmicLessonsLine(const SpectrumReport& report);
[[nodiscard]] std::string MuchMoreLine(const SpectrumReport& report);
[[nodiscard]] std::string MuchLessLine(const SpectrumReport& report);
[[nodiscard]] std::string HiddenPassionLine(const SpectrumReport& report);
[[nodiscard]] std::string NameLengthLine(const SpectrumReport& report);
[[nodiscard]] std::string_view AlphabetLine(NameAlphabet alphabet) noexcept;

// The titles of the four digit lists.
[[nodiscard]] std::string_view KarmicLessonsTitle() noexcept;
[[nodiscard]] std::string_view MuchMoreTitle() noexcept;
[[nodiscard]] std::string_view MuchLessTitle() noexcept;
[[nodiscard]] std::string_view HiddenPassionTitle() noexcept;

} // namespace lirem::engine
