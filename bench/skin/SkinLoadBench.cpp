// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the program's skin: decode, archive, INI and the 21 bitmaps.
#include "assets/skinblob/SkinBlob.h"
#include "skin/archive/SkinRead.h"
#include "skin/data/SkinIni.h"
#include "skin/data/WinSkinData.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> StoredSkin() {
    const QByteArray bytes = lirem::skin::NumeroSkinStream();
    return {bytes.begin(), bytes.end()};
}

// The whole load as the window does it: the stored block is read and loaded.
void BM_LoadProgramSkin(benchmark::State& state) {
    const std::vector<std::uint8_t> stored = StoredSkin();
    lirem::skin::TSkinData data;
    for (auto _ : state) {
        data.ReadSkinStream(stored);
        benchmark::DoNotOptimize(data.SkinEmpty());
    }
    if (data.SkinEmpty())
        state.SkipWithError("the program's skin did not load");
}
BENCHMARK(BM_LoadProgramSkin)->Unit(benchmark::kMicrosecond);

// The parts: unpacking alone, parsing the INI text alone.
void BM_UnpackProgramSkin(benchmark::State& state) {
    const std::vector<std::uint8_t> stored = StoredSkin();
    const std::span<const std::uint8_t> packed(stored.data() + 4, stored.size() - 4);
    for (auto _ : state) {
        lirem::skin::TSkinReader reader;
        benchmark::DoNotOptimize(reader.LoadFromPacked(packed));
    }
}
BENCHMARK(BM_UnpackProgramSkin)->Unit(benchmark::kMicrosecond);

void BM_ParseProgramIni(benchmark::State& state) {
    const std::vector<std::uint8_t> stored = StoredSkin();
    lirem::skin::TSkinReader reader;
    reader.LoadFromPacked(std::span<const std::uint8_t>(stored.data() + 4, stored.size() - 4));
    std::vector<std::uint8_t> ini;
    std::string name;
    reader.ExtractByPattern(".ini", ini, name);
    const std::string text(ini.begin(), ini.end());
    for (auto _ : state) {
        lirem::skin::IniText parsed(text);
        benchmark::DoNotOptimize(parsed.Sections().size());
    }
}
BENCHMARK(BM_ParseProgramIni)->Unit(benchmark::kMicrosecond);

} // namespace

// A hostile description: N short sections of three keys each, every name read
// back once. The reader indexes names, so the time grows linearly with N.
void BM_ParseManySections(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    std::string text;
    for (int i = 0; i < n; ++i)
        text += "[s" + std::to_string(i) + "]\na=1\nb=2\nA=3\n";
    for (auto _ : state) {
        const lirem::skin::IniText ini(text);
        std::int64_t sum = 0;
        for (int i = 0; i < n; i += 7)
            sum += ini.ReadInteger("S" + std::to_string(i), "B", 0);
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_ParseManySections)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
