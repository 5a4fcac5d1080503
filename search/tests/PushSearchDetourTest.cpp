// The man's walks: the detour chosen for each push, the walk search against a plain
// breadth-first search, and the constant-time "can he get round the box" answer.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "GraphSearch.h"
#include "ManWalk.h"
#include "ManWalkRegions.h"
#include "TestMaps.h"

using kestrow::DetourChoice;
using kestrow::ManWalkRegions;
using kestrow::ManWalks;

namespace {

TMapData OpenMap(int32_t width, int32_t height) {
    TMapData map;
    map.Width = width;
    map.Height = height;
    map.Map.assign(height, std::vector<int32_t>(width, 1));
    return map;
}

// Plays move letters from a cell; nullopt when a move leaves the grid, hits a wall or the box.
std::optional<TPoint> Walk(const TMapData& map, TPoint from, TPoint box, const std::string& letters) {
    TPoint at = from;
    for (char ch : letters) {
        TPoint next = at;
        if (ch == 'l') --next.Y;
        if (ch == 'r') ++next.Y;
        if (ch == 'u') --next.X;
        if (ch == 'd') ++next.X;
        if (next.X < 0 || next.Y < 0 || next.X >= map.Height || next.Y >= map.Width) return std::nullopt;
        if (map.Map[next.X][next.Y] != 1 || next == box) return std::nullopt;
        at = next;
    }
    return at;
}

// Fewest moves from `from` to `to` avoiding walls and `blocked`; -1 when out of reach.
int32_t PlainDistance(const TMapData& map, TPoint from, TPoint to, TPoint blocked) {
    std::vector<std::vector<int32_t>> dist(map.Height, std::vector<int32_t>(map.Width, -1));
    std::deque<TPoint> queue{from};
    dist[from.X][from.Y] = 0;
    while (!queue.empty()) {
        const TPoint p = queue.front();
        queue.pop_front();
        if (p == to) return dist[p.X][p.Y];
        for (const TPoint step : {TPoint{0, -1}, TPoint{-1, 0}, TPoint{0, 1}, TPoint{1, 0}}) {
            const TPoint n{p.X + step.X, p.Y + step.Y};
            if (n.X < 0 || n.Y < 0 || n.X >= map.Height || n.Y >= map.Width) continue;
            if (map.Map[n.X][n.Y] != 1 || n == blocked || dist[n.X][n.Y] >= 0) continue;
            dist[n.X][n.Y] = dist[p.X][p.Y] + 1;
            queue.push_back(n);
        }
    }
    return -1;
}

struct DetourCase {
    const char* name;
    TPoint box;
    int32_t push;
    TPoint man;                 // relative to the box
    std::vector<TPoint> walls;  // relative to the box
    int code;                   // -1: the push is impossible
    int32_t cost;
};

// On an open 7 x 7 map. The man's side and the push direction pick the codes; a blocked
// first choice falls to the second, then to the walk search.
const DetourCase kDetourCases[] = {
    {"OnB", {3, 3}, dirRight, {0, -1}, {}, 16, 0},
    {"Down_ManRight", {3, 3}, dirDown, {0, 1}, {}, 0, 2},
    {"Right_ManBelow", {3, 3}, dirRight, {1, 0}, {}, 1, 2},
    {"Down_ManLeft", {3, 3}, dirDown, {0, -1}, {}, 2, 2},
    {"Left_ManBelow", {3, 3}, dirLeft, {1, 0}, {}, 3, 2},
    {"Up_ManRight", {3, 3}, dirUp, {0, 1}, {}, 4, 2},
    {"Right_ManAbove", {3, 3}, dirRight, {-1, 0}, {}, 5, 2},
    {"Up_ManLeft", {3, 3}, dirUp, {0, -1}, {}, 6, 2},
    {"Left_ManAbove", {3, 3}, dirLeft, {-1, 0}, {}, 7, 2},
    {"Right_ManRight", {3, 3}, dirRight, {0, 1}, {}, 8, 4},
    {"Right_ManRight_AboveBlocked", {3, 3}, dirRight, {0, 1}, {{-1, -1}}, 9, 4},
    {"Right_ManRight_TopRow", {0, 3}, dirRight, {0, 1}, {}, 9, 4},
    {"Left_ManLeft", {3, 3}, dirLeft, {0, -1}, {}, 10, 4},
    {"Left_ManLeft_AboveBlocked", {3, 3}, dirLeft, {0, -1}, {{-1, 1}}, 11, 4},
    {"Down_ManBelow", {3, 3}, dirDown, {1, 0}, {}, 12, 4},
    {"Down_ManBelow_LeftBlocked", {3, 3}, dirDown, {1, 0}, {{-1, -1}}, 13, 4},
    {"Up_ManAbove", {3, 3}, dirUp, {-1, 0}, {}, 14, 4},
    {"Up_ManAbove_LeftBlocked", {3, 3}, dirUp, {-1, 0}, {{0, -1}}, 15, 4},
    {"Down_ManRight_CornerBlocked", {3, 3}, dirDown, {0, 1}, {{-1, 1}}, 17, 6},
    {"Right_ManRight_BothSidesBlocked", {3, 3}, dirRight, {0, 1}, {{-1, 0}, {1, 0}}, 17, 6},
    {"Left_ManDiagonalToB", {3, 3}, dirLeft, {-1, 2}, {}, 17, 2},
    {"Right_NoWayRound", {3, 3}, dirRight, {0, 1}, {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}, {0, 2}}, -1, 0},
};

