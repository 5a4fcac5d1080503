#pragma once
// The working marks shared by the three move searches: per cell the distance in moves
// (-1 blocked, 0 not entered yet, n entered after n moves) and the step, the offset of the
// flat index by which the man entered the cell. A mark is a TPoint (X distance, Y step), the
// same pair the result record's Cells holds, so the copy out is a copy of rows.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

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
    /// Distance = map value - 1 per cell, the box's cell blocked; the start cell counts as
    /// the man's free cell whatever lies under it.
    CellMarks(const TMapData& map, const MoveSearchFrame& frame);
    CellMarks(const CellMarks&) = delete;
    CellMarks& operator=(const CellMarks&) = delete;

    TPoint* data() { return marks_.get(); }
    TPoint& operator[](int32_t i) { return marks_[i]; }

    /// Walks back from the end to the start along the steps: Path gets the cells end first,
    /// the start left out; PathText the letters from the start on. letter(dRow, dCol) gives the
    /// text of one move (judged by rows and columns, since on a narrow map offsets coincide).
    template <class LetterOf>
    void WalkBack(const MoveSearchFrame& frame, TSearchedMap& result, LetterOf letter) const;

    /// Cells[r][c] := the mark of r x Width + c.
    void CopyInto(TSearchedMap& result) const;

private:
    std::vector<int32_t> TraceBack(const MoveSearchFrame& frame) const;

    int32_t width_;
    int32_t height_;
    std::unique_ptr<TPoint[]> marks_;
};

template <class LetterOf>
void CellMarks::WalkBack(const MoveSearchFrame& frame, TSearchedMap& result, LetterOf letter) const {
    const std::vector<int32_t> cells = TraceBack(frame);  // end first, start left out
    result.Path.resize(cells.size());
    for (size_t i = 0; i < cells.size(); ++i)
        result.Path[i] = TPoint{cells[i] / width_, cells[i] % width_};
    result.PathText.clear();
    for (size_t i = cells.size(); i-- > 0;) {
        const int32_t to = cells[i], from = to - marks_[to].Y;
        result.PathText += letter(to / width_ - from / width_, to % width_ - from % width_);
    }
}

}  // namespace kestrow
