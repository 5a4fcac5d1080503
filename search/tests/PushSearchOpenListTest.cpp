// The push A* keeps long open lists with widely spread F, so the open list's blocked layout
// must give exactly the order of the insertion rules applied to one plain array. Tiny blocks
// make every split, new front block and emptied last block happen many times.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "SortedOpenList.h"

namespace {

struct Node {
    int32_t Id;
    int32_t F;
};

// The insertion rules applied literally to a plain array.
void PlainInsert(std::vector<Node>& v, Node n) {
    if (v.empty()) return v.push_back(n);
    if (n.F >= v.front().F) return void(v.insert(v.begin(), n));
    if (n.F <= v.back().F) return v.push_back(n);
    size_t lo = 0, hi = v.size() - 1;
    do {
        const size_t mid = (lo + hi) / 2;
        if (n.F < v[mid].F) lo = mid;
        else if (n.F > v[mid].F) hi = mid;
        else return void(v.insert(v.begin() + ptrdiff_t(mid), n));
    } while (hi - lo > 1);
    v.insert(v.begin() + ptrdiff_t(hi), n);
}

template <size_t BlockSize>
void CheckAgainstPlainArray(uint32_t seed, int32_t drift) {
    std::mt19937 rng(seed);
    const int32_t spread = 1 + int32_t(seed % 40);
    const uint32_t takeOneIn = 2 + seed % 4;  // lists that grow at different speeds
    kestrow::SortedOpenList<Node, BlockSize> list;
    std::vector<Node> plain;
    int32_t id = 0;
    for (int step = 0; step < 4000; ++step) {
        if (!plain.empty() && rng() % takeOneIn == 0) {
            ASSERT_EQ(list.TakeLast().Id, plain.back().Id) << "seed " << seed << " step " << step;
            plain.pop_back();
        } else {
            // A drifting base: rising, as the smallest F of a search does, the list grows at its
            // front; falling, at its back.
            const Node n{id++, drift * step / 200 + int32_t(rng() % spread)};
            list.Insert(n);
            PlainInsert(plain, n);
        }
        ASSERT_EQ(list.size(), plain.size());
    }
    for (size_t i = 0; i < plain.size(); ++i) ASSERT_EQ(list[i].Id, plain[i].Id) << "seed " << seed;
    while (!plain.empty()) {
        ASSERT_EQ(list.TakeLast().Id, plain.back().Id);
        plain.pop_back();
    }
    EXPECT_TRUE(list.empty());
}

TEST(OpenListBlocks, GiveThePlainArrayOrder) {
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        for (const int32_t drift : {1, -1}) {
            CheckAgainstPlainArray<4>(seed, drift);
            CheckAgainstPlainArray<16>(seed, drift);
        }
    }
}

// A list built wholly at its back (falling F), then filled in the middle: no front insertion
// or split has yet set the block counts right again.
TEST(OpenListBlocks, GrowingAtTheBackThenInTheMiddle) {
    kestrow::SortedOpenList<Node, 4> list;
    std::vector<Node> plain;
    int32_t id = 0;
    for (int32_t f = 100; f >= 60; --f) {
        list.Insert({id, f});
        PlainInsert(plain, {id++, f});
    }
    for (size_t i = 0; i < plain.size(); ++i) ASSERT_EQ(list[i].Id, plain[i].Id) << "at " << i;
    for (const int32_t f : {80, 95, 61, 70, 70, 99, 62}) {
        list.Insert({id, f});
        PlainInsert(plain, {id++, f});
        for (size_t i = 0; i < plain.size(); ++i) ASSERT_EQ(list[i].Id, plain[i].Id) << "after " << f << " at " << i;
    }
}

}  // namespace
