#include "PushBruteForce.h"

#include <queue>
#include <tuple>

namespace pushtest {

namespace {

struct Grid {
    const TMapData& map;
    bool Open(int32_t r, int32_t c) const {
        return r >= 0 && c >= 0 && r < map.Height && c < map.Width && map.Map[r][c] != 0;
    }
};

}  // namespace

PushOptimum BruteForcePushOptimum(const TMapData& map, bool movesFirst) {
    const Grid grid{map};
    const int32_t W = map.Width, cells = map.Width * map.Height;
    const auto index = [&](TPoint p) { return p.X * W + p.Y; };
    // Costs as first criterion x heavy + second; a push counts one push and one move.
    // The first criterion weighs more than any possible sum of the second.
    const int64_t heavy = int64_t(cells) * cells * 4 + 1;
    const int64_t pushCost = movesFirst ? 1 : heavy + 1;
    const int64_t moveCost = movesFirst ? heavy : 1;

    using Entry = std::tuple<int64_t, int32_t, int32_t>;  // cost, box, man
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    std::vector<int64_t> best(size_t(cells) * cells, INT64_MAX);
    const int32_t box0 = index(map.BoxPos), man0 = index(map.SokoPos), end = index(map.TargetPos);
    best[size_t(box0) * cells + man0] = 0;
    open.push({0, box0, man0});
    while (!open.empty()) {
        const auto [cost, box, man] = open.top();
        open.pop();
        if (cost != best[size_t(box) * cells + man]) continue;
        if (box == end) {
            const int64_t first = cost / heavy, second = cost % heavy;
            const int64_t pushes = movesFirst ? second : first;
            const int64_t moves = movesFirst ? first : second;
            return {true, int32_t(pushes), int32_t(moves)};
        }
        const int32_t mr = man / W, mc = man % W;
        const int32_t dr[4] = {0, -1, 0, 1}, dc[4] = {-1, 0, 1, 0};
        for (int k = 0; k < 4; ++k) {
            const int32_t nr = mr + dr[k], nc = mc + dc[k];
            if (!grid.Open(nr, nc)) continue;
            const int32_t next = nr * W + nc;
            int32_t nextBox = box;
            int64_t step = moveCost;
            if (next == box) {
                if (!grid.Open(nr + dr[k], nc + dc[k])) continue;
                nextBox = (nr + dr[k]) * W + nc + dc[k];
                step = movesFirst ? moveCost + pushCost : pushCost;
            }
            int64_t& slot = best[size_t(nextBox) * cells + next];
            if (cost + step < slot) {
                slot = cost + step;
                open.push({slot, nextBox, next});
            }
        }
    }
    return {};
}

}  // namespace pushtest
