// The three move searches on 1000 x 1000 maps, beside a plain flat-array BFS as the floor.
// Everything a search does for its record counts (marks from the rows, the copy into Cells,
// the path text). "Repeated" runs reuse memory kept in the process; "First" runs hand the
// free memory back to the system before every search, as the first search of a run sees it.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "BenchMaps.h"
#include "GraphSearch.h"
#include "ProcessMemory.h"

namespace {

enum MapKind { kOpen, kWalls10, kWalls30, kMaze };
const char* const kMapNames[] = {"open", "walls10", "walls30", "maze"};

const TMapData& BenchMap(MapKind kind) {
    static const std::vector<TMapData> maps = [] {
        std::vector<TMapData> m = {benchmaps::OpenMap(1000), benchmaps::RandomWalls(1000, 10, 1),
                                   benchmaps::RandomWalls(1000, 30, 2), benchmaps::Maze(1000, 3)};
        for (TMapData& map : m) benchmaps::Place(map, {1, 1}, {997, 997});
        return m;
    }();
    return maps[kind];
}

// The floor: int32 distances built from the rows, a vector as the queue, stop at the end.
template <bool Diagonal>
int32_t FlatBFS(const TMapData& map) {
    const int32_t W = map.Width, H = map.Height;
    std::vector<int32_t> dist(size_t(W) * H);
    for (int32_t r = 0; r < H; ++r)
        for (int32_t c = 0; c < W; ++c) dist[r * W + c] = map.Map[r][c] - 1;
    const int32_t s = map.SokoPos.X * W + map.SokoPos.Y, e = map.TargetPos.X * W + map.TargetPos.Y;
    std::vector<int32_t> queue;
    queue.reserve(size_t(W) * H);
    queue.push_back(s);
    dist[s] = 1;
    constexpr int kMoves = Diagonal ? 8 : 4;
    const int32_t dr[8] = {0, -1, 0, 1, -1, -1, 1, 1}, dc[8] = {-1, 0, 1, 0, -1, 1, -1, 1};
    for (size_t head = 0; head < queue.size(); ++head) {
        const int32_t h = queue[head], row = h / W, col = h % W;
        for (int k = 0; k < kMoves; ++k) {
            const int32_t r = row + dr[k], c = col + dc[k];
            if (r < 0 || c < 0 || r >= H || c >= W) continue;
            const int32_t n = r * W + c;
            if (dist[n] != 0) continue;
            dist[n] = dist[h] + 1;
            if (n == e) return dist[n] - 1;
            queue.push_back(n);
        }
    }
    return -1;
}

void ReleaseFreeMemory(benchmark::State& state, bool first) {
    if (!first) return;
    state.PauseTiming();
    malloc_trim(0);
    state.ResumeTiming();
}

void BM_Floor4(benchmark::State& state) {
    const TMapData& map = BenchMap(MapKind(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(FlatBFS<false>(map));
    state.SetLabel(kMapNames[state.range(0)]);
}

void BM_Floor8(benchmark::State& state) {
    const TMapData& map = BenchMap(MapKind(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(FlatBFS<true>(map));
    state.SetLabel(kMapNames[state.range(0)]);
}

template <bool (*Search)(const TMapData&, TSearchedMap&)>
void BM_Search(benchmark::State& state) {
    const TMapData& map = BenchMap(MapKind(state.range(0)));
    const bool first = state.range(1) != 0;
    TSearchedMap result = benchmaps::ResultFor(map);
    for (auto _ : state) {
        ReleaseFreeMemory(state, first);
        if (!Search(map, result)) state.SkipWithError("no path");
    }
    state.counters["steps"] = result.Steps;
    state.counters["nodes"] = result.SearchedNodes;
    state.SetLabel(std::string(kMapNames[state.range(0)]) + (first ? " first" : " repeated"));
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Floor and search timed in turn within each iteration, so that both see the same load on a
// shared machine; the ratio is the median of the per-iteration ratios.
template <bool (*Search)(const TMapData&, TSearchedMap&), bool Diagonal>
void BM_Ratio(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const TMapData& map = BenchMap(MapKind(state.range(0)));
    TSearchedMap result = benchmaps::ResultFor(map);
    std::vector<double> floorMs, searchMs, ratios;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(FlatBFS<Diagonal>(map));
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(Search(map, result));
        const auto t2 = Clock::now();
        const double f = std::chrono::duration<double, std::milli>(t1 - t0).count();
        const double s = std::chrono::duration<double, std::milli>(t2 - t1).count();
        floorMs.push_back(f);
        searchMs.push_back(s);
        ratios.push_back(s / f);
        state.SetIterationTime((s + f) / 1000);
    }
    state.counters["floor_ms"] = Median(floorMs);
    state.counters["search_ms"] = Median(searchMs);
    state.counters["ratio"] = Median(ratios);
    state.SetLabel(kMapNames[state.range(0)]);
}

void MapArgs(benchmark::internal::Benchmark* b) {
    for (int kind = kOpen; kind <= kMaze; ++kind) b->Args({kind, 0});
}
void MapArgsWithFirst(benchmark::internal::Benchmark* b) {
    for (int kind = kOpen; kind <= kMaze; ++kind) b->Args({kind, 0});
    for (int kind = kOpen; kind <= kMaze; ++kind) b->Args({kind, 1});
}

BENCHMARK(BM_Floor4)->Apply(MapArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor8)->Apply(MapArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search<MoveSearchBFS4>)->Name("BM_BFS4")->Apply(MapArgsWithFirst)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search<MoveSearchAStar4>)->Name("BM_AStar4")->Apply(MapArgsWithFirst)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search<MoveSearchBFS8>)->Name("BM_BFS8")->Apply(MapArgsWithFirst)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Ratio<MoveSearchBFS4, false>)->Name("BM_Ratio_BFS4")->Apply(MapArgs)->Iterations(40)->UseManualTime();
BENCHMARK(BM_Ratio<MoveSearchAStar4, false>)->Name("BM_Ratio_AStar4")->Apply(MapArgs)->Iterations(40)->UseManualTime();
BENCHMARK(BM_Ratio<MoveSearchBFS8, true>)->Name("BM_Ratio_BFS8")->Apply(MapArgs)->Iterations(40)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
    kestrow::KeepFreedMemoryInProcess();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
