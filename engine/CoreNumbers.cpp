// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CoreNumbers.h"

#include "engine/ControlNames.h"
#include "engine/Cp1251Literal.h"
#include "engine/Numera.h"
#include "engine/Text.h"

namespace lirem::engine {
namespace {

constexpr std::string_view kNoteTitle = "Кармическое Число "_cp;

CoreNumber Reduce(std::int64_t sum) {
    CoreNumber n;
    n.Sum = sum;
    n.Value = ClampToInt32(ReduceWithMasters(sum));
    n.Karmic = static_cast<std::int32_t>(KarmicNumberOf(sum));
    return n;
}

void ShowNote(DisplaySink& out, std::string_view note, std::int64_t karmic) {
    if (karmic == 0)
        return;
    out.SetText(note, KarmicNoteText(karmic).View());
    out.SetVisible(note, true);
}

// Expression, Soul Urge and Personality share one sequence of writes.
void ShowNameNumber(DisplaySink& out, std::int64_t sum, std::int32_t& field, std::string_view box,
                    std::string_view copy, std::string_view note) {
    const std::int32_t value = ClampToInt32(ReduceWithMasters(sum));
    field = value;
    SetNumber(out, box, value);
    out.SetText(copy, out.Text(box));
    ShowNote(out, note, KarmicNumberOf(sum));
}

} // namespace

std::string_view KarmicNoteTitle() noexcept {
    return kNoteTitle;
}

Caption KarmicNoteText(std::int64_t karmic) noexcept {
    return Caption(kNoteTitle).Append(karmic);
}

std::int64_t DateSum(std::int64_t day, std::int64_t month, std::int64_t year) noexcept {
    return ReduceWithMasters(month) + ReduceWithMasters(day) + ReduceWithMasters(year);
}

std::int32_t ExpressionSum(std::string_view first, std::string_view middle, std::string_view last) noexcept {
    return NameExpression(first) + NameExpression(middle) + NameExpression(last);
}

std::int32_t SoulUrgeSum(std::string_view first, std::string_view middle, std::string_view last) noexcept {
    return NameSoulUrge(first) + NameSoulUrge(middle) + NameSoulUrge(last);
}

std::int32_t PersonalitySum(std::string_view first, std::string_view middle, std::string_view last) noexcept {
    return NamePersonality(first) + NamePersonality(middle) + NamePersonality(last);
}

CoreReport ComputeCoreNumbers(std::int32_t day, std::int32_t month, std::int32_t year, std::string_view first,
                              std::string_view middle, std::string_view last) {
    CoreReport r;
    r.Birthday = Reduce(day);
    r.LifePath = Reduce(DateSum(day, month, year));
    r.Expression = Reduce(ExpressionSum(first, middle, last));
    r.SoulUrge = Reduce(SoulUrgeSum(first, middle, last));
    r.Personality = Reduce(PersonalitySum(first, middle, last));
    return r;
}

void ShowCoreNumbers(std::int32_t day, std::int32_t month, std::int32_t year, std::string_view first,
                     std::string_view middle, std::string_view last, NumerologyProfile& profile, DisplaySink& out) {
    profile.DigitMarks.fill(MarkNone);
    for (const std::string_view note : {control::lBDayKarma, control::lPathKarma, control::lExpressKarma,
                                        control::lSoulKarma, control::lPersonKarma}) {
        out.SetText(note, kNoteTitle);
        out.SetVisible(note, false);
    }

    // Birthday: its Karmic Number is sought in the day itself.
    profile.Birthday = ClampToInt32(ReduceWithMasters(day));
    SetNumber(out, control::stBDay, profile.Birthday);
    ShowNote(out, control::lBDayKarma, KarmicNumberOf(day));
    out.SetText(control::lShowBDay, out.Text(control::stBDay));

    // Life Path: the note comes before the number here.
    const std::int64_t dateSum = DateSum(day, month, year);
    const std::int64_t lifePath = ReduceWithMasters(dateSum);
    profile.LifePath = ClampToInt32(lifePath);
    ShowNote(out, control::lPathKarma, KarmicNumberOf(dateSum));
    SetNumber(out, control::stPath, lifePath);
    out.SetText(control::lShowPath, out.Text(control::stPath));

    ShowNameNumber(out, ExpressionSum(first, middle, last), profile.Expression, control::stExpress,
                   control::lShowExpress, control::lExpressKarma);
    ShowNameNumber(out, SoulUrgeSum(first, middle, last), profile.SoulUrge, control::stSoul, control::lShowSoul,
                   control::lSoulKarma);
    ShowNameNumber(out, PersonalitySum(first, middle, last), profile.Personality, control::stPerson,
                   control::lShowPerson, control::lPersonKarma);
}

} // namespace lirem::engine
