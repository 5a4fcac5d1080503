#pragma once
// The working marks shared by the three move searches. Per cell: the distance in moves
// (-1 blocked, 0 not entered yet, n entered after n moves) and the move by which the man
// entered it. The move is kept as a one-byte index into the search's table of offsets, so the
// search touches little more memory than a bare distance array; the result record gets the
// (distance, offset) pairs.

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

/// False when the records are malformed or a point the search needs is off the grid.
bool MakeMoveSearchFrame(const TMapData& map, const TSearchedMap& result, MoveSearchFrame& frame);

class CellMarks {
public:
    /// Move index 0 means "not entered"; move k >= 1 stands for moveOffsets[k - 1].
    /// Distance = map value - 1 per cell, the box's cell blocked; the start cell counts as
    /// the man's free cell whatever lies under it.
    CellMarks(const TMapData& map, const MoveSearchFrame& frame, std::span<const int32_t> moveOffsets);
    CellMarks(const CellMarks&) = delete;
    CellMarks& operator=(const CellMarks&) = delete;

    int32_t* Distances() { return distance_.get(); }
    uint8_t* Moves() { return move_.get(); }
    int32_t Distance(int32_t cell) const { return distance_[cell]; }

    /// Walks back from the end to the start: Path gets the cells end first, the start left
    /// out; PathText the letters from the start on. letter(dRow, dCol) gives the text of one
    /// move (judged by rows and columns, since on a narrow map offsets coincide).
    template <class LetterOf>
    void WalkBack(TSearchedMap& result, LetterOf letter) const;

    /// Cells[r][c] := (distance, offset of the entering move) of r x Width + c.
    void CopyInto(TSearchedMap& result) const;

private:
    int32_t OffsetOf(int32_t cell) const { return offsets_[move_[cell]]; }

    MoveSearchFrame frame_;
    int32_t offsets_[9] = {};  // by move index; 0 for "not entered"
    std::unique_ptr<int32_t[]> distance_;
    std::unique_ptr<uint8_t[]> move_;
};

template <class LetterOf>
void CellMarks::WalkBack(TSearchedMap& result, LetterOf letter) const {
    const int32_t W = frame_.width;
    // Distances fall by at least one per step back, so the walk reaches the start within
    // distance(end) steps; the bound only guards against marks no search made.
    const int32_t bound = distance_[frame_.end] > 0 ? distance_[frame_.end] : 0;
    result.Path.resize(size_t(bound));
    std::string reversed;
    reversed.reserve(size_t(bound));
    int32_t moves = 0;
    for (int32_t to = frame_.end; to != frame_.start && moves < bound && move_[to] != 0; ++moves) {
        const int32_t from = to - OffsetOf(to);
        const int32_t toRow = to / W, toCol = to - toRow * W;
        const int32_t fromRow = from / W, fromCol = from - fromRow * W;
        result.Path[moves] = TPoint{toRow, toCol};
        const std::string_view text = letter(toRow - fromRow, toCol - fromCol);
        for (size_t i = text.size(); i-- > 0;) reversed.push_back(text[i]);
        to = from;
    }
    result.Path.resize(size_t(moves));
    result.PathText.assign(reversed.rbegin(), reversed.rend());
}

}  // namespace kestrow
