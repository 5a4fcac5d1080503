#pragma once
// Answers "can the man get from one cell to another without crossing the box's cell" in
// constant time, from one depth-first pass over the open cells. A walk search that cannot
// reach its goal explores the man's whole region; on a large map a few thousand such
// pushes would cost more than the rest of a push search together.

#include <cstdint>
#include <vector>

namespace kestrow {

class ManWalkRegions {
public:
    /// One pass over the cells whose wall distance (map value - 1) is 0 or more.
    ManWalkRegions(const std::vector<int32_t>& wallDistance, int32_t width, int32_t height);

    /// False only when every walk from `from` to `to` crosses `blocked` or leaves the open
    /// cells. A closed cell among the three gives true: the question is then left to the walk.
    bool MayConnect(int32_t from, int32_t to, int32_t blocked) const;

private:
    // Depth-first tree facts of one cell. A closed cell has enter -1.
    struct Place {
        int32_t component = -1;
        int32_t enter = -1;  // visiting order
        int32_t leave = -1;  // one past the last visiting order of the cell's subtree
        uint8_t cutChildren = 0;  // bit k: the child in direction dirLeft + k is cut off without this cell
    };

    /// Which piece `cell` falls in once `cut` is taken away: the direction index of the child
    /// subtree that holds it, or 4 for the rest of the component.
    int PieceWithout(int32_t cell, int32_t cut) const;

    int32_t width_;
    std::vector<Place> places_;
};

}  // namespace kestrow
