#pragma once
// The A* open list: nodes kept in descending order of F, the next node always taken from
// the end. Insertion follows fixed rules (front for the largest F, end for the smallest,
// a halving search in between) that decide the order among equal F, and with it which of
// several equal paths a search reports.
//
// Stored as a row of blocks, each a small ring of at most BlockSize nodes, with a Fenwick tree
// over the blocks' counts to find the node at a position. Empty block places wait in front of
// the first block, so the two end cases and taking the last node cost O(1) (amortised) even
// on lists of many millions; a node that lands strictly between the smallest and the largest F
// costs the halving's O(log n) look-ups plus moves inside one block, so a search whose F values
// spread widely (the push search in fewest-moves mode) stays fast on long lists.
// Nodes are held by value: no allocation per node.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace kestrow {

/// Node is a small value type with a public integer member F. BlockSize: a power of two.
template <class Node, size_t BlockSize = 256>
class SortedOpenList {
    static_assert(BlockSize >= 4 && (BlockSize & (BlockSize - 1)) == 0, "BlockSize must be a power of two");

public:
    SortedOpenList() = default;
    SortedOpenList(const SortedOpenList&) = delete;
    SortedOpenList& operator=(const SortedOpenList&) = delete;

    bool empty() const { return count_ == 0; }
    size_t size() const { return count_; }
    const Node& operator[](size_t i) const {
        const auto [block, offset] = Locate(i);
        return blocks_[block].At(offset);
    }

    /// The node with the smallest F (the last one): removed and returned.
    Node TakeLast() {
        Block& last = blocks_.back();
        const Node node = last.At(last.count - 1);
        --last.count;
        --count_;
        if (last.count == 0) {
            spare_ = std::move(last.slots);  // the next block made reuses it
            blocks_.pop_back();
            if (!tree_.empty()) tree_.pop_back();  // the new last block leaves; cut at its end the tree stays valid
            if (count_ == 0) {
                blocks_.clear();
                tree_.clear();
                first_ = 0;
            }
        }
        return node;
    }

