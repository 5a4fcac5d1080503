#pragma once
// The man's walks to the cell behind the box before a push: no walk when he already stands
// there, one of sixteen short fixed walks around the box when he stands next to it, and
// otherwise a breadth-first walk search of his own in which the box's cell is a wall.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "GraphSearch.h"
#include "ManWalkRegions.h"

namespace kestrow {

/// Detour codes 0 to 15 are the fixed walks of DetourText; these two follow them.
inline constexpr uint8_t kDetourNoWalk = 16;    ///< the man already stands behind the box
inline constexpr uint8_t kDetourSearched = 17;  ///< a walk found by FindManWalk

/// How the man gets behind the box: a detour code and its cost in moves (the push not counted).
struct DetourChoice {
    uint8_t Code = kDetourNoWalk;
    int32_t Cost = 0;
};

/// The walls as the man sees them (`WallMask`) and the working marks of his walk search
/// (`ManMarks`), for one push search. Cells are flat indices of a map at least 1 x 1.
class ManWalks {
public:
    /// Builds WallMask (map value - 1 per cell, values below 0 as -1) and empty ManMarks.
    explicit ManWalks(const TMapData& map);
    ManWalks(const ManWalks&) = delete;
    ManWalks& operator=(const ManWalks&) = delete;

    /// Map value - 1 of a cell: 0 free, -1 wall, 1 to 8 for the digits 2 to 9.
    int32_t WallDistance(int32_t cell) const { return wallMask_[cell]; }
    /// A cell the fixed walks may cross: distance 0 in WallMask.
    bool IsFree(int32_t cell) const { return wallMask_[cell] == 0; }

    /// The walk of the man from A to B, the cell behind the box on x, before a push in
    /// direction d (B and the box's new cell on the grid). Codes tried 16, 0 to 15, 17;
    /// nullopt when only a searched walk would do and none reaches B.
    std::optional<DetourChoice> ChooseDetour(int32_t A, int32_t B, int32_t x, int32_t d);

    /// Breadth-first walk from `from` to `to` (different cells) with `blocked` as a wall; the
    /// man's own cell counts as free whatever lies under it. On success `length` is the walk's
    /// number of moves and, when `letters` is given, it receives the walk as "l", "u", "r", "d".
    bool FindManWalk(int32_t from, int32_t to, int32_t blocked, int32_t& length, std::string* letters);

    /// The number of moves of the shortest walk from `from` to `to` with `blocked` as a wall,
    /// or -1; the same figure as FindManWalk on a map of walls and free cells, found by an A*
    /// that visits far fewer cells. Maps with digit cells take FindManWalk's figure instead.
    int32_t ShortestWalkLength(int32_t from, int32_t to, int32_t blocked);

private:
    std::optional<DetourChoice> FixedDetour(int32_t A, int32_t x, int32_t d) const;

    // ManMarks: a cell's mark counts only when its stamp is the current walk's, otherwise its
    // distance is the one in WallMask. A walk thus costs what it visits, not the whole map.
    struct ManMark {
        uint32_t stamp = 0;
        int32_t distance = 0;
        uint8_t stepCode = 0;  // direction code of the move that entered the cell
    };
    int32_t MarkDistance(int32_t cell) const {
        const ManMark& m = manMarks_[cell];
        return m.stamp == walkStamp_ ? m.distance : wallMask_[cell];
    }
    void SetMark(int32_t cell, int32_t distance, uint8_t stepCode) {
        manMarks_[cell] = ManMark{walkStamp_, distance, stepCode};
    }
    void StartNewWalk();

    int32_t width_;
    int32_t height_;
    std::vector<int32_t> wallMask_;
    std::vector<ManMark> manMarks_;
    uint32_t walkStamp_ = 0;
    bool hasDigits_ = false;          // some cell holds a map value of 2 or more
    std::vector<int32_t> walkQueue_;  // grows as needed, so every walk is exact
    std::vector<int32_t> nextLevel_;  // the A* walk's cells one estimate level up
    std::optional<ManWalkRegions> regions_;  // made at the first searched walk
};

}  // namespace kestrow
