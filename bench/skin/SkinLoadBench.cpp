// Loading the program's skin: decode, archive, INI and the 21 bitmaps.
#include "assets/skinblob/SkinBlob.h"
#include "skin/SkinIni.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinData.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> StoredSkin() {
    const QByteArray bytes = skin::NumeroSkinStream();
    return {bytes.begin(), bytes.end()};
}

// The whole load as the window does it: the stored block is read and loaded.
void BM_LoadProgramSkin(benchmark::State& state) {
    const std::vector<std::uint8_t> stored = StoredSkin();
    skin::TSkinData data;
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
        skin::TSkinReader reader;
        benchmark::DoNotOptimize(reader.LoadFromPacked(packed));
    }
}
BENCHMARK(BM_UnpackProgramSkin)->Unit(benchmark::kMicrosecond);

void BM_ParseProgramIni(benchmark::State& state) {
    const std::vector<std::uint8_t> stored = StoredSkin();
    skin::TSkinReader reader;
    reader.LoadFromPacked(std::span<const std::uint8_t>(stored.data() + 4, stored.size() - 4));
    std::vector<std::uint8_t> ini;
    std::string name;
    reader.ExtractByPattern(".ini", ini, name);
    const std::string text(ini.begin(), ini.end());
    for (auto _ : state) {
        skin::TIniText parsed(text);
        benchmark::DoNotOptimize(parsed.Sections().size());
    }
}
BENCHMARK(BM_ParseProgramIni)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
