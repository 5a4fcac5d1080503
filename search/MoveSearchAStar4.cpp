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
    CellMarks marks(map, frame);
    TPoint* mark = marks.data();
    auto estimate = [&](int32_t cell) { return std::abs(cell / W - endRow) + std::abs(cell % W - endCol); };

    SortedOpenList<SearchNode> open;
    open.Insert({frame.start, estimate(frame.start)});
    int32_t nodeCount = 1;
    bool found = false;
    while (!open.empty() && !found) {
        const int32_t c = open.TakeLast().Cell;
        const int32_t row = c / W, col = c % W;
        const int32_t next = mark[c].X + 1;
        for (int32_t code : kAStarOrder) {
            if (!DirAllowed(code, row, col, W, H)) continue;
            const int32_t offset = DirOffset(code, W);
            const int32_t n = c + offset;
            if (mark[n].X == 0 || mark[n].X > next) {
                mark[n] = TPoint{next, offset};
                open.Insert({n, next + estimate(n)});
                ++nodeCount;
                if (n == e) found = true;
            }
        }
    }

    result.SearchedNodes = nodeCount;
    if (found) {
        marks.WalkBack(frame, result, MoveLetter);
        marks.CopyInto(result);
    }
    result.Steps = int32_t(result.PathText.size());
    return found;
}