    /// Places a node by the list's insertion rules.
    void Insert(const Node& node) {
        const auto f = node.F;
        if (count_ == 0) return PushBack(node);
        if (f >= blocks_[first_].At(0).F) return PushFront(node);
        if (f <= blocks_.back().At(blocks_.back().count - 1).F) return PushBack(node);
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
    static constexpr size_t kMask = BlockSize - 1;

    struct Block {
        std::unique_ptr<Node[]> slots;
        size_t head = 0;
        size_t count = 0;
        Node& At(size_t i) { return slots[(head + i) & kMask]; }
        const Node& At(size_t i) const { return slots[(head + i) & kMask]; }
        bool Full() const { return count == BlockSize; }
        /// Inserts in front of the node now at `pos`, moving the shorter side.
        void InsertAt(size_t pos, const Node& node) {
            if (pos < count - pos) {
                head = (head - 1) & kMask;
                ++count;
                for (size_t i = 0; i < pos; ++i) At(i) = At(i + 1);
            } else {
                ++count;
                for (size_t i = count - 1; i > pos; --i) At(i) = At(i - 1);
            }
            At(pos) = node;
        }
    };

    std::unique_ptr<Node[]> NewSlots() {
        if (spare_) return std::move(spare_);
        return std::make_unique<Node[]>(BlockSize);
    }

    // Fenwick tree over the counts of the blocks between the first and the last, whose nodes come
    // and go most: tree_[k] sums the blocks (k - lowbit(k + 1), k], the places up to the first
    // block holding 0 and the last block left out. Changes to the two end blocks cost nothing.
    void TreeAdd(size_t block, ptrdiff_t delta) {  // no-op for the last block
        if (block == first_) return;
        for (size_t k = block + 1; k <= tree_.size(); k += k & (~k + 1)) tree_[k - 1] += delta;
    }
    size_t TreePrefix(size_t blocks) const {  // nodes in the first `blocks` blocks
        size_t sum = 0;
        for (size_t k = blocks; k > 0; k -= k & (~k + 1)) sum += tree_[k - 1];
        return sum;
    }
    void TreeTakeInBeforeLast() {  // after blocks_.push_back: the block before the new last joins
        const size_t k = blocks_.size() - 1;
        if (k == 0) return;
        const size_t own = k - 1 == first_ ? 0 : blocks_[k - 1].count;
        tree_.push_back(own + TreePrefix(k - 1) - TreePrefix(k - (k & (~k + 1))));
    }
    void TreeRebuild() {
        tree_.assign(blocks_.empty() ? 0 : blocks_.size() - 1, 0);
        for (size_t k = 1; k <= tree_.size(); ++k) {
            if (k - 1 != first_) tree_[k - 1] += blocks_[k - 1].count;
            const size_t up = k + (k & (~k + 1));
            if (up <= tree_.size()) tree_[up - 1] += tree_[k - 1];
        }
    }

    /// Block and offset of the node at position i.
    std::pair<size_t, size_t> Locate(size_t i) const {
        if (i < blocks_[first_].count) return {first_, i};
        const size_t lastStart = count_ - blocks_.back().count;
        if (i >= lastStart) return {blocks_.size() - 1, i - lastStart};
        i -= blocks_[first_].count;
        size_t block = 0, step = 1;
        while (step * 2 <= tree_.size()) step *= 2;
        for (; step > 0; step /= 2) {
            if (block + step <= tree_.size() && tree_[block + step - 1] <= i) {
                block += step;
                i -= tree_[block - 1];
            }
        }
        return {block, i};
    }

    void PushBack(const Node& node) {
        if (blocks_.empty() || blocks_.back().Full()) {
            blocks_.push_back(Block{NewSlots(), 0, 0});
            TreeTakeInBeforeLast();
        }
        Block& last = blocks_.back();
        last.At(last.count++) = node;
        ++count_;
    }
    void PushFront(const Node& node) {
        if (blocks_[first_].Full()) {
            if (first_ == 0) MakeRoomInFront();
            --first_;
            blocks_[first_] = Block{NewSlots(), 0, 0};
            TreeAdd(first_ + 1, ptrdiff_t(blocks_[first_ + 1].count));  // no longer the first
        }
        Block& first = blocks_[first_];
        first.head = (first.head - 1) & kMask;
        ++first.count;
        first.At(0) = node;
        ++count_;
        TreeAdd(first_, 1);
    }
    /// As many empty places in front of the first block as there are blocks.
    void MakeRoomInFront() {
        const size_t room = std::max<size_t>(blocks_.size() - first_, 16);
        std::vector<Block> moved(room + blocks_.size() - first_);
        std::move(blocks_.begin() + ptrdiff_t(first_), blocks_.end(), moved.begin() + ptrdiff_t(room));
        blocks_ = std::move(moved);
        first_ = room;
        TreeRebuild();
    }
    /// Inserts in front of the node now at `pos` (0 < pos < count_).
    void InsertAt(size_t pos, const Node& node) {
        auto [block, offset] = Locate(pos);
        if (blocks_[block].Full()) {
            SplitBlock(block);
            if (offset >= BlockSize / 2) {
                ++block;
                offset -= BlockSize / 2;
            }
        }
        blocks_[block].InsertAt(offset, node);
        ++count_;
        TreeAdd(block, 1);
    }
    /// Moves the back half of a full block into a new block right behind it.
    void SplitBlock(size_t block) {
        Block back{NewSlots(), 0, BlockSize / 2};
        Block& full = blocks_[block];
        for (size_t i = 0; i < BlockSize / 2; ++i) back.slots[i] = full.At(BlockSize / 2 + i);
        full.count = BlockSize / 2;
        blocks_.insert(blocks_.begin() + ptrdiff_t(block) + 1, std::move(back));
        TreeRebuild();
    }

    std::vector<Block> blocks_;   // in list order from first_ on, none of those empty
    size_t first_ = 0;            // empty places before it
    std::vector<size_t> tree_;    // Fenwick tree over the counts of all blocks but the last
    std::unique_ptr<Node[]> spare_;  // the slots of the last block emptied
    size_t count_ = 0;
};

}  // namespace kestrow
