// Fewest moves, four directions, breadth-first: a cell tries left, up, right, down.

#include "BreadthFirstMoves.h"
#include "Directions.h"

using namespace kestrow;

namespace {

constexpr GridMove FromDirection(const DirectionInfo& d) { return {d.dRow, d.dCol, std::string_view(&d.moveLetter, 1)}; }

// In direction-code order.
constexpr GridMove kMoves4[4] = {FromDirection(kDirections[0]), FromDirection(kDirections[1]),
                                 FromDirection(kDirections[2]), FromDirection(kDirections[3])};

}  // namespace

bool MoveSearchBFS4(const TMapData& map, TSearchedMap& result) { return BreadthFirstMoveSearch(map, result, kMoves4); }
