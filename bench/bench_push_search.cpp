// The two push searches in both modes on square maps of 250, 500 and 1000 cells a side, open
// and with 10 % random walls (seeded); the man and the box near one corner, the end point
// near the opposite one. Counters: states admitted (SearchedNodes), pushes and moves of the
// result, and the peak of heap memory during one search.
//
// "Repeated" runs reuse memory kept in the process, as the window does after its first search;
// "First" runs hand the free memory back to the system before every search.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

#include "GraphSearch.h"
#include "ProcessMemory.h"

// Heap accounting for the peak-memory counter: every allocation of the program passes here.
namespace {
std::atomic<size_t> heapInUse{0};
std::atomic<size_t> heapPeak{0};

void* CountedAlloc(size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    const size_t now = heapInUse += malloc_usable_size(p);
    size_t peak = heapPeak.load();
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
    return p;
}
void CountedFree(void* p) {
    if (!p) return;
    heapInUse -= malloc_usable_size(p);
    std::free(p);
}
}  // namespace

void* operator new(size_t n) { return CountedAlloc(n); }
void* operator new[](size_t n) { return CountedAlloc(n); }
void operator delete(void* p) noexcept { CountedFree(p); }
void operator delete[](void* p) noexcept { CountedFree(p); }
void operator delete(void* p, size_t) noexcept { CountedFree(p); }
void operator delete[](void* p, size_t) noexcept { CountedFree(p); }

namespace {

enum MapKind { kOpen, kWalls10 };

TMapData MakeMap(int32_t side, MapKind kind) {
    TMapData map;
    map.Width = map.Height = side;
    map.Map.assign(side, std::vector<int32_t>(side, 1));
    if (kind == kWalls10) {
        std::mt19937 rng(uint32_t(side) * 7 + 1);
        for (auto& row : map.Map)
            for (auto& v : row) v = rng() % 100 < 10 ? 0 : 1;
    }
    map.SokoPos = {1, 1};
    map.BoxPos = {2, 2};
    map.TargetPos = {side - 3, side - 3};
    // The three points and the cells round the box stay free, so the first push is possible.
    for (int32_t r = 0; r <= 3; ++r)
        for (int32_t c = 0; c <= 3; ++c) map.Map[r][c] = 1;
    map.Map[side - 3][side - 3] = 1;
    return map;
}

const TMapData& BenchMap(int32_t side, MapKind kind) {
    static std::vector<std::pair<std::pair<int32_t, MapKind>, TMapData>> maps;
    for (const auto& [key, map] : maps)
        if (key == std::make_pair(side, kind)) return map;
    maps.push_back({{side, kind}, MakeMap(side, kind)});
    return maps.back().second;
}

using PushSearch = bool (*)(const TMapData&, TSearchedMap&, bool);

template <PushSearch Search, bool MovesFirst>
void BM_Push(benchmark::State& state) {
    const int32_t side = int32_t(state.range(0));
    const MapKind kind = MapKind(state.range(1));
    const bool first = state.range(2) != 0;
    const TMapData& map = BenchMap(side, kind);
    TSearchedMap result;
    result.Cells.assign(side, std::vector<TPoint>(side));
    size_t peak = 0;
    bool found = false;
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            malloc_trim(0);
            state.ResumeTiming();
        }
        const size_t base = heapInUse.load();
        heapPeak = base;
        found = Search(map, result, MovesFirst);
        peak = std::max(peak, heapPeak.load() - base);
        benchmark::DoNotOptimize(found);
    }
    state.counters["states"] = found ? result.SearchedNodes : 0;
    state.counters["pushes"] = found ? result.Steps : -1;
    state.counters["moves"] = found ? double(result.PathText.size()) : -1;
    state.counters["peakMB"] = double(peak) / (1024.0 * 1024.0);
    state.SetLabel(std::string(kind == kOpen ? "open" : "walls10") + (first ? " first" : " repeated"));
}

// The A* in fewest-pushes mode on the large walled map re-admits states so often (about 240
// million admissions, a minute a search) that it runs once, and only as a repeated search.
bool IsSlowCase(int side, int kind) { return side == 1000 && kind == kWalls10; }

template <bool SkipSlow>
void Args(benchmark::internal::Benchmark* b) {
    for (const int kind : {kOpen, kWalls10})
        for (const int side : {250, 500, 1000})
            for (const int first : {0, 1})
                if (!SkipSlow || !IsSlowCase(side, kind)) b->Args({side, kind, first});
    b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BM_Push<PushSearchBFS, false>)->Name("BFS_BP")->Apply(Args<false>);
BENCHMARK(BM_Push<PushSearchBFS, true>)->Name("BFS_BM")->Apply(Args<false>);
BENCHMARK(BM_Push<PushSearchAStar, false>)->Name("AStar_BP")->Apply(Args<true>);
BENCHMARK(BM_Push<PushSearchAStar, false>)
    ->Name("AStar_BP")
    ->Args({1000, kWalls10, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Push<PushSearchAStar, true>)->Name("AStar_BM")->Apply(Args<false>);

int main(int argc, char** argv) {
    kestrow::KeepFreedMemoryInProcess();  // as the program does
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
