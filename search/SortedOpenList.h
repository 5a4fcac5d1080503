#pragma once
// The A* open list: nodes kept in descending order of F, the next node always taken from
// the end. Insertion follows fixed rules (front for the largest F, end for the smallest,
// a halving search in between) that decide the order among equal F, and with it which of
// several equal paths a search reports.
//
// Stored as a growable ring, so the two end cases and taking the last node cost O(1);
// only a node that lands strictly between the smallest and largest F moves the nodes on the
// shorter side of its place. Nodes are held by value: no allocation per node.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

namespace kestrow {

/// Node is a small value type with a public integer member F.
template <class Node>
class SortedOpenList {
public:
    SortedOpenList() = default;
    SortedOpenList(const SortedOpenList&) = delete;
    SortedOpenList& operator=(const SortedOpenList&) = delete;

    bool empty() const { return count_ == 0; }
    size_t size() const { return count_; }
    const Node& operator[](size_t i) const { return slots_[(head_ + i) & mask_]; }

    /// The node with the smallest F (the last one): removed and returned.
    Node TakeLast() {
        --count_;
        return slots_[(head_ + count_) & mask_];
    }

    /// Places a node by the list's insertion rules.
    void Insert(const Node& node) {
        const auto f = node.F;
        if (count_ == 0) return PushBack(node);
        if (f >= (*this)[0].F) return PushFront(node);
        if (f <= (*this)[count_ - 1].F) return PushBack(node);
        // F(0) > f > F(n - 1): halve until an equal node is met or the gap closes.
        size_t lo = 0, hi = count_ - 1;
        do {
            const size_t mid = lo + (hi - lo) / 2;
            const auto fm = (*this)[mid].F;
            if (f < fm) {
                lo = mid;
            } else if (f > fm) {
                hi = mid;
            } else {
                return InsertAt(mid, node);  // just in front of the equal node
            }
        } while (hi - lo > 1);
        InsertAt(hi, node);
    }

private:
    void Grow() {
        const size_t capacity = capacity_ == 0 ? 64 : capacity_ * 2;
        auto grown = std::make_unique<Node[]>(capacity);
        for (size_t i = 0; i < count_; ++i) grown[i] = (*this)[i];
        slots_ = std::move(grown);
        head_ = 0;
        capacity_ = capacity;
        mask_ = capacity - 1;
    }
    bool Full() const { return count_ == capacity_; }
    Node& At(size_t i) { return slots_[(head_ + i) & mask_]; }

    void PushBack(const Node& node) {
        if (Full()) Grow();
        At(count_) = node;
        ++count_;
    }
    void PushFront(const Node& node) {
        if (Full()) Grow();
        head_ = (head_ - 1) & mask_;
        ++count_;
        At(0) = node;
    }
    /// Inserts in front of the node now at `pos`, moving the shorter side.
    void InsertAt(size_t pos, const Node& node) {
        if (Full()) Grow();
        if (pos < count_ - pos) {
            head_ = (head_ - 1) & mask_;
            ++count_;
            for (size_t i = 0; i < pos; ++i) At(i) = At(i + 1);
        } else {
            ++count_;
            for (size_t i = count_ - 1; i > pos; --i) At(i) = At(i - 1);
        }
        At(pos) = node;
    }

    std::unique_ptr<Node[]> slots_;
    size_t head_ = 0;
    size_t count_ = 0;
    size_t capacity_ = 0;  // a power of two once allocated
    size_t mask_ = 0;      // capacity_ - 1
};

}  // namespace kestrow
