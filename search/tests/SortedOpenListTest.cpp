#include "SortedOpenList.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct Node {
    int32_t Id;
    int32_t F;
};

// The insertion rules applied literally to a plain array.
struct ArrayList {
    std::vector<Node> v;
    void Insert(Node n) {
        const int32_t f = n.F;
        if (v.empty()) { v.push_back(n); return; }
        if (f >= v.front().F) { v.insert(v.begin(), n); return; }
        if (f <= v.back().F) { v.push_back(n); return; }
        size_t lo = 0, hi = v.size() - 1;
        do {
            size_t mid = (lo + hi) / 2;
            if (f < v[mid].F) lo = mid;
            else if (f > v[mid].F) hi = mid;
            else { v.insert(v.begin() + mid, n); return; }
        } while (hi - lo > 1);
        v.insert(v.begin() + hi, n);
    }
    Node TakeLast() { Node n = v.back(); v.pop_back(); return n; }
};

std::vector<int32_t> Fs(const kestrow::SortedOpenList<Node>& list) {
    std::vector<int32_t> out;
    for (size_t i = 0; i < list.size(); ++i) out.push_back(list[i].F);
    return out;
}

TEST(SortedOpenList, PlacesNodesByTheInsertionRules) {
    struct Case { int32_t f; std::vector<int32_t> expected; int32_t at; };
    const Case cases[] = {
        {5, {10, 8, 6, 5, 4}, 3},   // between 6 and 4
        {6, {10, 8, 6, 6, 4}, 2},   // in front of the equal 6
        {10, {10, 10, 8, 6, 4}, 0}, // the largest goes first
        {12, {12, 10, 8, 6, 4}, 0},
        {4, {10, 8, 6, 4, 4}, 4},   // the smallest goes last
        {1, {10, 8, 6, 4, 1}, 4},
    };
    for (const Case& c : cases) {
        kestrow::SortedOpenList<Node> list;
        for (int32_t f : {10, 4}) list.Insert({0, f});
        list.Insert({0, 8});
        list.Insert({0, 6});
        ASSERT_EQ(Fs(list), (std::vector<int32_t>{10, 8, 6, 4}));
        list.Insert({99, c.f});
        EXPECT_EQ(Fs(list), c.expected) << "f = " << c.f;
        EXPECT_EQ(list[c.at].Id, 99) << "f = " << c.f;
    }
}

TEST(SortedOpenList, EqualFTieOrder) {
    kestrow::SortedOpenList<Node> list;
    list.Insert({1, 5});
    EXPECT_EQ(list.size(), 1u);
    list.Insert({2, 5});  // all equal: to the front, taken after the first (FIFO)
    list.Insert({3, 7});
    list.Insert({4, 5});  // equal to the smallest with a larger present: taken next (LIFO)
    EXPECT_EQ(list.TakeLast().Id, 4);
    EXPECT_EQ(list.TakeLast().Id, 1);
    EXPECT_EQ(list.TakeLast().Id, 2);
    EXPECT_EQ(list.TakeLast().Id, 3);
    EXPECT_TRUE(list.empty());
}

TEST(SortedOpenList, MatchesThePlainArrayOnRandomWork) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        const int32_t spread = 1 + int32_t(seed % 9);
        kestrow::SortedOpenList<Node> list;
        ArrayList reference;
        int32_t id = 0;
        for (int step = 0; step < 3000; ++step) {
            if (!reference.v.empty() && rng() % 3 == 0) {
                ASSERT_EQ(list.TakeLast().Id, reference.TakeLast().Id) << "seed " << seed;
            } else {
                Node n{id++, int32_t(rng() % spread)};
                list.Insert(n);
                reference.Insert(n);
            }
            ASSERT_EQ(list.size(), reference.v.size());
        }
        for (size_t i = 0; i < list.size(); ++i) ASSERT_EQ(list[i].Id, reference.v[i].Id) << "seed " << seed;
    }
}

}  // namespace
