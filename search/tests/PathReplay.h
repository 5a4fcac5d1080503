#pragma once
// Plays a path text on its map from the start, as a check of any search's result that does
// not trust the search: cells with map value 0 and the grid's edge stop the man and the box.

#include <cstdint>
#include <string>
#include <vector>

#include "GraphSearch.h"

namespace searchtest {

/// Empty `problem` when every step was legal and the path ended where it must.
struct TReplay {
    std::string problem;
    std::vector<TPoint> cells;  // the man's cell after each move, or the box's after each push
    int32_t moves = 0;          // every step of the man, pushes included
    int32_t pushes = 0;
};

/// Moves only: l u r d and the diagonals (0) to (3); never onto the box; ends on the end point.
TReplay ReplayMovePath(const TMapData& map, const std::string& pathText);

/// Moves and pushes (upper case): a push moves the box one cell ahead onto an open cell, a move
/// never enters the box's cell; the box ends on the end point.
TReplay ReplayPushPath(const TMapData& map, const std::string& pathText);

}  // namespace searchtest
