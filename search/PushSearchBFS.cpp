// Push search, breadth-first: admitted states are taken up first in, first out.

#include <vector>

#include "GraphSearch.h"
#include "PushSearchContext.h"

using namespace kestrow;

namespace {

/// The breadth-first driver. Its queue is never shortened: a read position runs along it, and
/// a state whose record improves after it was queued is queued again. The queue holds only
/// (direction, cell); a state's values are read from its record when it is expanded.
class BreadthFirstPushSearch final : public PushSearchContext {
public:
    using PushSearchContext::PushSearchContext;

    bool Run(TSearchedMap& result) {
        pushQueue_.push_back(PackPushState(dirLeft, BoxStartCell()));
        for (size_t i = 0; i < pushQueue_.size(); ++i)
            ExpandPushState(PackedDir(pushQueue_[i]), PackedCell(pushQueue_[i]));
        if (!HasSolution()) return false;
        BuildPushResult(result, int32_t(pushQueue_.size()));
        return true;
    }

private:
    void AdmitState(int32_t d, int32_t N, int32_t, int32_t) override { pushQueue_.push_back(PackPushState(d, N)); }

    std::vector<uint32_t> pushQueue_;
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
