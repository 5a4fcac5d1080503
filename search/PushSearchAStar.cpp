// Push search, A*: admitted states are taken up in the order of the estimate
// F = distance of the box to the end point + the state's pushes (BP) or moves (BM).

#include "GraphSearch.h"
#include "PushSearchContext.h"
#include "SortedOpenList.h"

using namespace kestrow;

namespace {

/// One admission of a state, waiting in the open list.
struct PushNode {
    uint32_t State;  // PackPushState(Dir, Cell)
    int32_t F;
};

/// The A* driver. There is no closed set: a state has one node for every time its record
/// improved, and a node's expansion reads the record as it then stands.
class AStarPushSearch final : public PushSearchContext {
public:
    using PushSearchContext::PushSearchContext;

    bool Run(TSearchedMap& result) {
        InsertOpenNode(PushNode{PackPushState(dirLeft, BoxStartCell()), ManhattanToEnd(BoxStartCell())});
        admitted_ = 1;
        while (!openList_.empty()) {
            const PushNode node = openList_.TakeLast();
            ExpandPushState(PackedDir(node.State), PackedCell(node.State));
        }
        if (!HasSolution()) return false;
        BuildPushResult(result, admitted_);
        return true;
    }

private:
    void AdmitState(int32_t d, int32_t N, int32_t pushes, int32_t moves) override {
        InsertOpenNode(PushNode{PackPushState(d, N), ManhattanToEnd(N) + (MovesFirst() ? moves : pushes)});
        ++admitted_;
    }
    void InsertOpenNode(const PushNode& node) { openList_.Insert(node); }

    SortedOpenList<PushNode> openList_;
    int32_t admitted_ = 0;  // SearchedNodes: states admitted, the start included
};

}  // namespace

bool PushSearchAStar(const TMapData& map, TSearchedMap& result, bool MovesFirst) {
    switch (CheckPushPlacement(map, result)) {
        case PushPlacement::Unsearchable: return false;
        case PushPlacement::BoxOnTarget: WriteZeroPushResult(map, result); return true;
        case PushPlacement::Searchable: break;
    }
    AStarPushSearch search(map, MovesFirst);
    return search.Run(result);
}
