#include "CellMarks.h"

#include "RecordChecks.h"

namespace kestrow {

bool MakeMoveSearchFrame(const TMapData& map, const TSearchedMap& result, MoveSearchFrame& frame) {
    if (!RecordsHaveShape(map, result)) return false;
    if (int64_t(map.Width) * map.Height >= int64_t(mark::kDistanceMask)) return false;
    if (!InGrid(map.SokoPos, map.Width, map.Height) || !InGrid(map.TargetPos, map.Width, map.Height))
        return false;
    frame.width = map.Width;
    frame.height = map.Height;
    frame.start = map.SokoPos.X * map.Width + map.SokoPos.Y;
    frame.end = map.TargetPos.X * map.Width + map.TargetPos.Y;
    return true;
}

CellMarks::CellMarks(const TMapData& map, const MoveSearchFrame& frame, std::span<const int32_t> moveOffsets)
    : frame_(frame) {
    for (size_t k = 0; k < moveOffsets.size() && k < 15; ++k) offsets_[k + 1] = moveOffsets[k];
    marks_ = std::make_unique_for_overwrite<uint32_t[]>(size_t(frame.width) * frame.height);
    uint32_t* m = marks_.get();
    for (int32_t r = 0; r < frame.height; ++r) {
        const int32_t* row = map.Map[r].data();
        // A wall (or any value below 1) is blocked; a value v >= 1 starts at distance v - 1.
        for (int32_t c = 0; c < frame.width; ++c) *m++ = row[c] >= 1 ? uint32_t(row[c] - 1) : mark::kBlocked;
    }
    // A box placed off the grid cannot block anything.
    if (InGrid(map.BoxPos, frame.width, frame.height)) marks_[map.BoxPos.X * frame.width + map.BoxPos.Y] = mark::kBlocked;
    marks_[frame.start] = 0;
}

void CellMarks::CopyInto(TSearchedMap& result) const {
    const int32_t W = frame_.width;
    for (int32_t r = 0; r < frame_.height; ++r) {
        TPoint* out = result.Cells[r].data();
        const uint32_t* m = marks_.get() + size_t(r) * W;
        for (int32_t c = 0; c < W; ++c)
            out[c] = m[c] == mark::kBlocked ? TPoint{-1, 0} : TPoint{int32_t(mark::Distance(m[c])), offsets_[mark::Move(m[c])]};
    }
}

}  // namespace kestrow
