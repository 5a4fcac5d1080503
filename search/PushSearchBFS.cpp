// Push search, breadth-first: admitted states are taken up first in, first out.

#include <memory>
#include <vector>

#include "GraphSearch.h"
#include "PushSearchContext.h"

using namespace kestrow;

namespace {

/// PushQueue: packed states appended in 1 MB chunks and never removed. Growing never copies,
/// and every chunk stays below the size from which the allocator maps fresh pages.
class PushQueue {
public:
    size_t size() const { return size_; }
    uint32_t operator[](size_t i) const { return chunks_[i >> kChunkBits][i & kChunkMask]; }
    void push_back(uint32_t state) {
        if ((size_ & kChunkMask) == 0) chunks_.push_back(std::make_unique<uint32_t[]>(kChunkMask + 1));
        chunks_.back()[size_ & kChunkMask] = state;
        ++size_;
    }

private:
    static constexpr size_t kChunkBits = 18;  // 256 Ki entries of 4 bytes
    static constexpr size_t kChunkMask = (size_t(1) << kChunkBits) - 1;
    std::vector<std::unique_ptr<uint32_t[]>> chunks_;
    size_t size_ = 0;
};

/// The breadth-first driver. Its queue is never shortened: a read position runs along it, and
/// a state whose record improves after it was queued is queued again. The queue holds only
/// (direction, cell); a state's values are read from its record when it is expanded.
class BreadthFirstPushSearch final : public PushSearchContext {
public:
    using PushSearchContext::PushSearchContext;

    bool Run(TSearchedMap& result) {
        pushQueue_.push_back(PackPushState(dirLeft, BoxStartCell()));
        for (size_t i = 0; i < pushQueue_.size(); ++i) {
            const uint32_t state = pushQueue_[i];
            ExpandPushState(PackedDir(state), PackedCell(state));
        }
        if (!HasSolution()) return false;
        BuildPushResult(result, int32_t(pushQueue_.size()));
        return true;
    }

private:
    void AdmitState(int32_t d, int32_t N, int32_t, int32_t) override { pushQueue_.push_back(PackPushState(d, N)); }

    PushQueue pushQueue_;
};

}  // namespace

bool PushSearchBFS(const TMapData& map, TSearchedMap& result, bool MovesFirst) {
    switch (CheckPushPlacement(map, result)) {
        case PushPlacement::Unsearchable: return false;
        case PushPlacement::BoxOnTarget: WriteZeroPushResult(map, result); return true;
        case PushPlacement::Searchable: break;
    }
    BreadthFirstPushSearch search(map, MovesFirst);
    return search.Run(result);
}
