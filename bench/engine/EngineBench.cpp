// SPDX-License-Identifier: GPL-3.0-or-later
// One full recalculation (core numbers, synthesis, spectrum, cycles, personal
// year and the calendar) and one partner comparison, into a sink that drops
// everything, for a realistic three-part Cyrillic name.

#include "engine/Cp1251Literal.h"
#include "engine/Partner.h"
#include "session/Handlers.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using lirem::engine::operator""_cp;

class NullSink : public lirem::session::DisplaySink {
public:
    void SetText(std::string_view control, std::string_view text) override {
        benchmark::DoNotOptimize(control.data());
        benchmark::DoNotOptimize(text.data());
    }
    [[nodiscard]] std::string Text(std::string_view) const override { return {}; }
    void SetVisible(std::string_view control, bool) override { benchmark::DoNotOptimize(control.data()); }
    void SetFontColour(std::string_view control, lirem::layout::Rgb) override {
        benchmark::DoNotOptimize(control.data());
    }
    void ClearLines(std::string_view memo) override { benchmark::DoNotOptimize(memo.data()); }
    void AddLine(std::string_view memo, std::string_view line) override {
        benchmark::DoNotOptimize(memo.data());
        benchmark::DoNotOptimize(line.data());
    }
};

lirem::session::PersonInput Person() {
    lirem::session::PersonInput in;
    in.date.day = 29;
    in.date.month = 11;
    in.date.year = 1985;
    in.first = "Иван"_cp;
    in.middle = "Петрович"_cp;
    in.last = "Сидоров"_cp;
    in.calendar.year = static_cast<std::int32_t>(lirem::engine::SelectedYear(2025 - 1950));
    in.calendar.month = static_cast<std::int32_t>(lirem::engine::SelectedMonth(8));
    in.partner = lirem::session::PartnerInput{
        {1, 1, 1970}, std::string("Анна"_cp), std::string("Сергеевна"_cp), std::string("Кузнецова"_cp)};
    return in;
}

void BM_FullRecalculation(benchmark::State& state) {
    const lirem::session::PersonInput in = Person();
    lirem::engine::NumerologyProfile profile;
    NullSink sink;
    for (auto _ : state) {
        lirem::session::RunFullRecalculation(in, profile, sink);
        benchmark::DoNotOptimize(profile);
    }
}
BENCHMARK(BM_FullRecalculation);

void BM_PartnerComparison(benchmark::State& state) {
    const lirem::session::PersonInput in = Person();
    lirem::engine::NumerologyProfile profile;
    NullSink sink;
    lirem::session::RunFullRecalculation(in, profile, sink);
    for (auto _ : state)
        lirem::session::RunPartnerComparison(in, profile, sink);
}
BENCHMARK(BM_PartnerComparison);

void BM_ComparePartnersOnly(benchmark::State& state) {
    const lirem::session::PersonInput in = Person();
    lirem::engine::NumerologyProfile profile;
    NullSink sink;
    lirem::session::RunFullRecalculation(in, profile, sink);
    const lirem::engine::PartnerProfile partner =
        lirem::engine::BuildPartnerProfile({in.partner->date.day, in.partner->date.month, in.partner->date.year,
                                            in.partner->first, in.partner->middle, in.partner->last});
    for (auto _ : state)
        benchmark::DoNotOptimize(lirem::engine::ComparePartners(profile, partner));
}
BENCHMARK(BM_ComparePartnersOnly);

} // namespace
