// Fewest moves, four directions, breadth-first over flat cell indices.

#include <vector>

#include "CellMarks.h"
#include "Directions.h"
#include "GraphSearch.h"

using namespace kestrow;

bool MoveSearchBFS4(const TMapData& map, TSearchedMap& result) {
    result.PathText.clear();
    MoveSearchFrame frame;
    if (!MakeMoveSearchFrame(map, result, frame)) return false;
    if (map.SokoPos == map.TargetPos) return true;

    const int32_t W = frame.width, H = frame.height, e = frame.end;
    CellMarks marks(map, frame);
    TPoint* mark = marks.data();

    // A growing FIFO: every cell but the start is entered at most once, so this never reallocates.
    std::vector<int32_t> queue;
    queue.reserve(size_t(W) * H + 1);
    queue.push_back(frame.start);
    bool found = false;
    for (size_t head = 0; head < queue.size() && !found; ++head) {
        const int32_t h = queue[head];
        const int32_t row = h / W, col = h % W;
        const int32_t next = mark[h].X + 1;
        // Left, up, right, down; the end found still lets the remaining neighbours be entered.
        for (const DirectionInfo& d : kDirections) {
            if (!DirAllowed(d.code, row, col, W, H)) continue;
            const int32_t offset = DirOffset(d.code, W);
            TPoint& n = mark[h + offset];
            if (n.X == 0 || n.X > next) {
                n = TPoint{next, offset};
                queue.push_back(h + offset);
                if (h + offset == e) found = true;
            }
        }
    }
    if (!found) return false;

    marks.WalkBack(frame, result, MoveLetter);
    marks.CopyInto(result);
    result.SearchedNodes = int32_t(queue.size() - 1);
    result.Steps = int32_t(result.PathText.size());
    return true;
}
