// SPDX-License-Identifier: GPL-3.0-or-later
// Printed readings per second of CPU time on one thread.
//   BM_OnePerson  the worked example with a partner and a text, rendered to
//                 PDF bytes in memory
//   BM_Batch1000  1,000 generated people (a quarter with partners) through the
//                 batch: CSV, engine, JSON Lines (discarded) and one PDF file
//                 per person, written whole into a temporary folder
//
// Figures (Debian 12, Qt 6.4.2, RelWithDebInfo, 2 shared cores; old = 9731cea
// and new built side by side, runs interleaved, three rounds (batch: two)):
//                          readings per CPU second
//                          old          new
//   BM_OnePerson           58.9-59.6    60.7-61.5
//   BM_Batch1000           74.6-74.9    74.9-75.5
// (memo line heights measured once per reading, faces and field values made
// once per page). PDFs of the worked example and of 40 batch rows: the same
// pdftoppm -r 96 pixels, pdftotext and pdffonts output as before.
// Where a reading's instructions go (callgrind, about 150 M per reading):
// Qt's QPdfEngine::end and newPage 75 % (zlib deflate of the page streams
// 37 % at Qt's fixed level; font embedding 38 %: a 65,536-code-point reverse
// map per face, two faces, both needed, and every glyph loaded hinted at em
// size and encoded again); pictures 13-15 %, nearly all of it the PDF engine
// writing their paths (recording each picture once and replaying it saved
// only 3.5 % and was not kept); text layout and drawing 8 %. Over a third of
// the page content is the two digit grids: each digit is a glyph outline plus
// a thin band that Qt's PDF engine strokes for the SVG's invisible pen (the
// window shows no band; leaving it out would save 19 % but make the printed
// digits visibly thinner than today's PDFs).

#include "PeopleCsv.h"
#include "engine/Cp1251.h"
#include "io/AtomicFile.h"
#include "reading/GuiSession.h"
#include "reading/PdfDocument.h"
#include "report/Batch.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <filesystem>
#include <sstream>

namespace {

using lirem::session::PersonInput;

PersonInput WorkedExample() {
    PersonInput p;
    p.date = {29, 11, 1985};
    p.first = lirem::engine::Utf8ToCp1251("Иван");
    p.middle = lirem::engine::Utf8ToCp1251("Петрович");
    p.last = lirem::engine::Utf8ToCp1251("Сидоров");
    p.calendar = {2025, 9};
    p.partner = lirem::session::PartnerInput{{1, 1, 1970}, lirem::engine::Utf8ToCp1251("Анна"), {}, {}};
    p.text = "+7 (495) 123-45-67";
    return p;
}

void BM_OnePerson(benchmark::State& state) {
    lirem::reading::EnsureGuiApplication();
    const PersonInput person = WorkedExample();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = lirem::reading::RenderPdf(lirem::reading::MakeReading(person));
        bytes = static_cast<std::size_t>(pdf.size());
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["PDFs/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_OnePerson)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_Batch1000(benchmark::State& state) {
    constexpr std::int64_t kPeople = 1000;
    lirem::reading::EnsureGuiApplication();
    std::ostringstream csv;
    lirem::report::bench::WritePeopleCsv(csv, kPeople);
    const std::string people = csv.str();
    std::int64_t written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        const std::filesystem::path dir = folder.path().toStdString();
        std::istringstream in(people);
        std::ostringstream out;
        state.ResumeTiming();
        const auto summary = lirem::report::RunBatch(
            in, out, {2025, 9}, false,
            [&](std::int64_t line, const PersonInput& person, const lirem::session::RecordingSink& /*shown*/) {
                const QByteArray pdf = lirem::reading::RenderPdf(lirem::reading::MakeReading(person));
                return lirem::io::WriteFileAtomically(
                    dir / (std::to_string(line) + ".pdf"),
                    std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), lirem::io::Existing::Keep);
            });
        written += summary.people;
        state.PauseTiming();
        folder.remove();
        state.ResumeTiming();
    }
    state.counters["PDFs/s"] = benchmark::Counter(static_cast<double>(written), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Batch1000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(1);

} // namespace

BENCHMARK_MAIN();
