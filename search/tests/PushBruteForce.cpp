#include "PushBruteForce.h"

#include <cctype>
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

// Row and column change of each letter, whatever its case.
bool StepOf(char letter, int32_t& dr, int32_t& dc) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
        case 'l': dr = 0, dc = -1; return true;
        case 'r': dr = 0, dc = 1; return true;
        case 'u': dr = -1, dc = 0; return true;
        case 'd': dr = 1, dc = 0; return true;
        default: return false;
    }
}

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

Replay ReplayPushPath(const TMapData& map, const std::string& pathText) {
    const Grid grid{map};
    Replay out;
    TPoint man = map.SokoPos, box = map.BoxPos;
    for (size_t i = 0; i < pathText.size(); ++i) {
        int32_t dr = 0, dc = 0;
        const char letter = pathText[i];
        if (!StepOf(letter, dr, dc)) {
            out.problem = "letter " + std::to_string(i) + " is not a step";
            return out;
        }
        const TPoint next{man.X + dr, man.Y + dc};
        const bool push = std::isupper(static_cast<unsigned char>(letter));
        if (push) {
            const TPoint boxNext{box.X + dr, box.Y + dc};
            if (!(next == box) || !grid.Open(boxNext.X, boxNext.Y)) {
                out.problem = "push " + std::to_string(i) + " is not possible";
                return out;
            }
            box = boxNext;
            out.boxCells.push_back(box);
        } else if (!grid.Open(next.X, next.Y) || next == box) {
            out.problem = "move " + std::to_string(i) + " is blocked";
            return out;
        }
        man = next;
    }
    if (!(box == map.TargetPos)) out.problem = "the box does not end on the end point";
    return out;
}

}  // namespace pushtest
