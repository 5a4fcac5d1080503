// Fewest moves, eight directions, breadth-first; a diagonal move counts one step.

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
    CellMarks marks(map, frame);
    TPoint* mark = marks.data();

    std::vector<int32_t> queue;
    queue.reserve(size_t(W) * H + 1);
    queue.push_back(frame.start);
    bool found = false;
    for (size_t head = 0; head < queue.size() && !found; ++head) {
        const int32_t h = queue[head];
        const int32_t row = h / W, col = h % W;
        const int32_t next = mark[h].X + 1;
        for (const Move8& m : kMoves8) {
            const int32_t r = row + m.dRow, c = col + m.dCol;
            if (r < 0 || r >= H || c < 0 || c >= W) continue;
            const int32_t offset = m.dRow * W + m.dCol;
            TPoint& n = mark[h + offset];
            if (n.X == 0 || n.X > next) {
                n = TPoint{next, offset};
                queue.push_back(h + offset);
                if (h + offset == e) found = true;
            }
        }
    }
    if (!found) return false;

    marks.WalkBack(frame, result, LettersOfMove);
    result.Steps = int32_t(result.Path.size());  // moves, not letters: a diagonal is three
    result.SearchedNodes = int32_t(queue.size() - 1);
    marks.CopyInto(result);
    return true;
}
