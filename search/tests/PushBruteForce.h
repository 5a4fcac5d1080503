#pragma once
// An independent check of the push searches: a plain Dijkstra over (box cell, man cell)
// states, one man step per edge.

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

}  // namespace pushtest
