// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Partner.h"

#include "engine/CoreNumbers.h"
#include "engine/Cp1251Literal.h"
#include "engine/Numera.h"
#include "engine/Text.h"

#include <array>
#include <utility>

namespace lirem::engine {
namespace {

struct NumberNames {
    std::string_view subject;      // "Жизненный Путь"
    std::string_view instrumental; // after "совпадает с"
};

// Comparison order: Life Path, Expression, Soul Urge, Personality, Birthday.
constexpr std::array<NumberNames, 5> kNames{{
    {"Жизненный Путь"_cp, "Жизненным Путем"_cp},
    {"Экспрессия"_cp, "Экспрессией"_cp},
    {"Душевное Побуждение"_cp, "Душевным Побуждением"_cp},
    {"Личность"_cp, "Личностью"_cp},
    {"День Рождения"_cp, "Днем Рождения"_cp},
}};

constexpr std::string_view kMatches = " совпадает с "_cp;
constexpr std::string_view kOfPartner = " партнера"_cp;

std::array<std::int32_t, 5> InOrder(const NumerologyProfile& p) {
    return {p.LifePath, p.Expression, p.SoulUrge, p.Personality, p.Birthday};
}

std::array<std::int32_t, 5> InOrder(const PartnerProfile& p) {
    return {p.LifePath, p.Expression, p.SoulUrge, p.Personality, p.Birthday};
}

class Result {
public:
    void Match(std::string line) {
        lines_.push_back(std::move(line));
        lines_.emplace_back();
        found_ = true;
    }
    std::vector<std::string> Finish() && {
        if (!found_)
            lines_.emplace_back("Нет значимых совпадений"_cp);
        return std::move(lines_);
    }

private:
    std::vector<std::string> lines_;
    bool found_ = false;
};

// Block a or b: a digit of the first person against the partner's numbers and lists.
void DigitAgainstPartner(Result& result, std::string_view title, int digit, const PartnerProfile& partner) {
    const auto numbers = InOrder(partner);
    const auto line = [&](std::string_view ending) {
        result.Match(Caption(title).Append(std::int64_t{digit}).Append(ending).Str());
    };
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i] == digit)
            line(Caption(kMatches).Append(kNames[i].instrumental).Append(kOfPartner).View());
    if (partner.NameAnalysis.KarmicLessons.Contains(digit))
        line(" совпадает с Кармическим Уроком партнера"_cp);
    if (partner.NameAnalysis.HiddenPassion.Contains(digit))
        line(" совпадает со Скрытой Страстью партнера"_cp);
}

// Block c or d: the first person's numbers against a digit of the partner.
void NumbersAgainstPartnerDigit(Result& result, std::string_view what, int digit, const NumerologyProfile& profile) {
    const auto numbers = InOrder(profile);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i] == digit)
            result.Match(Caption(kNames[i].subject).Append(what).Append(std::int64_t{digit}).Append(kOfPartner).Str());
}

} // namespace

PartnerProfile BuildPartnerProfile(const PartnerInputs& in) noexcept {
    PartnerProfile p;
    p.Birthday = ClampToInt32(ReduceWithMasters(in.day));
    p.LifePath = ClampToInt32(ReduceWithMasters(DateSum(in.day, in.month, in.year)));
    p.Expression = ClampToInt32(ReduceWithMasters(ExpressionSum(in.first, in.middle, in.last)));
    p.SoulUrge = ClampToInt32(ReduceWithMasters(SoulUrgeSum(in.first, in.middle, in.last)));
    p.Personality = ClampToInt32(ReduceWithMasters(PersonalitySum(in.first, in.middle, in.last)));
    p.NameAnalysis = AnalyzeNameSpectrum(in.first, in.middle, in.last);
    return p;
}

std::vector<std::string> ComparePartners(const NumerologyProfile& profile, const PartnerProfile& partner) {
    Result result;
    const auto mine = InOrder(profile);
    const auto theirs = InOrder(partner);
    for (std::size_t i = 0; i < mine.size(); ++i)
        for (std::size_t j = 0; j < theirs.size(); ++j)
            if (mine[i] == theirs[j])
                result.Match(Caption(kNames[i].subject)
                                 .Append(kMatches)
                                 .Append(kNames[j].instrumental)
                                 .Append(kOfPartner)
                                 .Str());

    for (int n = 1; n <= 9; ++n) {
        const std::uint8_t mark = profile.DigitMarks[static_cast<std::size_t>(n - 1)];
        if (mark == MarkKarmicLesson)
            DigitAgainstPartner(result, "Кармический Урок "_cp, n, partner);
        if (mark == MarkHiddenPassion)
            DigitAgainstPartner(result, "Скрытая Страсть "_cp, n, partner);
        if (partner.NameAnalysis.KarmicLessons.Contains(n))
            NumbersAgainstPartnerDigit(result, " совпадает с Кармичаским Уроком "_cp, n, profile);
        if (partner.NameAnalysis.HiddenPassion.Contains(n))
            NumbersAgainstPartnerDigit(result, " совпадает со Скрытой Страстью "_cp, n, profile);
    }
    return std::move(result).Finish();
}

} // namespace lirem::engine
