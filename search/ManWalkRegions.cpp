#include "ManWalkRegions.h"

#include <algorithm>

#include "Directions.h"

namespace kestrow {

ManWalkRegions::ManWalkRegions(const std::vector<int32_t>& wallDistance, int32_t width, int32_t height)
    : width_(width), places_(wallDistance.size()) {
    const auto open = [&](int32_t cell) { return wallDistance[cell] >= 0; };
    std::vector<int32_t> low(wallDistance.size(), 0);

    // An explicit stack: a winding corridor would overflow the call stack.
    struct Frame {
        int32_t cell;
        int32_t nextDir;  // index into kDirections of the next neighbour to look at
    };
    std::vector<Frame> stack;
    int32_t clock = 0;
    for (int32_t root = 0; root < int32_t(places_.size()); ++root) {
        if (!open(root) || places_[root].enter >= 0) continue;
        places_[root].component = root;
        places_[root].enter = low[root] = clock++;
        stack.push_back({root, 0});
        while (!stack.empty()) {
            Frame& top = stack.back();
            const int32_t v = top.cell;
            if (top.nextDir < 4) {
                const int32_t code = kDirections[top.nextDir++].code;
                if (!DirAllowed(code, v / width, v % width, width, height)) continue;
                const int32_t n = v + DirOffset(code, width);
                if (!open(n)) continue;
                if (places_[n].enter < 0) {
                    places_[n].component = root;
                    places_[n].enter = low[n] = clock++;
                    stack.push_back({n, 0});  // `top` is not used past this point
                } else if (stack.size() < 2 || n != stack[stack.size() - 2].cell) {
                    low[v] = std::min(low[v], places_[n].enter);
                }
                continue;
            }
            places_[v].leave = clock;
            stack.pop_back();
            if (stack.empty()) break;
            const int32_t parent = stack.back().cell;
            low[parent] = std::min(low[parent], low[v]);
            // No back edge from v's subtree climbs above the parent: the parent cuts it off.
            if (low[v] >= places_[parent].enter) {
                for (int k = 0; k < 4; ++k)
                    if (DirAllowed(kDirections[k].code, parent / width, parent % width, width, height) &&
                        parent + DirOffset(kDirections[k].code, width) == v)
                        places_[parent].cutChildren |= uint8_t(1u << k);
            }
        }
    }
}

int ManWalkRegions::PieceWithout(int32_t cell, int32_t cut) const {
    const int32_t order = places_[cell].enter;
    const uint8_t children = places_[cut].cutChildren;
    for (int k = 0; k < 4; ++k) {
        if (!(children & (1u << k))) continue;
        const Place& child = places_[cut + DirOffset(kDirections[k].code, width_)];
        if (child.enter <= order && order < child.leave) return k;
    }
    return 4;
}

bool ManWalkRegions::MayConnect(int32_t from, int32_t to, int32_t blocked) const {
    const Place &a = places_[from], &b = places_[to], &x = places_[blocked];
    if (a.enter < 0 || b.enter < 0 || x.enter < 0) return true;
    if (a.component != b.component) return false;
    if (x.component != a.component) return true;
    return PieceWithout(from, blocked) == PieceWithout(to, blocked);
}

}  // namespace kestrow