class ChooseDetourCases : public testing::TestWithParam<DetourCase> {};

TEST_P(ChooseDetourCases, PickTheFirstCodeThatApplies) {
    const DetourCase& c = GetParam();
    TMapData map = OpenMap(7, 7);
    for (const TPoint w : c.walls) map.Map[c.box.X + w.X][c.box.Y + w.Y] = 0;
    const int32_t W = map.Width;
    const TPoint man{c.box.X + c.man.X, c.box.Y + c.man.Y};
    const int32_t x = c.box.X * W + c.box.Y, A = man.X * W + man.Y;
    const int32_t B = c.push == dirLeft ? x + 1 : c.push == dirRight ? x - 1 : c.push == dirUp ? x + W : x - W;

    ManWalks walks(map);
    const std::optional<DetourChoice> got = walks.ChooseDetour(A, B, x, c.push);
    if (c.code < 0) {
        EXPECT_FALSE(got.has_value());
        return;
    }
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->Code, c.code);
    EXPECT_EQ(got->Cost, c.cost);

    // The walk itself must take the man from A to B over free cells, never over the box.
    std::string letters;
    if (got->Code < 16) letters = std::string(DetourText[got->Code]);
    if (got->Code == 17) {
        int32_t length = 0;
        ASSERT_TRUE(walks.FindManWalk(A, B, x, length, &letters));
        EXPECT_EQ(length, c.cost);
    }
    EXPECT_EQ(letters.size(), size_t(c.cost));
    const std::optional<TPoint> end = Walk(map, man, c.box, letters);
    ASSERT_TRUE(end.has_value()) << letters;
    EXPECT_EQ(end->X * W + end->Y, B) << letters;
}

INSTANTIATE_TEST_SUITE_P(Detours, ChooseDetourCases, testing::ValuesIn(kDetourCases),
                         [](const auto& info) { return std::string(info.param.name); });

TMapData RandomMap(std::mt19937& rng) {
    TMapData map = OpenMap(1 + int32_t(rng() % 9), 1 + int32_t(rng() % 9));
    const uint32_t percent = rng() % 45;
    for (auto& row : map.Map)
        for (auto& v : row) v = rng() % 100 < percent ? 0 : 1;
    return map;
}

