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

CellMarks::CellMarks(const TMapData& map, const MoveSearchFrame& frame, std::span<const int32_t> moveOffsets)
    : frame_(frame) {
    const size_t cells = size_t(frame.width) * frame.height;
    for (size_t k = 0; k < moveOffsets.size() && k < 8; ++k) offsets_[k + 1] = moveOffsets[k];
    distance_ = std::make_unique_for_overwrite<int32_t[]>(cells);
    move_ = std::make_unique<uint8_t[]>(cells);
    int32_t* d = distance_.get();
    for (int32_t r = 0; r < frame.height; ++r) {
        const int32_t* row = map.Map[r].data();
        for (int32_t c = 0; c < frame.width; ++c) *d++ = row[c] - 1;
    }
    // A box placed off the grid cannot block anything.
    if (InGrid(map.BoxPos, frame.width, frame.height)) distance_[map.BoxPos.X * frame.width + map.BoxPos.Y] = -1;
    distance_[frame.start] = 0;
}

void CellMarks::CopyInto(TSearchedMap& result) const {
    const int32_t W = frame_.width;
    for (int32_t r = 0; r < frame_.height; ++r) {
        TPoint* out = result.Cells[r].data();
        const int32_t* d = distance_.get() + size_t(r) * W;
        const uint8_t* m = move_.get() + size_t(r) * W;
        for (int32_t c = 0; c < W; ++c) out[c] = TPoint{d[c], offsets_[m[c]]};
    }
}

}  // namespace kestrow
