// SPDX-License-Identifier: GPL-3.0-or-later
// One full recalculation (core numbers, synthesis, spectrum, cycles, personal
// year and the calendar) and one partner comparison, into a sink that drops
// everything, for a realistic three-part Cyrillic name.

#include "engine/Cp1251Literal.h"
#include "engine/Handlers.h"
#include "engine/Partner.h"

#include <benchmark/benchmark.h>

namespace {

using lirem::engine::operator""_cp;

class NullSink : public lirem::engine::DisplaySink {
public:
    void SetText(std::string_view control, std::string_view text) override {
        benchmark::DoNotOptimize(control.data());
        benchmark::DoNotOptimize(text.data());
    }
    [[nodiscard]] std::string Text(std::string_view) const override { return {}; }
    void SetVisible(std::string_view control, bool) override { benchmark::DoNotOptimize(control.data()); }
    void SetFontColour(std::string_view control, lirem::engine::Rgb) override {
        benchmark::DoNotOptimize(control.data());
    }
    void ClearLines(std::string_view memo) override { benchmark::DoNotOptimize(memo.data()); }
    void AddLine(std::string_view memo, std::string_view line) override {
        benchmark::DoNotOptimize(memo.data());
        benchmark::DoNotOptimize(line.data());
    }
};

lirem::engine::WindowInputs Person() {
    lirem::engine::WindowInputs in;
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
    const lirem::engine::WindowInputs in = Person();
    lirem::engine::NumerologyProfile profile;
    NullSink sink;
    for (auto _ : state) {
        lirem::engine::RunFullRecalculation(in, profile, sink);
        benchmark::DoNotOptimize(profile);
    }
}
BENCHMARK(BM_FullRecalculation);

void BM_PartnerComparison(benchmark::State& state) {
    const lirem::engine::WindowInputs in = Person();
    lirem::engine::NumerologyProfile profile;
    NullSink sink;
    lirem::engine::RunFullRecalculation(in, profile, sink);
    for (auto _ : state)
        lirem::engine::RunPartnerComparison(in, profile, sink);
}
BENCHMARK(BM_PartnerComparison);

void BM_ComparePartnersOnly(benchmark::State& state) {
    const lirem::engine::WindowInputs in = Person();
    lirem::engine::NumerologyProfile profile;
    NullSink sink;
    lirem::engine::RunFullRecalculation(in, profile, sink);
    const lirem::engine::PartnerProfile partner = lirem::engine::BuildPartnerProfile(
        {in.partnerDay, in.partnerMonth, in.partnerYear, in.partnerFirst, in.partnerMiddle, in.partnerLast});
    for (auto _ : state)
        benchmark::DoNotOptimize(lirem::engine::ComparePartners(profile, partner));
}
BENCHMARK(BM_ComparePartnersOnly);

} // namespace
