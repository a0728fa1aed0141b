// SPDX-License-Identifier: GPL-3.0-or-later
// One full recalculation (core numbers, synthesis, spectrum, cycles, personal
// year and the calendar) and one partner comparison, into a sink that drops
// everything, for a realistic three-part Cyrillic name.

#include "engine/Cp1251Literal.h"
#include "engine/Handlers.h"
#include "engine/Partner.h"

#include <benchmark/benchmark.h>

namespace {

using lirem::operator""_cp;

class NullSink : public lirem::DisplaySink {
public:
    void SetText(std::string_view control, std::string_view text) override {
        benchmark::DoNotOptimize(control.data());
        benchmark::DoNotOptimize(text.data());
    }
    [[nodiscard]] std::string Text(std::string_view) const override { return {}; }
    void SetVisible(std::string_view control, bool) override { benchmark::DoNotOptimize(control.data()); }
    void SetFontColour(std::string_view control, lirem::Rgb) override { benchmark::DoNotOptimize(control.data()); }
    void ClearLines(std::string_view memo) override { benchmark::DoNotOptimize(memo.data()); }
    void AddLine(std::string_view memo, std::string_view line) override {
        benchmark::DoNotOptimize(memo.data());
        benchmark::DoNotOptimize(line.data());
    }
};

lirem::WindowInputs Person() {
    lirem::WindowInputs in;
    in.day = 29;
    in.month = 11;
    in.year = 1985;
    in.first = "Иван"_cp;
    in.middle = "Петрович"_cp;
    in.last = "Сидоров"_cp;
    in.yearIndex = 2025 - 1950;
    in.monthIndex = 8;
    in.partnerDay = 1;
    in.partnerMonth = 1;
    in.partnerYear = 1970;
    in.partnerFirst = "Анна"_cp;
    in.partnerMiddle = "Сергеевна"_cp;
    in.partnerLast = "Кузнецова"_cp;
    return in;
}

void BM_FullRecalculation(benchmark::State& state) {
    const lirem::WindowInputs in = Person();
    lirem::NumerologyProfile profile;
    NullSink sink;
    for (auto _ : state) {
        lirem::RunFullRecalculation(in, profile, sink);
        benchmark::DoNotOptimize(profile);
    }
}
BENCHMARK(BM_FullRecalculation);

void BM_PartnerComparison(benchmark::State& state) {
    const lirem::WindowInputs in = Person();
    lirem::NumerologyProfile profile;
    NullSink sink;
    lirem::RunFullRecalculation(in, profile, sink);
    for (auto _ : state)
        lirem::RunPartnerComparison(in, profile, sink);
}
BENCHMARK(BM_PartnerComparison);

void BM_ComparePartnersOnly(benchmark::State& state) {
    const lirem::WindowInputs in = Person();
    lirem::NumerologyProfile profile;
    NullSink sink;
    lirem::RunFullRecalculation(in, profile, sink);
    const lirem::PartnerProfile partner = lirem::BuildPartnerProfile(
        {in.partnerDay, in.partnerMonth, in.partnerYear, in.partnerFirst, in.partnerMiddle, in.partnerLast});
    for (auto _ : state)
        benchmark::DoNotOptimize(lirem::ComparePartners(profile, partner));
}
BENCHMARK(BM_ComparePartnersOnly);

} // namespace
