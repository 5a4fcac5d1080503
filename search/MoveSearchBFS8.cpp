// Fewest moves, eight directions, breadth-first; a diagonal move counts one step. Walls and
// the box block only their own cell, so a diagonal may pass between two walls.

#include "BreadthFirstMoves.h"

using namespace kestrow;

namespace {

// The straight moves first, up, left, down, right; then the diagonals.
constexpr GridMove kMoves8[8] = {
    {-1, 0, "u"}, {0, -1, "l"}, {1, 0, "d"}, {0, 1, "r"},
    {-1, -1, "(0)"}, {-1, 1, "(1)"}, {1, -1, "(2)"}, {1, 1, "(3)"},
};

}  // namespace

bool MoveSearchBFS8(const TMapData& map, TSearchedMap& result) { return BreadthFirstMoveSearch(map, result, kMoves8); }
