// Fewest moves, eight directions, breadth-first; a diagonal move counts one step.
// Walls and the box block only their own cell, so a diagonal may pass between two walls.

#include <string_view>
#include <vector>

#include "CellMarks.h"
#include "GraphSearch.h"

using namespace kestrow;

namespace {

struct Move8 {
    int32_t dRow;
    int32_t dCol;
    std::string_view letters;
};

// The order in which a cell tries its moves: the straight ones first, then the diagonals.
constexpr Move8 kMoves8[8] = {
    {-1, 0, "u"}, {0, -1, "l"}, {1, 0, "d"}, {0, 1, "r"},
    {-1, -1, "(0)"}, {-1, 1, "(1)"}, {1, -1, "(2)"}, {1, 1, "(3)"},
};

std::string_view LettersOfMove(int32_t dRow, int32_t dCol) {
    for (const Move8& m : kMoves8)
        if (m.dRow == dRow && m.dCol == dCol) return m.letters;
    return {};
}

}  // namespace

bool MoveSearchBFS8(const TMapData& map, TSearchedMap& result) {
    result.PathText.clear();
    MoveSearchFrame frame;
    if (!MakeMoveSearchFrame(map, result, frame)) return false;
    if (map.SokoPos == map.TargetPos) return true;

    const int32_t W = frame.width, H = frame.height, e = frame.end;
    int32_t offsets[8];
    for (int k = 0; k < 8; ++k) offsets[k] = kMoves8[k].dRow * W + kMoves8[k].dCol;
    CellMarks marks(map, frame, offsets);
    int32_t* dist = marks.Distances();
    uint8_t* move = marks.Moves();

    std::vector<int32_t> queue;
    queue.reserve(size_t(W) * H + 1);
    queue.push_back(frame.start);
    bool found = false;
    for (size_t head = 0; head < queue.size() && !found; ++head) {
        const int32_t h = queue[head];
        const int32_t row = h / W, col = h - row * W;
        const int32_t next = dist[h] + 1;
        for (int k = 0; k < 8; ++k) {
            const int32_t r = row + kMoves8[k].dRow, c = col + kMoves8[k].dCol;
            if (r < 0 || r >= H || c < 0 || c >= W) continue;
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

    marks.WalkBack(result, [](int32_t dRow, int32_t dCol) { return LettersOfMove(dRow, dCol); });
    result.Steps = int32_t(result.Path.size());  // moves, not letters: a diagonal is three
    result.SearchedNodes = int32_t(queue.size() - 1);
    marks.CopyInto(result);
    return true;
}
