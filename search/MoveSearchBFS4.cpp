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
    // Move k + 1 is direction code dirLeft + k: left, up, right, down.
    const int32_t offsets[4] = {DirOffset(dirLeft, W), DirOffset(dirUp, W), DirOffset(dirRight, W), DirOffset(dirDown, W)};
    CellMarks marks(map, frame, offsets);
    int32_t* dist = marks.Distances();
    uint8_t* move = marks.Moves();

    // A growing FIFO: every cell but the start is entered at most once, so it never reallocates.
    std::vector<int32_t> queue;
    queue.reserve(size_t(W) * H + 1);
    queue.push_back(frame.start);
    bool found = false;
    for (size_t head = 0; head < queue.size() && !found; ++head) {
        const int32_t h = queue[head];
        const int32_t row = h / W, col = h - row * W;
        const int32_t next = dist[h] + 1;
        // In code order; once the end is entered the remaining neighbours are still tried.
        for (int k = 0; k < 4; ++k) {
            if (!InBounds(kDirections[k], row, col, W, H)) continue;
            const int32_t n = h + offsets[k];
            if (dist[n] == 0 || dist[n] > next) {
                dist[n] = next;
                move[n] = uint8_t(k + 1);
                queue.push_back(n);
                found |= n == e;
            }
        }
    }
    if (!found) return false;

    marks.WalkBack(result, [](int32_t dRow, int32_t dCol) { return MoveLetter(dRow, dCol); });
    marks.CopyInto(result);
    result.SearchedNodes = int32_t(queue.size() - 1);
    result.Steps = int32_t(result.PathText.size());
    return true;
}
