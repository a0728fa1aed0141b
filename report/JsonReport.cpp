// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/JsonReport.h"

#include "report/JsonWriter.h"

namespace lirem::report {
namespace {

void WriteDate(const session::BirthDate& d, JsonWriter& out) {
    out.Key("day").Int(d.day).Key("month").Int(d.month).Key("year").Int(d.year);
}

void WriteNames(std::string_view first, std::string_view middle, std::string_view last, JsonWriter& out) {
    out.Key("first").Cp1251String(first).Key("middle").Cp1251String(middle).Key("last").Cp1251String(last);
}

void WriteDigits(const engine::DigitList& digits, JsonWriter& out) {
    out.BeginArray();
    for (const std::uint8_t d : digits)
        out.Int(d);
    out.EndArray();
}

std::string_view AlphabetKey(engine::NameAlphabet alphabet) {
    switch (alphabet) {
    case engine::NameAlphabet::Russian:
        return "russian";
    case engine::NameAlphabet::English:
        return "english";
    case engine::NameAlphabet::None:
        break;
    }
    return "none";
}

template <std::size_t N> void WriteCoreNumber(const char (&key)[N], const engine::CoreNumber& n, JsonWriter& out) {
    out.Key(key).BeginObject().Key("value").Int(n.Value).Key("sum").Int(n.Sum).Key("karmic").Int(n.Karmic).EndObject();
}

void WriteCore(const engine::CoreReport& core, JsonWriter& out) {
    out.Key("core").BeginObject();
    WriteCoreNumber("life_path", core.LifePath, out);
    WriteCoreNumber("expression", core.Expression, out);
    WriteCoreNumber("soul_urge", core.SoulUrge, out);
    WriteCoreNumber("personality", core.Personality, out);
    WriteCoreNumber("birthday", core.Birthday, out);
    out.EndObject();
}

void WriteSynthesis(const engine::SynthesisReport& s, JsonWriter& out) {
    out.Key("synthesis").BeginObject();
    out.Key("possibilities_abilities").Cp1251Constant(s.PossibilitiesAbilitiesLine);
    out.Key("possibilities_motivation").Cp1251Constant(s.PossibilitiesMotivationLine);
    out.Key("abilities_motivation").Cp1251Constant(s.AbilitiesMotivationLine);
    out.Key("realization").Int(s.Realization);
    out.Key("reason").Int(s.Reason);
    out.Key("bridges").BeginObject();
    out.Key("path_expression").Int(s.PathExpressionBridge);
    out.Key("soul_personality").Int(s.SoulPersonalityBridge);
    out.Key("expression_soul").Int(s.ExpressionSoulBridge);
    out.EndObject();
    out.EndObject();
}

void WriteSpectrum(const engine::SpectrumReport& s, JsonWriter& out) {
    out.Key("counts").IntArray(s.Spectrum);
    out.Key("etalon").IntArray(s.Etalon);
    out.Key("excess").IntArray(s.Excess);
    out.Key("name_length").Int(s.NameLength);
    out.Key("alphabet").Cp1251Constant(AlphabetKey(s.Alphabet));
    out.Key("karmic_lessons");
    WriteDigits(s.KarmicLessons, out);
    out.Key("hidden_passion");
    WriteDigits(s.HiddenPassion, out);
    out.Key("much_more");
    WriteDigits(s.MuchMore, out);
    out.Key("much_less");
    WriteDigits(s.MuchLess, out);
}

void WriteCycles(const engine::CycleReport& c, JsonWriter& out) {
    out.Key("cycles").BeginObject();
    out.Key("birth_date").Cp1251String(c.BirthDateText);
    out.Key("pinnacles").IntArray(c.Pinnacles);
    out.Key("pinnacle_start_years").IntArray(c.PinnacleStartYears);
    out.Key("periods").IntArray(c.Periods);
    out.Key("period_start_years").IntArray(c.PeriodStartYears);
    out.Key("challenges").IntArray(c.Challenges);
    out.EndObject();
}

void WriteCalendar(const engine::NumerologyProfile& profile, const engine::CalendarReport& c, JsonWriter& out) {
    out.Key("calendar").BeginObject();
    out.Key("year").Int(c.Year).Key("month").Int(c.Month);
    out.Key("personal_year").Int(profile.PersonalYear).Key("personal_month").Int(profile.PersonalMonth);
    out.Key("first_weekday").Int(c.FirstWeekday).Key("days_in_month").Int(c.DaysInMonth);
    out.Key("personal_days").BeginArray();
    for (const engine::CalendarCell& cell : c.Cells)
        if (cell.InMonth)
            out.Int(cell.PersonalDay);
    out.EndArray();
    out.Key("spiritual_birthdays").BeginArray();
    for (const engine::CalendarCell& cell : c.Cells)
        if (cell.InMonth && cell.Purple)
            out.Int(cell.Day);
    out.EndArray();
    out.EndObject();
}

void WritePartner(const session::PersonInput& in, const session::PersonResult& result, JsonWriter& out) {
    out.Key("partner");
    if (!in.partner || !result.partner) {
        out.Null();
        return;
    }
    const session::PartnerInput& p = *in.partner;
    const session::PartnerResult& r = *result.partner;
    out.BeginObject();
    out.Key("input").BeginObject();
    WriteDate(p.date, out);
    WriteNames(p.first, p.middle, p.last, out);
    out.EndObject();
    out.Key("first_person_missing").Bool(r.firstPersonMissing);
    if (r.firstPersonMissing) {
        for (const std::string_view key :
             {"life_path", "expression", "soul_urge", "personality", "birthday", "karmic_lessons", "hidden_passion"})
            out.Key(key).Null();
    } else {
        const engine::PartnerProfile& q = r.profile;
        out.Key("life_path").Int(q.LifePath).Key("expression").Int(q.Expression).Key("soul_urge").Int(q.SoulUrge);
        out.Key("personality").Int(q.Personality).Key("birthday").Int(q.Birthday);
        out.Key("karmic_lessons");
        WriteDigits(q.NameAnalysis.KarmicLessons, out);
        out.Key("hidden_passion");
        WriteDigits(q.NameAnalysis.HiddenPassion, out);
    }
    out.Key("lines").BeginArray();
    for (const std::string& line : r.lines)
        out.Cp1251String(line);
    out.EndArray();
    out.EndObject();
}

void WriteFreeText(const session::PersonInput& in, const session::PersonResult& result, JsonWriter& out) {
    out.Key("free_text");
    if (!in.text || !result.freeText) {
        out.Null();
        return;
    }
    const engine::FreeTextReport& f = *result.freeText;
    out.BeginObject();
    out.Key("text").Cp1251String(*in.text);
    out.Key("raw_sum").Int(f.RawSum).Key("sum").Int(f.ReducedSum).Key("karmic").Int(f.KarmicNumber);
    out.Key("counts").IntArray(f.Counts);
    out.EndObject();
}

} // namespace

void WritePersonJson(const session::PersonInput& in, const session::PersonResult& result,
                     std::optional<std::int64_t> row, JsonWriter& out) {
    out.BeginObject();
    if (row)
        out.Key("row").Int(*row);
    out.Key("input").BeginObject();
    WriteDate(in.date, out);
    WriteNames(in.first, in.middle, in.last, out);
    out.EndObject();
    WriteCore(result.core, out);
    WriteSynthesis(result.synthesis, out);
    out.Key("spectrum").BeginObject();
    WriteSpectrum(result.spectrum, out);
    out.EndObject();
    WriteCycles(result.cycles, out);
    WriteCalendar(result.profile, result.calendar, out);
    WritePartner(in, result, out);
    WriteFreeText(in, result, out);
    out.EndObject();
}

void WriteRowErrorJson(std::int64_t row, std::string_view reason, JsonWriter& out) {
    out.BeginObject().Key("row").Int(row).Key("error").Cp1251String(reason).EndObject();
}

} // namespace lirem::report
