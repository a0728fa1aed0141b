// SPDX-License-Identifier: GPL-3.0-or-later
// Batch throughput: 1,000,000 generated people through the CSV reader, the
// engine and the JSON Lines writer, on one thread; output is discarded.
//
//   report_bench                          run the benchmarks
//   report_bench --write-csv FILE [ROWS]  only write the generated file (to
//                                         time the program itself on it)

#include "PeopleCsv.h"
#include "report/Batch.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

constexpr std::int64_t kRows = 1'000'000;

// Counts what is written and keeps nothing.
class NullBuffer final : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// The generated file, written on first use and removed at exit.
class PeopleCsvFile {
public:
    PeopleCsvFile() {
        const char* dir = std::getenv("TMPDIR");
        path_ = std::string(dir ? dir : "/tmp") + "/lirem-report-bench-people.csv";
        std::ofstream out(path_, std::ios::binary);
        lirem::report::bench::WritePeopleCsv(out, kRows);
    }
    ~PeopleCsvFile() { std::remove(path_.c_str()); }
    PeopleCsvFile(const PeopleCsvFile&) = delete;
    PeopleCsvFile& operator=(const PeopleCsvFile&) = delete;

    [[nodiscard]] const std::string& Path() const { return path_; }

private:
    std::string path_;
};

const std::string& PeopleFile() {
    static const PeopleCsvFile file;
    return file.Path();
}

void BM_BatchFromFile(benchmark::State& state) {
    const std::string& path = PeopleFile();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        NullBuffer discard;
        std::ostream out(&discard);
        const auto summary = lirem::report::RunBatch(in, out, {2025, 9});
        if (summary.people != kRows || summary.errors != 0)
            state.SkipWithError("unexpected batch result");
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchFromFile)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same work on 10,000 rows held in memory: no file system in the way.
void BM_BatchInMemory(benchmark::State& state) {
    constexpr std::int64_t rows = 10'000;
    std::ostringstream csv;
    lirem::report::bench::WritePeopleCsv(csv, rows);
    const std::string text = csv.str();
    for (auto _ : state) {
        std::istringstream in(text);
        NullBuffer discard;
        std::ostream out(&discard);
        benchmark::DoNotOptimize(lirem::report::RunBatch(in, out, {2025, 9}));
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_BatchInMemory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--write-csv") {
        std::ofstream out(argv[2], std::ios::binary);
        lirem::report::bench::WritePeopleCsv(out, argc >= 4 ? std::atoll(argv[3]) : kRows);
        return out ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