TPoint RandomOpenCell(const TMapData& map, std::mt19937& rng) {
    for (;;) {
        const TPoint p{int32_t(rng() % map.Height), int32_t(rng() % map.Width)};
        if (map.Map[p.X][p.Y] == 1) return p;
    }
}

bool HasOpenCells(const TMapData& map, int n) {
    for (const auto& row : map.Map)
        for (int32_t v : row) n -= v == 1;
    return n <= 0;
}

// Many walks on one object, so that marks left by a walk must not leak into the next; each
// against a plain search, the letters replayed on the map, the length-only walk alike.
TEST(FindManWalk, MatchesAPlainSearchWalkAfterWalk) {
    std::mt19937 rng(20240611);
    for (int m = 0; m < 150; ++m) {
        const TMapData map = RandomMap(rng);
        if (!HasOpenCells(map, 3)) continue;
        ManWalks walks(map);
        for (int k = 0; k < 25; ++k) {
            const TPoint from = RandomOpenCell(map, rng), to = RandomOpenCell(map, rng), box = RandomOpenCell(map, rng);
            if (from == to || from == box || to == box) continue;
            const int32_t W = map.Width;
            const int32_t expected = PlainDistance(map, from, to, box);
            int32_t length = -1;
            std::string letters;
            const bool found = walks.FindManWalk(from.X * W + from.Y, to.X * W + to.Y, box.X * W + box.Y, length, &letters);
            ASSERT_EQ(found, expected >= 0) << "map " << m << " walk " << k;
            EXPECT_EQ(walks.ShortestWalkLength(from.X * W + from.Y, to.X * W + to.Y, box.X * W + box.Y), expected)
                << "map " << m << " walk " << k;
            if (!found) continue;
            EXPECT_EQ(length, expected);
            EXPECT_EQ(letters.size(), size_t(expected));
            const std::optional<TPoint> end = Walk(map, from, box, letters);
            ASSERT_TRUE(end.has_value()) << letters;
            EXPECT_EQ(*end, to);
        }
    }
}

// The front of an open 600 x 600 walk is far longer than a fixed ring would hold.
TEST(FindManWalk, StaysExactOnALargeOpenMap) {
    const TMapData map = OpenMap(600, 600);
    ManWalks walks(map);
    int32_t length = 0;
    ASSERT_TRUE(walks.FindManWalk(0, 600 * 600 - 1, 300 * 600 + 300, length, nullptr));
    EXPECT_EQ(length, 1198);
    ASSERT_TRUE(walks.FindManWalk(299 * 600 + 300, 301 * 600 + 300, 300 * 600 + 300, length, nullptr));
    EXPECT_EQ(length, 4);
    EXPECT_EQ(walks.ShortestWalkLength(0, 600 * 600 - 1, 300 * 600 + 300), 1198);
}

TEST(ManWalkRegions, AnswersExactlyWhetherTheBoxCutsTheManOff) {
    std::mt19937 rng(77);
    for (int m = 0; m < 200; ++m) {
        const TMapData map = RandomMap(rng);
        if (!HasOpenCells(map, 3)) continue;
        const int32_t W = map.Width;
        std::vector<int32_t> wall(size_t(W) * map.Height);
        for (int32_t r = 0; r < map.Height; ++r)
            for (int32_t c = 0; c < W; ++c) wall[r * W + c] = map.Map[r][c] - 1;
        const ManWalkRegions regions(wall, W, map.Height);
        for (int k = 0; k < 40; ++k) {
            const TPoint from = RandomOpenCell(map, rng), to = RandomOpenCell(map, rng), box = RandomOpenCell(map, rng);
            if (from == to || from == box || to == box) continue;
            EXPECT_EQ(regions.MayConnect(from.X * W + from.Y, to.X * W + to.Y, box.X * W + box.Y),
                      PlainDistance(map, from, to, box) >= 0)
                << "map " << m << " from " << from.X << "," << from.Y << " to " << to.X << "," << to.Y << " box "
                << box.X << "," << box.Y;
        }
    }
}

}  // namespace
