#include "CellMarks.h"

#include <cstring>

#include "RecordChecks.h"

namespace kestrow {

bool MakeMoveSearchFrame(const TMapData& map, const TSearchedMap& result, MoveSearchFrame& frame) {
    if (!RecordsHaveShape(map, result)) return false;
    if (!InGrid(map.SokoPos, map.Width, map.Height) || !InGrid(map.TargetPos, map.Width, map.Height))
        return false;
    frame.width = map.Width;
    frame.height = map.Height;
    frame.start = map.SokoPos.X * map.Width + map.SokoPos.Y;
    frame.end = map.TargetPos.X * map.Width + map.TargetPos.Y;
    return true;
}

CellMarks::CellMarks(const TMapData& map, const MoveSearchFrame& frame)
    : width_(frame.width), height_(frame.height),
      marks_(std::make_unique_for_overwrite<TPoint[]>(size_t(frame.width) * frame.height)) {
    TPoint* mark = marks_.get();
    for (int32_t r = 0; r < height_; ++r) {
        const int32_t* row = map.Map[r].data();
        for (int32_t c = 0; c < width_; ++c) *mark++ = TPoint{row[c] - 1, 0};
    }
    // A box placed off the grid cannot block anything.
    if (InGrid(map.BoxPos, width_, height_)) marks_[map.BoxPos.X * width_ + map.BoxPos.Y].X = -1;
    marks_[frame.start].X = 0;
}

std::vector<int32_t> CellMarks::TraceBack(const MoveSearchFrame& frame) const {
    std::vector<int32_t> cells;
    cells.reserve(size_t(marks_[frame.end].X > 0 ? marks_[frame.end].X : 0));
    // Distances fall by at least one per step back, so the walk reaches the start;
    // the bound only guards against marks that were not made by a search.
    const size_t bound = size_t(width_) * height_;
    for (int32_t e = frame.end; e != frame.start && cells.size() < bound; e -= marks_[e].Y) {
        cells.push_back(e);
        if (marks_[e].Y == 0) break;
    }
    return cells;
}

void CellMarks::CopyInto(TSearchedMap& result) const {
    for (int32_t r = 0; r < height_; ++r)
        std::memcpy(result.Cells[r].data(), marks_.get() + size_t(r) * width_, sizeof(TPoint) * width_);
}

}  // namespace kestrow
