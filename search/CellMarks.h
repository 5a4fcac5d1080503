#pragma once
// The working marks shared by the three move searches. Per cell: the distance in moves
// (blocked, 0 not entered yet, n entered after n moves) and the move by which the man entered
// it. Both live in one 32-bit word, the distance in the low 28 bits and the move as an index
// into the search's table of offsets in the high 4, so a search touches no more memory than a
// bare distance array. The result record gets (distance, offset) pairs, -1 for blocked.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "GraphSearch.h"

namespace kestrow {

/// The checks and indices every move search starts from.
struct MoveSearchFrame {
    int32_t width = 0;
    int32_t height = 0;
    int32_t start = 0;  // flat index of SokoPos
    int32_t end = 0;    // flat index of TargetPos
};

/// False when the records are malformed, too large for the marks, or a point the search
/// needs is off the grid.
bool MakeMoveSearchFrame(const TMapData& map, const TSearchedMap& result, MoveSearchFrame& frame);

namespace mark {
inline constexpr uint32_t kBlocked = 0xFFFFFFFFu;
inline constexpr uint32_t kDistanceMask = 0x0FFFFFFFu;
inline constexpr int kMoveShift = 28;

inline constexpr uint32_t Distance(uint32_t m) { return m & kDistanceMask; }
inline constexpr uint32_t Move(uint32_t m) { return m >> kMoveShift; }
/// The entering rule: a cell not entered yet, or one reached before by more moves.
inline constexpr bool MayEnter(uint32_t m, uint32_t next) {
    const uint32_t d = m & kDistanceMask;
    return d == 0 || (d > next && m != kBlocked);
}
/// Entered after `next` moves by move index `move` (1 to 8).
inline constexpr uint32_t Entered(uint32_t next, uint32_t move) { return next | (move << kMoveShift); }
}  // namespace mark

class CellMarks {
public:
    /// Move k >= 1 stands for moveOffsets[k - 1]. Distance = map value - 1 per cell, walls and
    /// the box's cell blocked; the start cell counts as the man's free cell whatever lies under it.
    CellMarks(const TMapData& map, const MoveSearchFrame& frame, std::span<const int32_t> moveOffsets);
    CellMarks(const CellMarks&) = delete;
    CellMarks& operator=(const CellMarks&) = delete;

    uint32_t* data() { return marks_.get(); }

    /// Walks back from the end to the start: Path gets the cells end first, the start left
    /// out; PathText the letters from the start on. letter(dRow, dCol) gives the text of one
    /// move (judged by rows and columns, since on a narrow map offsets coincide).
    template <class LetterOf>
    void WalkBack(TSearchedMap& result, LetterOf letter) const;

    /// Cells[r][c] := (distance, offset of the entering move) of r x Width + c.
    void CopyInto(TSearchedMap& result) const;

private:
    MoveSearchFrame frame_;
    int32_t offsets_[16] = {};  // by move index; 0 for "not entered"
    std::unique_ptr<uint32_t[]> marks_;
};

template <class LetterOf>
void CellMarks::WalkBack(TSearchedMap& result, LetterOf letter) const {
    const int32_t W = frame_.width;
    // Distances fall by at least one per step back, so the walk reaches the start within
    // distance(end) steps; the bound only guards against marks no search made.
    const uint32_t bound = mark::Distance(marks_[frame_.end]);
    result.Path.resize(bound);
    std::string reversed;
    reversed.reserve(bound);
    uint32_t moves = 0;
    for (int32_t to = frame_.end; to != frame_.start && moves < bound; ++moves) {
        const uint32_t move = mark::Move(marks_[to]);
        if (move == 0) break;
        const int32_t from = to - offsets_[move];
        const int32_t toRow = to / W, toCol = to - toRow * W;
        const int32_t fromRow = from / W, fromCol = from - fromRow * W;
        result.Path[moves] = TPoint{toRow, toCol};
        const std::string_view text = letter(toRow - fromRow, toCol - fromCol);
        for (size_t i = text.size(); i-- > 0;) reversed.push_back(text[i]);
        to = from;
    }
    result.Path.resize(moves);
    result.PathText.assign(reversed.rbegin(), reversed.rend());
}

}  // namespace kestrow
