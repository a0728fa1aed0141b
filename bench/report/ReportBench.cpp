// SPDX-License-Identifier: GPL-3.0-or-later
// Batch throughput: 1,000,000 generated people through the CSV reader, the
// engine and the JSON Lines writer, on one thread; output is discarded.
//
// Measured on 2 shared cores, the old and the new build in the same run
// (process CPU time, 1,000,000 rows):
//   BM_BatchFileIntoFile   3634 ms -> 3672 ms
//   BM_BatchPipeIntoPipe   8044 ms -> 4396 ms (pipe / file: 2.21x -> 1.20x):
//     the answers are now flushed only when the input has nothing more to read
//     at once, not after every row.
//   Again after the display steps' skip (below), same run:
//   BM_BatchFileIntoFile   4564 ms -> 3643 ms
//   BM_BatchPipeIntoPipe   8886 ms -> 3651 ms (pipe / file: 1.95x -> 1.00x)
// Instruction counts (callgrind, lirem-report --batch on 50,000 rows):
// 1,815.6 M -> 1,746.2 M with the JSON writer 536 M -> 467 M (fixed verdict
// texts encoded once, literal keys copied with sizes known when compiled);
// -> 1,380.9 M (1.31x fewer) once the display steps skip the writes a sink
// that keeps nothing would drop (the calendar's 84 labels).
//   BM_BatchInMemory CPU: 319 k / 315 k -> 381 k / 380 k people/s
//
//   report_bench                          run the benchmarks
//   report_bench --write-csv FILE [ROWS]  only write the generated file (to
//                                         time the program itself on it)

#include "PeopleCsv.h"
#include "report/Batch.h"
#include "report/LineSafeOutput.h"

#include <benchmark/benchmark.h>
#include <ext/stdio_filebuf.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

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

// The tool's own path: the file's rows into its standard output when that is
// a regular file (large blocks, no flushes).
void BM_BatchFileIntoFile(benchmark::State& state) {
    const std::string& path = PeopleFile();
    const std::string outPath = path + ".out";
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        const int fd = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        {
            lirem::report::LineSafeOutput buffer(fd);
            std::ostream out(&buffer);
            const auto summary = lirem::report::RunBatch(in, out, {2025, 9}, false);
            if (summary.people != kRows || summary.writeFailed)
                state.SkipWithError("unexpected batch result");
        }
        ::close(fd);
    }
    std::remove(outPath.c_str());
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchFileIntoFile)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime()->UseRealTime();

// `cat people.csv | lirem-report --batch - | reader`: rows come through a pipe
// and the answers leave through another, as for a co-process. Process CPU
// time includes the feeding and the draining threads, as the shell's cat and
// reader would cost; compare with BM_BatchFileIntoFile.
void BM_BatchPipeIntoPipe(benchmark::State& state) {
    std::ifstream file(PeopleFile(), std::ios::binary);
    const std::string csv((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (auto _ : state) {
        int toTool[2];
        int fromTool[2];
        if (::pipe(toTool) != 0 || ::pipe(fromTool) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        std::thread feed([&] {
            std::size_t done = 0;
            while (done < csv.size()) {
                const ssize_t n =
                    ::write(toTool[1], csv.data() + done, std::min<std::size_t>(csv.size() - done, 65536));
                if (n <= 0)
                    break;
                done += static_cast<std::size_t>(n);
            }
            ::close(toTool[1]);
        });
        std::thread drain([&] {
            std::vector<char> sink(65536);
            while (::read(fromTool[0], sink.data(), sink.size()) > 0) {
            }
        });
        {
            __gnu_cxx::stdio_filebuf<char> inBuffer(toTool[0], std::ios::in);
            std::istream in(&inBuffer);
            lirem::report::LineSafeOutput buffer(fromTool[1]);
            std::ostream out(&buffer);
            const auto summary = lirem::report::RunBatch(in, out, {2025, 9}, true);
            if (summary.people != kRows || summary.writeFailed)
                state.SkipWithError("unexpected batch result");
        }
        ::close(fromTool[1]);
        feed.join();
        drain.join();
        ::close(fromTool[0]);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchPipeIntoPipe)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime()->UseRealTime();

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
