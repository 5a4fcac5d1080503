#pragma once
// What the two push searches share: the push states with their records, the push trial with
// its pruning and improvement rules, and the assembly of the result. A driver (breadth-first
// or A*) decides only the order in which admitted states are taken up.
//
// A push state is a box cell together with the direction of the push that put the box there;
// the man then stands on the cell the box left, so a state fixes his cell exactly.

#include <cstdint>
#include <vector>

#include "GraphSearch.h"
#include "ManWalk.h"

namespace kestrow {

/// The best way found so far to one push state.
struct PushRecord {
    int32_t Pushes = 0;     ///< -1 wall, 0 not reached, n >= 1 pushes
    int32_t Moves = 0;      ///< moves of that way, pushes included; 0 while not reached
    int32_t ManCell = 0;    ///< the man's cell in the state: the cell the box left
    uint8_t Detour = 0;     ///< how the man got behind the box before the last push
    uint8_t ParentDir = 0;  ///< layer of the state the last push was made from; 0 at the start
    uint8_t Expanded = 0;   ///< 1 once the state was taken up with these values
};
static_assert(sizeof(PushRecord) <= 16, "four layers of a 1000 x 1000 map must stay near 64 MB");

/// A push state packed in one word, for the queues: the box cell and the layer's direction.
/// Cells stay below 2^30 (RecordsHaveShape), so the two fit.
inline uint32_t PackPushState(int32_t dir, int32_t cell) { return uint32_t(cell) << 2 | uint32_t(dir - dirLeft); }
/// The direction code of a packed state.
inline int32_t PackedDir(uint32_t state) { return dirLeft + int32_t(state & 3u); }
/// The box cell of a packed state.
inline int32_t PackedCell(uint32_t state) { return int32_t(state >> 2); }

/// What a push search may do with the records it was handed.
enum class PushPlacement {
    Unsearchable,  ///< malformed records, a point off the grid, the box not on a free cell, or the man on the box
    BoxOnTarget,   ///< the box already stands on the end point
    Searchable,
};
/// Judges the records before anything is indexed.
PushPlacement CheckPushPlacement(const TMapData& map, const TSearchedMap& result);

/// The result of a box that needs no push: no path, SearchedNodes 1, Cells (-1, -1) on walls
/// and (0, 0) elsewhere.
void WriteZeroPushResult(const TMapData& map, TSearchedMap& result);

/// The per-call working state of one push search; the driver supplies AdmitState.
/// Expects a map that CheckPushPlacement found Searchable.
class PushSearchContext {
public:
    PushSearchContext(const TMapData& map, bool movesFirst);
    PushSearchContext(const PushSearchContext&) = delete;
    PushSearchContext& operator=(const PushSearchContext&) = delete;
    virtual ~PushSearchContext() = default;

    /// The four push trials of the state (pd, x), in the order up, down, left, right. A state
    /// taken up again before its record improved is skipped: records and the best solution only
    /// get better, so every trial would be rejected the second time.
    void ExpandPushState(int32_t pd, int32_t x);

    /// Rows and columns between a cell and the end point.
    int32_t ManhattanToEnd(int32_t cell) const;

    /// True once some push has brought the box onto the end point.
    bool HasSolution() const { return bestDir_ != 0; }

    /// Writes Cells, PathText, Steps and Path from the layers; SearchedNodes is the driver's figure.
    void BuildPushResult(TSearchedMap& result, int32_t searchedNodes);

    /// b: the box's cell in the start state.
    int32_t BoxStartCell() const { return boxStart_; }
    /// True in BM (fewest moves first), false in BP (fewest pushes first).
    bool MovesFirst() const { return movesFirst_; }

protected:
    /// Called for every state a push improves, before its record is written.
    virtual void AdmitState(int32_t d, int32_t N, int32_t pushes, int32_t moves) = 0;

private:
    /// Builds the four layers from WallMask and writes the start record.
    void InitPushSearch();
    void TryPush(int32_t pd, int32_t d, int32_t N, int32_t B, int32_t x, int32_t A, int32_t P, int32_t M);
    bool IsDeadCorner(int32_t cell) const;
    /// (pushes, moves) strictly before (otherPushes, otherMoves) in the mode's order.
    bool Better(int64_t pushes, int64_t moves, int64_t otherPushes, int64_t otherMoves) const;

    PushRecord& Record(int32_t dir, int32_t cell) { return pushLayers_[dir - dirLeft][cell]; }
    const PushRecord& Record(int32_t dir, int32_t cell) const { return pushLayers_[dir - dirLeft][cell]; }
    bool IsWall(int32_t cell) const { return walks_.WallDistance(cell) < 0; }

    int32_t width_;
    int32_t height_;
    int32_t manStart_;  // s
    int32_t boxStart_;  // b
    int32_t end_;       // e
    int32_t endRow_;
    int32_t endCol_;
    bool movesFirst_;
    ManWalks walks_;                             // WallMask and ManMarks
    std::vector<PushRecord> pushLayers_[4];      // one per direction code, flat-index order
    int32_t bestPushes_ = INT32_MAX;
    int32_t bestMoves_ = INT32_MAX;
    int32_t bestDir_ = 0;
};

}  // namespace kestrow
