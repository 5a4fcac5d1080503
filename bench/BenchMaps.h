#pragma once
// Large maps for the benchmarks, all seeded.

#include <random>
#include <vector>

#include "GraphSearch.h"

namespace benchmaps {

inline TMapData OpenMap(int32_t side) {
    TMapData map;
    map.Width = map.Height = side;
    map.Map.assign(side, std::vector<int32_t>(side, 1));
    return map;
}

/// Each cell a wall with the given percentage, independently.
inline TMapData RandomWalls(int32_t side, int percent, uint32_t seed) {
    TMapData map = OpenMap(side);
    std::mt19937 rng(seed);
    for (auto& row : map.Map)
        for (auto& v : row) v = int32_t(rng() % 100) < percent ? 0 : 1;
    return map;
}

/// A perfect maze of one-cell corridors: free cells at odd (row, column), joined by a
/// depth-first walk over them.
inline TMapData Maze(int32_t side, uint32_t seed) {
    TMapData map = OpenMap(side);
    for (auto& row : map.Map) std::fill(row.begin(), row.end(), 0);
    std::mt19937 rng(seed);
    const int32_t cellsPerSide = (side - 1) / 2;
    std::vector<char> seen(size_t(cellsPerSide) * cellsPerSide, 0);
    std::vector<std::pair<int32_t, int32_t>> stack{{0, 0}};
    seen[0] = 1;
    map.Map[1][1] = 1;
    const int32_t dr[4] = {-1, 1, 0, 0}, dc[4] = {0, 0, -1, 1};
    while (!stack.empty()) {
        auto [r, c] = stack.back();
        int32_t options[4], n = 0;
        for (int k = 0; k < 4; ++k) {
            const int32_t nr = r + dr[k], nc = c + dc[k];
            if (nr >= 0 && nc >= 0 && nr < cellsPerSide && nc < cellsPerSide && !seen[nr * cellsPerSide + nc]) options[n++] = k;
        }
        if (n == 0) {
            stack.pop_back();
            continue;
        }
        const int k = options[rng() % n];
        const int32_t nr = r + dr[k], nc = c + dc[k];
        seen[nr * cellsPerSide + nc] = 1;
        map.Map[2 * r + 1 + dr[k]][2 * c + 1 + dc[k]] = 1;
        map.Map[2 * nr + 1][2 * nc + 1] = 1;
        stack.push_back({nr, nc});
    }
    return map;
}

/// Frees the two cells (and the box's) so the points always stand on free cells.
inline void Place(TMapData& map, TPoint start, TPoint end, TPoint box = {-1, -1}) {
    map.SokoPos = start;
    map.TargetPos = end;
    map.BoxPos = box;
    for (TPoint p : {start, end, box})
        if (p.X >= 0) map.Map[p.X][p.Y] = 1;
}

inline TSearchedMap ResultFor(const TMapData& map) {
    TSearchedMap result;
    result.Cells.assign(map.Height, std::vector<TPoint>(map.Width, TPoint{0, 0}));
    return result;
}

}  // namespace benchmaps
