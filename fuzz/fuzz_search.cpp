// Every search on arbitrary small maps and placements (any digit 0 to 9, points anywhere:
// off the grid, on walls, on each other): no crash, no hang, and a path found replays legally.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "GraphSearch.h"
#include "PathReplay.h"

namespace {

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

TPoint PointFrom(Bytes& in, int32_t width, int32_t height) {
    const uint8_t kind = in.Next();
    if (kind % 16 == 0) return {-1, -1};
    if (kind % 16 == 1) return {int32_t(in.Next() % (height + 3)) - 1, int32_t(in.Next() % (width + 3)) - 1};
    return {int32_t(in.Next() % height), int32_t(in.Next() % width)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes in(data, size);
    TMapData map;
    map.Width = 1 + in.Next() % 12;
    map.Height = 1 + in.Next() % 12;
    map.Map.assign(map.Height, std::vector<int32_t>(map.Width, 1));
    for (auto& row : map.Map)
        for (auto& v : row) {
            const uint8_t b = in.Next();
            v = b < 160 ? 1 : b < 230 ? 0 : b % 10;
        }
    map.SokoPos = PointFrom(in, map.Width, map.Height);
    map.BoxPos = PointFrom(in, map.Width, map.Height);
    map.TargetPos = PointFrom(in, map.Width, map.Height);

    using MoveSearch = bool (*)(const TMapData&, TSearchedMap&);
    for (MoveSearch search : {MoveSearchBFS4, MoveSearchAStar4, MoveSearchBFS8}) {
        TSearchedMap result;
        result.Cells.assign(map.Height, std::vector<TPoint>(map.Width));
        if (search(map, result)) {
            const searchtest::TReplay replay = searchtest::ReplayMovePath(map, result.PathText);
            if (!replay.problem.empty() || size_t(replay.moves) != result.Path.size()) std::abort();
        }
    }
    using PushSearch = bool (*)(const TMapData&, TSearchedMap&, bool);
    for (PushSearch search : {PushSearchBFS, PushSearchAStar})
        for (bool movesFirst : {false, true}) {
            TSearchedMap result;
            result.Cells.assign(map.Height, std::vector<TPoint>(map.Width));
            if (!search(map, result, movesFirst)) continue;
            const searchtest::TReplay replay = searchtest::ReplayPushPath(map, result.PathText);
            if (!replay.problem.empty() || replay.pushes != result.Steps) std::abort();
        }
    return 0;
}
