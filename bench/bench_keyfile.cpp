// Saving and opening a 1000 x 1000 map: the 1 MB "Map" line through the key file.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "MapFile.h"
#include "myIniFiles.h"

namespace {

TMapData LargestMap() {
    TMapData map;
    map.Width = map.Height = kMaxMapSide;
    std::mt19937 random(7);
    map.Map.assign(size_t(kMaxMapSide), std::vector<int32_t>(size_t(kMaxMapSide)));
    for (auto& row : map.Map)
        for (int32_t& cell : row) cell = int32_t(random() % 5 == 0 ? 0 : 1);
    map.SokoPos = {0, 0};
    map.BoxPos = {500, 500};
    map.TargetPos = {999, 999};
    return map;
}

// A folder for the run's files, removed at the end.
struct BenchFolder {
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrow-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path = pattern;
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name) const { return (path / name).string(); }
    std::filesystem::path path;
};

const TMapData& Map() {
    static const TMapData map = LargestMap();
    return map;
}

void BM_SaveMapFile(benchmark::State& state) {
    const BenchFolder folder;
    const std::string path = folder.File("large.map");
    SaveMapFile(path, Map());
    for (auto _ : state) SaveMapFile(path, Map());  // over the file, as a second save would
}
BENCHMARK(BM_SaveMapFile)->Unit(benchmark::kMillisecond)->MinTime(0.3);

// The nine keys written one save each, as a caller writing key by key does.
void BM_NineSavesOfTheMapFile(benchmark::State& state) {
    const BenchFolder folder;
    const std::string path = folder.File("large.map");
    SaveMapFile(path, Map());
    const std::string text = TMyIniFile(path).ReadString("MapData", "Map", "");
    const char* const keys[] = {"MapWidth", "MapHeight", "SokoPosX", "BoxPosX", "TargetPosX",
                                "SokoPosY", "BoxPosY",  "TargetPosY"};
    for (auto _ : state) {
        TMyIniFile file(path);
        for (const char* key : keys) file.WriteInteger("MapData", key, 1000);
        file.WriteString("MapData", "Map", text);
    }
}
BENCHMARK(BM_NineSavesOfTheMapFile)->Unit(benchmark::kMillisecond)->MinTime(0.3);

void BM_LoadMapFile(benchmark::State& state) {
    const BenchFolder folder;
    const std::string path = folder.File("large.map");
    SaveMapFile(path, Map());
    for (auto _ : state) benchmark::DoNotOptimize(LoadMapFile(path, 8, 8));
}
BENCHMARK(BM_LoadMapFile)->Unit(benchmark::kMillisecond)->MinTime(0.3);

void BM_SaveXsbFile(benchmark::State& state) {
    const BenchFolder folder;
    const std::string path = folder.File("large.xsb");
    for (auto _ : state) SaveXsbFile(path, Map());
}
BENCHMARK(BM_SaveXsbFile)->Unit(benchmark::kMillisecond)->MinTime(0.3);

}  // namespace

BENCHMARK_MAIN();
