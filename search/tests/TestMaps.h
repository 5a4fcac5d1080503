#pragma once
// Small maps for the search tests, built from text pictures: '#' wall, '.' free, '@' the man,
// '$' the box, '+' the end point, '*' the box on the end point, '2'..'9' map values.

#include <ostream>
#include <string>
#include <vector>

#include "GraphSearch.h"

// Readable positions in test failures.
inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }

namespace searchtest {

inline TMapData OpenMap(int32_t width, int32_t height) {
    TMapData map;
    map.Width = width;
    map.Height = height;
    map.Map.assign(height, std::vector<int32_t>(width, 1));
    return map;
}

inline TMapData MapFromPicture(const std::vector<std::string>& rows) {
    TMapData map = OpenMap(int32_t(rows[0].size()), int32_t(rows.size()));
    for (int32_t r = 0; r < map.Height; ++r) {
        for (int32_t c = 0; c < map.Width; ++c) {
            const char ch = rows[r][c];
            if (ch == '#') map.Map[r][c] = 0;
            if (ch >= '2' && ch <= '9') map.Map[r][c] = ch - '0';
            if (ch == '@') map.SokoPos = {r, c};
            if (ch == '$' || ch == '*') map.BoxPos = {r, c};
            if (ch == '+' || ch == '*') map.TargetPos = {r, c};
        }
    }
    return map;
}

/// A result record sized for the map, as the window sizes it, every pair set to `fill`.
inline TSearchedMap ResultFor(const TMapData& map, TPoint fill = {0, 0}) {
    TSearchedMap result;
    result.Cells.assign(map.Height, std::vector<TPoint>(map.Width, fill));
    return result;
}

using MoveSearch = bool (*)(const TMapData&, TSearchedMap&);
using PushSearch = bool (*)(const TMapData&, TSearchedMap&, bool);

}  // namespace searchtest
