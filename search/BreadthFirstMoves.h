#pragma once
// The breadth-first move search that the four- and the eight-direction searches share: a
// growing FIFO of flat cell indices over CellMarks, each cell trying its moves in the order of
// the search's table. Entering a cell follows the marks' rule; once the end is entered, the
// cell's remaining moves are still tried.

#include <cstddef>
#include <string_view>
#include <vector>

#include "CellMarks.h"
#include "GraphSearch.h"

namespace kestrow {

/// One move of the man: the change of row and column and its letters in PathText.
struct GridMove {
    int32_t dRow;
    int32_t dCol;
    std::string_view letters;
};

template <size_t N>
bool BreadthFirstMoveSearch(const TMapData& map, TSearchedMap& result, const GridMove (&moves)[N]) {
    static_assert(N <= 8, "a move index must fit the marks");
    result.PathText.clear();
    MoveSearchFrame frame;
    if (!MakeMoveSearchFrame(map, result, frame)) return false;
    if (map.SokoPos == map.TargetPos) return true;

    const int32_t W = frame.width, H = frame.height, e = frame.end;
    int32_t offsets[N];
    for (size_t k = 0; k < N; ++k) offsets[k] = moves[k].dRow * W + moves[k].dCol;
    CellMarks marks(map, frame, offsets);
    int32_t* dist = marks.Distances();
    uint8_t* move = marks.Moves();

    // Every cell but the start is entered at most once, so the queue never reallocates.
    std::vector<int32_t> queue;
    queue.reserve(size_t(W) * H + 1);
    queue.push_back(frame.start);
    bool found = false;
    for (size_t head = 0; head < queue.size() && !found; ++head) {
        const int32_t h = queue[head];
        const int32_t row = h / W, col = h - row * W;
        const int32_t next = dist[h] + 1;
        for (size_t k = 0; k < N; ++k) {
            const int32_t r = row + moves[k].dRow, c = col + moves[k].dCol;
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

    marks.WalkBack(result, [&moves](int32_t dRow, int32_t dCol) {
        for (const GridMove& m : moves)
            if (m.dRow == dRow && m.dCol == dCol) return m.letters;
        return std::string_view();
    });
    marks.CopyInto(result);
    result.Steps = int32_t(result.Path.size());  // moves, not letters: a diagonal takes three
    result.SearchedNodes = int32_t(queue.size() - 1);  // the start's own first entry not counted
    return true;
}

}  // namespace kestrow
