#pragma once
// The direction table every search reads: codes, bound tests, offsets and letters.

#include <string_view>

#include "GraphSearch.h"

namespace kestrow {

struct DirectionInfo {
    int32_t code;
    int32_t dRow;
    int32_t dCol;
    char moveLetter;
};

/// In code order 37..40: left, up, right, down.
inline constexpr DirectionInfo kDirections[4] = {
    {dirLeft, 0, -1, 'l'},
    {dirUp, -1, 0, 'u'},
    {dirRight, 0, 1, 'r'},
    {dirDown, 1, 0, 'd'},
};

inline constexpr const DirectionInfo& Direction(int32_t code) { return kDirections[code - dirLeft]; }

/// Offset of the flat index for a step in direction `code` on a map `width` wide.
inline constexpr int32_t DirOffset(int32_t code, int32_t width) {
    const DirectionInfo& d = Direction(code);
    return d.dRow * width + d.dCol;
}

/// The only bound test: a step never leaves the grid or wraps to the next row.
inline constexpr bool DirAllowed(int32_t code, int32_t row, int32_t col, int32_t width, int32_t height) {
    switch (code) {
        case dirLeft: return col > 0;
        case dirUp: return row > 0;
        case dirRight: return col < width - 1;
        case dirDown: return row < height - 1;
        default: return false;
    }
}

/// The bound test by the table's row and column change; equal to DirAllowed.
inline constexpr bool InBounds(const DirectionInfo& d, int32_t row, int32_t col, int32_t width, int32_t height) {
    return row + d.dRow >= 0 && row + d.dRow < height && col + d.dCol >= 0 && col + d.dCol < width;
}

/// Letter of a one-cell step given by its change of row and column.
inline constexpr std::string_view MoveLetter(int32_t dRow, int32_t dCol) {
    if (dRow != 0) return dRow < 0 ? "u" : "d";
    return dCol < 0 ? "l" : "r";
}

}  // namespace kestrow
