// Fewest moves, four directions, A* with the estimate dx + dy to the end point.
// No closed list: a cell's distance in the marks decides whether it is entered again.

#include <cstdlib>

#include "CellMarks.h"
#include "Directions.h"
#include "GraphSearch.h"
#include "SortedOpenList.h"

using namespace kestrow;

namespace {

struct SearchNode {
    int32_t Cell;
    int32_t F;
};

// A cell tries its neighbours up, left, down, right.
constexpr int32_t kAStarOrder[4] = {dirUp, dirLeft, dirDown, dirRight};

}  // namespace

bool MoveSearchAStar4(const TMapData& map, TSearchedMap& result) {
    result.PathText.clear();
    MoveSearchFrame frame;
    if (!MakeMoveSearchFrame(map, result, frame)) return false;
    if (map.SokoPos == map.TargetPos) return true;

    const int32_t W = frame.width, H = frame.height, e = frame.end;
    const int32_t endRow = map.TargetPos.X, endCol = map.TargetPos.Y;
    // Move k + 1 is direction code dirLeft + k.
    const int32_t offsets[4] = {DirOffset(dirLeft, W), DirOffset(dirUp, W), DirOffset(dirRight, W), DirOffset(dirDown, W)};
    CellMarks marks(map, frame, offsets);
    int32_t* dist = marks.Distances();
    uint8_t* move = marks.Moves();

    SortedOpenList<SearchNode> open;
    open.Insert({frame.start, std::abs(frame.start / W - endRow) + std::abs(frame.start % W - endCol)});
    int32_t nodeCount = 1;
    bool found = false;
    while (!open.empty() && !found) {
        const int32_t c = open.TakeLast().Cell;
        const int32_t row = c / W, col = c - row * W;
        const int32_t next = dist[c] + 1;
        // Once the end is entered the remaining neighbours are still tried.
        for (int32_t code : kAStarOrder) {
            const DirectionInfo& d = Direction(code);
            if (!InBounds(d, row, col, W, H)) continue;
            const int32_t n = c + offsets[code - dirLeft];
            if (dist[n] == 0 || dist[n] > next) {
                dist[n] = next;
                move[n] = uint8_t(code - dirLeft + 1);
                const int32_t estimate = std::abs(row + d.dRow - endRow) + std::abs(col + d.dCol - endCol);
                open.Insert({n, next + estimate});
                ++nodeCount;
                found |= n == e;
            }
        }
    }

    result.SearchedNodes = nodeCount;
    if (found) {
        marks.WalkBack(result, [](int32_t dRow, int32_t dCol) { return MoveLetter(dRow, dCol); });
        marks.CopyInto(result);
    }
    result.Steps = int32_t(result.PathText.size());
    return found;
}
