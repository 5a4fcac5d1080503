#pragma once
// Checks the searches make before they index anything, so that a malformed record or a
// point off the grid gives false instead of a read outside the arrays.

#include "GraphSearch.h"

namespace kestrow {

inline bool InGrid(TPoint p, int32_t width, int32_t height) {
    return p.X >= 0 && p.Y >= 0 && p.X < height && p.Y < width;
}

/// Map holds Height rows of Width values and Cells at least as much.
inline bool RecordsHaveShape(const TMapData& map, const TSearchedMap& result) {
    const int32_t w = map.Width, h = map.Height;
    if (w <= 0 || h <= 0 || int64_t(w) * h > INT32_MAX / 2) return false;
    if (map.Map.size() < size_t(h) || result.Cells.size() < size_t(h)) return false;
    for (int32_t r = 0; r < h; ++r)
        if (map.Map[r].size() < size_t(w) || result.Cells[r].size() < size_t(w)) return false;
    return true;
}

}  // namespace kestrow
