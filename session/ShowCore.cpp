// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Numera.h"
#include "engine/Text.h"
#include "layout/ControlNames.h"
#include "session/Display.h"

namespace lirem::session {
namespace {

void ShowNote(DisplaySink& out, std::string_view note, std::int64_t karmic) {
    if (karmic == 0)
        return;
    out.SetText(note, engine::KarmicNoteText(karmic).View());
    out.SetVisible(note, true);
}

// Expression, Soul Urge and Personality share one sequence of writes.
engine::CoreNumber ShowNameNumber(DisplaySink& out, std::int64_t sum, std::int32_t& field, std::string_view box,
                                  std::string_view copy, std::string_view note) {
    engine::CoreNumber n{sum, engine::ClampToInt32(engine::ReduceWithMasters(sum)), 0};
    field = n.Value;
    SetNumber(out, box, n.Value);
    out.SetText(copy, out.Text(box));
    n.Karmic = static_cast<std::int32_t>(engine::KarmicNumberOf(sum));
    ShowNote(out, note, n.Karmic);
    return n;
}

} // namespace

void SetNumber(DisplaySink& out, std::string_view control, std::int64_t number) {
    if (!out.Keeps())
        return;
    const std::string_view small = engine::SmallDecimal(number);
    if (!small.empty()) {
        out.SetText(control, small);
        return;
    }
    out.SetText(control, engine::Caption().Append(number).View());
}

engine::CoreReport ShowCoreNumbers(std::int32_t day, std::int32_t month, std::int32_t year, std::string_view first,
                                   std::string_view middle, std::string_view last, engine::NumerologyProfile& profile,
                                   DisplaySink& out) {
    engine::CoreReport r;
    profile.DigitMarks.fill(engine::MarkNone);
    for (const std::string_view note : {control::lBDayKarma, control::lPathKarma, control::lExpressKarma,
                                        control::lSoulKarma, control::lPersonKarma}) {
        out.SetText(note, engine::KarmicNoteTitle());
        out.SetVisible(note, false);
    }

    // Birthday: its Karmic Number is sought in the day itself.
    r.Birthday.Sum = day;
    profile.Birthday = r.Birthday.Value = engine::ClampToInt32(engine::ReduceWithMasters(day));
    SetNumber(out, control::stBDay, profile.Birthday);
    r.Birthday.Karmic = static_cast<std::int32_t>(engine::KarmicNumberOf(day));
    ShowNote(out, control::lBDayKarma, r.Birthday.Karmic);
    out.SetText(control::lShowBDay, out.Text(control::stBDay));

    // Life Path: the note comes before the number here.
    r.LifePath.Sum = engine::DateSum(day, month, year);
    const std::int64_t lifePath = engine::ReduceWithMasters(r.LifePath.Sum);
    profile.LifePath = r.LifePath.Value = engine::ClampToInt32(lifePath);
    r.LifePath.Karmic = static_cast<std::int32_t>(engine::KarmicNumberOf(r.LifePath.Sum));
    ShowNote(out, control::lPathKarma, r.LifePath.Karmic);
    SetNumber(out, control::stPath, lifePath);
    out.SetText(control::lShowPath, out.Text(control::stPath));

    r.Expression = ShowNameNumber(out, engine::ExpressionSum(first, middle, last), profile.Expression,
                                  control::stExpress, control::lShowExpress, control::lExpressKarma);
    r.SoulUrge = ShowNameNumber(out, engine::SoulUrgeSum(first, middle, last), profile.SoulUrge, control::stSoul,
                                control::lShowSoul, control::lSoulKarma);
    r.Personality = ShowNameNumber(out, engine::PersonalitySum(first, middle, last), profile.Personality,
                                   control::stPerson, control::lShowPerson, control::lPersonKarma);
    return r;
}

} // namespace lirem::session
