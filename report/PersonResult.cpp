// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/PersonResult.h"

#include "engine/NullSink.h"
#include "engine/Text.h"

namespace lirem::report {

void ComputePersonResult(const PersonInput& in, PersonResult& out) {
    const BirthDate& d = in.date;
    out.core = engine::ComputeCoreNumbers(d.day, d.month, d.year, in.first, in.middle, in.last);

    engine::NumerologyProfile& profile = out.profile;
    profile = engine::NumerologyProfile{};
    profile.LifePath = out.core.LifePath.Value;
    profile.Expression = out.core.Expression.Value;
    profile.SoulUrge = out.core.SoulUrge.Value;
    profile.Personality = out.core.Personality.Value;
    profile.Birthday = out.core.Birthday.Value;

    out.synthesis = engine::ComputeSynthesis(profile.LifePath, profile.Expression, profile.SoulUrge,
                                             profile.Personality, profile.Birthday, in.first);
    out.spectrum = engine::AnalyzeNameSpectrum(in.first, in.middle, in.last);
    engine::NullSink discard;
    engine::ShowSpectrum(out.spectrum, profile, discard); // the digit marks the partner page reads
    out.cycles = engine::ComputeCycles(d.day, d.month, d.year, profile.Birthday, profile.LifePath);

    const std::int64_t year = in.calendar.year;
    const std::int64_t month = in.calendar.month;
    const std::int64_t personalYear = engine::PersonalYearNumber(year, d.day, d.month);
    profile.PersonalYear = engine::ClampToInt32(personalYear);
    profile.PersonalMonth = engine::ClampToInt32(engine::PersonalMonthNumber(month, personalYear));
    out.calendar = engine::ComputeCalendar(year, month, d.day, d.month, d.year, profile.PersonalMonth);

    out.partner.reset();
    if (in.partner) {
        PartnerResult& partner = out.partner.emplace();
        partner.firstPersonMissing = engine::TrimControls(in.first).empty() &&
                                     engine::TrimControls(in.middle).empty() && engine::TrimControls(in.last).empty();
        if (!partner.firstPersonMissing) {
            const PartnerInput& p = *in.partner;
            partner.profile = engine::BuildPartnerProfile(
                engine::PartnerInputs{p.date.day, p.date.month, p.date.year, p.first, p.middle, p.last});
            partner.lines = engine::ComparePartners(profile, partner.profile);
        }
    }

    out.freeText.reset();
    if (in.text)
        out.freeText = engine::AnalyzeFreeText(engine::TrimControls(*in.text));
}

} // namespace lirem::report
