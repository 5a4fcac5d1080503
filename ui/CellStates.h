#pragma once
// The display states of the map's cells and their colours.

#include <QColor>

#include <cstdint>
#include <vector>

/// What a cell shows; the search commands add the states from csPath on.
enum TCellState : int32_t {
    csRoad = 0,
    csWall = 1,
    csEnd = 2,
    csStart = 3,
    csBox = 4,
    csPath = 5,
    csSearched = 6,
    csPathAgain = 7,
};

/// One state per cell, [row][column].
using TCellStates = std::vector<std::vector<int32_t>>;

/// The colour a state is drawn in; an unknown state draws white.
inline QColor CellColour(int32_t state) {
    static const QColor colours[8] = {
        {255, 255, 255}, {0, 0, 0},       {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {255, 209, 87},  {216, 228, 248}, {207, 182, 78},
    };
    return state >= 0 && state < 8 ? colours[state] : colours[csRoad];
}
