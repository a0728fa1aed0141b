// SPDX-License-Identifier: GPL-3.0-or-later
// Printed readings per second of CPU time on one thread.
//   BM_OnePerson  the worked example with a partner and a text, rendered to
//                 PDF bytes in memory
//   BM_Batch1000  1,000 generated people (a quarter with partners) through the
//                 batch: CSV, engine, JSON Lines (discarded) and one PDF file
//                 per person, written whole into a temporary folder
//
// Figures (Debian 12, Qt 6.4.2, RelWithDebInfo, 2 shared cores; old = 9731cea
// and new built side by side, runs interleaved, three rounds each):
//                          readings per CPU second   instructions per reading
//                          old          new          old          new
//   BM_OnePerson           59.3-60.2    63.1-63.6    157.7 M      148.5 M
//   BM_Batch1000           72.9-74.1    75.5-76.9    131.4 M      126.9 M
// Instructions: callgrind, the median reading of a steady run for
// BM_OnePerson; for the batch, lirem-report --batch over the first 40 rows
// of the same generated people, everything inside RenderPdf (first reading
// included). PDFs of the worked example and of the 40 rows: the same
// pdftoppm -r 96 pixels, pdftotext and pdffonts output as before.
// Where a new reading's instructions go: Qt's QPdfEngine::end and newPage
// 75 % (zlib deflate of the page streams 37 %, font embedding 38 %: a
// 65,536-code-point reverse map per face, 2 faces, and every glyph loaded
// hinted at em size and encoded again); replaying the pictures 13 %, of which
// QPdfEngine::drawPath 11 %; text layout and drawing 8 %. Over a third of the
// page content is the two digit grids: each digit is a glyph outline plus a
// thin band that Qt's PDF engine strokes for the SVG's invisible pen.

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
