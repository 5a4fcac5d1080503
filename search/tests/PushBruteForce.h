#pragma once
// An independent check of the push searches: a plain Dijkstra over (box cell, man cell)
// states, one man step per edge, and a replay of a path text on the map.

#include <cstdint>
#include <string>
#include <vector>

#include "GraphSearch.h"

namespace pushtest {

/// The least (pushes, moves) pair of any push path in the mode's order; found false when
/// the box cannot reach the end point. Cells with map value 0 are walls, all others open.
struct PushOptimum {
    bool found = false;
    int32_t pushes = 0;
    int32_t moves = 0;
};
PushOptimum BruteForcePushOptimum(const TMapData& map, bool movesFirst);

/// Plays a path text from the map's start: every move onto an open cell that is not the box,
/// every push onto the box and the box onto an open cell, the box on the end point at the end.
/// Empty `problem` when all of that holds; `boxCells` gets the box's cell after each push.
struct Replay {
    std::string problem;
    std::vector<TPoint> boxCells;
};
Replay ReplayPushPath(const TMapData& map, const std::string& pathText);

}  // namespace pushtest
