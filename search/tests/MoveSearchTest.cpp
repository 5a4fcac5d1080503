#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "GraphSearch.h"
#include "PathReplay.h"
#include "TestMaps.h"

using searchtest::MapFromPicture;
using searchtest::OpenMap;
using searchtest::ResultFor;

namespace {

using MoveSearch = std::function<bool(const TMapData&, TSearchedMap&)>;

struct NamedSearch {
    const char* name;
    MoveSearch run;
    bool diagonal;
};

const NamedSearch kBFS4{"BFS4", MoveSearchBFS4, false};
const NamedSearch kAStar4{"AStar4", MoveSearchAStar4, false};
const NamedSearch kBFS8{"BFS8", MoveSearchBFS8, true};

struct CellPair {
    TPoint cell;
    TPoint mark;
};

struct WorkedExample {
    const NamedSearch* search;
    int32_t side;  // an open side x side map
    TPoint start, end;
    std::string pathText;
    int32_t steps;
    int32_t searchedNodes;  // -1: not given
    std::vector<TPoint> path;  // empty: not given
    std::vector<CellPair> cells;
};

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

const std::vector<WorkedExample> kWorkedExamples = {
    {&kBFS4, 10, {5, 5}, {6, 6}, "rd", 2, 12, {{6, 6}, {5, 6}}, {{{5, 5}, {2, 1}}, {{6, 6}, {2, 10}}}},
    {&kBFS4, 10, {5, 5}, {5, 4}, "l", 1, 4, {{5, 4}}, {{{5, 5}, {0, 0}}}},
    {&kBFS4, 10, {0, 0}, {9, 9}, Repeat("r", 9) + Repeat("d", 9), 18, 100, {}, {}},
    {&kBFS4, 10, {5, 5}, {3, 3}, "lluu", 4, 29, {}, {}},
    {&kBFS4, 10, {5, 5}, {8, 8}, "rrrddd", 6, 74, {}, {}},
    {&kBFS4, 10, {5, 5}, {2, 8}, "uuurrr", 6, 71, {}, {}},
    {&kBFS4, 10, {5, 5}, {8, 2}, "lllddd", 6, 65, {}, {}},
    {&kAStar4, 8, {0, 0}, {0, 1}, "r", 1, 3, {{0, 1}}, {}},
    {&kAStar4, 8, {0, 0}, {1, 1}, "dr", 2, 6, {{1, 1}, {1, 0}}, {{{0, 0}, {2, -8}}, {{2, 0}, {2, 8}}}},
    {&kAStar4, 8, {0, 0}, {3, 3}, "drrrdd", 6, 16, {}, {}},
    {&kBFS8, 10, {5, 5}, {6, 6}, "(3)", 1, 8, {{6, 6}}, {{{5, 5}, {0, 0}}, {{6, 6}, {1, 11}}}},
    {&kBFS8, 10, {5, 5}, {4, 5}, "u", 1, 8, {}, {}},
    {&kBFS8, 10, {5, 5}, {7, 6}, "d(3)", 2, 18, {{7, 6}, {6, 5}}, {{{5, 5}, {2, 10}}}},
    {&kBFS8, 10, {5, 5}, {2, 8}, "(1)(1)(1)", 3, 47, {}, {}},
    {&kBFS8, 10, {5, 5}, {5, 9}, "rrrr", 4, -1, {}, {}},
    {&kBFS8, 10, {0, 0}, {9, 9}, Repeat("(3)", 9), 9, 100, {}, {{{0, 0}, {2, -10}}}},
};

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, GiveTheFiguresOfTheExample) {
    const WorkedExample& ex = GetParam();
    TMapData map = OpenMap(ex.side, ex.side);
    map.SokoPos = ex.start;
    map.TargetPos = ex.end;
    TSearchedMap result = ResultFor(map);
    ASSERT_TRUE(ex.search->run(map, result));
    EXPECT_EQ(result.PathText, ex.pathText);
    EXPECT_EQ(result.Steps, ex.steps);
    if (ex.searchedNodes >= 0) {
        EXPECT_EQ(result.SearchedNodes, ex.searchedNodes);
    }
    if (!ex.path.empty()) {
        EXPECT_EQ(result.Path, ex.path);
    }
    for (const CellPair& p : ex.cells) EXPECT_EQ(result.Cells[p.cell.X][p.cell.Y], p.mark) << p.cell.X << "," << p.cell.Y;
}

INSTANTIATE_TEST_SUITE_P(MoveSearches, WorkedExamples, testing::ValuesIn(kWorkedExamples),
                         [](const auto& info) { return std::string(info.param.search->name) + "_" + std::to_string(info.index); });

TEST(MoveSearchBFS8, TakesTheDiagonalBetweenTwoWalls) {
    TMapData map = OpenMap(10, 10);
    map.Map[5][6] = 0;
    map.Map[6][5] = 0;
    map.SokoPos = {5, 5};
    map.TargetPos = {6, 6};
    TSearchedMap result = ResultFor(map);
    ASSERT_TRUE(MoveSearchBFS8(map, result));
    EXPECT_EQ(result.PathText, "(3)");
}

TEST(MoveSearchAStar4, NextToTheEndEveryFreeNeighbourIsStillTried) {
    // Start (3, 3), end (3, 4); the box on (2, 3) and a wall on (4, 3) leave two free neighbours.
    TMapData map = OpenMap(8, 8);
    map.SokoPos = {3, 3};
    map.TargetPos = {3, 4};
    map.BoxPos = {2, 3};
    map.Map[4][3] = 0;
    TSearchedMap result = ResultFor(map);
    ASSERT_TRUE(MoveSearchAStar4(map, result));
    EXPECT_EQ(result.PathText, "r");
    EXPECT_EQ(result.SearchedNodes, 3);
}

TEST(MoveSearchAStar4, DigitCellsAreEnteredOnlyFromCloseEnough) {
    // A cell of value 4 starts at distance 3 and is entered only from a cell nearer than 2.
    TMapData map = MapFromPicture({
        "@.4.+...",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
    });
    for (const NamedSearch* s : {&kBFS4, &kAStar4}) {
        TSearchedMap result = ResultFor(map);
        ASSERT_TRUE(s->run(map, result)) << s->name;
        EXPECT_EQ(result.Steps, 4) << s->name;
        EXPECT_EQ(result.Cells[0][2], (TPoint{2, 1})) << s->name;
    }
    map.Map[0][2] = 3;  // distance 2 from the start: never improved, so it blocks the row
    TSearchedMap result = ResultFor(map);
    ASSERT_TRUE(MoveSearchBFS4(map, result));
    EXPECT_EQ(result.Cells[0][2], (TPoint{2, 0}));
    EXPECT_EQ(result.Steps, 6);
}

// The contract every move search keeps.
class MoveSearchContract : public testing::TestWithParam<const NamedSearch*> {
protected:
    TMapData map = MapFromPicture({
        "........",
        "..@.....",
        "...$....",
        "........",
        ".....#..",
        "....#+#.",
        ".....#..",
        "........",
    });
    bool Run(TSearchedMap& result) { return GetParam()->run(map, result); }

    static TSearchedMap Dirty(const TMapData& m) {
        TSearchedMap r = ResultFor(m);
        r.Cells[0][0] = {7, 7};
        r.Path = {{1, 1}};
        r.PathText = "old";
        r.SearchedNodes = 77;
        r.Steps = 66;
        return r;
    }
};

TEST_P(MoveSearchContract, StartOnTheEndReturnsTrueAndTouchesNothingButThePathText) {
    map.TargetPos = map.SokoPos;
    TSearchedMap result = Dirty(map);
    EXPECT_TRUE(Run(result));
    EXPECT_EQ(result.PathText, "");
    EXPECT_EQ(result.Cells[0][0], (TPoint{7, 7}));
    EXPECT_EQ(result.Path.size(), 1u);
    EXPECT_EQ(result.SearchedNodes, 77);
    EXPECT_EQ(result.Steps, 66);
}

TEST_P(MoveSearchContract, NoPathLeavesCellsAndPath) {
    const bool diagonal = GetParam()->diagonal;
    std::vector<TPoint> ends = {{5, 5} /* walled in (four sides) */, {2, 3} /* under the box */, {4, 5} /* a wall */};
    for (TPoint end : ends) {
        if (diagonal && end == TPoint{5, 5}) continue;  // diagonals reach it
        map.TargetPos = end;
        TSearchedMap result = Dirty(map);
        EXPECT_FALSE(Run(result)) << end.X << "," << end.Y;
        EXPECT_EQ(result.PathText, "");
        EXPECT_EQ(result.Cells[0][0], (TPoint{7, 7}));
        EXPECT_EQ(result.Path.size(), 1u);
        if (GetParam() == &kAStar4) {
            EXPECT_GT(result.SearchedNodes, 1);  // the nodes made are written
            EXPECT_EQ(result.Steps, 0);
        } else {
            EXPECT_EQ(result.SearchedNodes, 77);
            EXPECT_EQ(result.Steps, 66);
        }
    }
}

TEST_P(MoveSearchContract, MarksWallsAndTheBoxAsBlocked) {
    map.TargetPos = {7, 7};
    TSearchedMap result = Dirty(map);
    ASSERT_TRUE(Run(result));
    EXPECT_EQ(result.Cells[4][5], (TPoint{-1, 0}));
    EXPECT_EQ(result.Cells[2][3], (TPoint{-1, 0}));
    EXPECT_EQ(result.Path.size(), size_t(result.Steps));
    EXPECT_EQ(result.Path[0], map.TargetPos);
}

TEST_P(MoveSearchContract, ABlockedStartCountsAsTheMansFreeCell) {
    map.TargetPos = {7, 7};
    for (int32_t under : {0, 5}) {  // a wall, a digit
        map.Map[1][2] = under;
        TSearchedMap result = ResultFor(map);
        EXPECT_TRUE(Run(result));
        EXPECT_EQ(result.Path.size(), size_t(result.Steps));
    }
    map.Map[1][2] = 1;
    map.BoxPos = map.SokoPos;  // the box under the man
    TSearchedMap result = ResultFor(map);
    EXPECT_TRUE(Run(result));
    EXPECT_EQ(result.Path.size(), size_t(result.Steps));
}

TEST_P(MoveSearchContract, BadRecordsGiveFalseInsteadOfAReadOutside) {
    map.TargetPos = {7, 7};
    const std::vector<TPoint> bad = {{-1, 3}, {8, 0}, {0, 8}, {-1, -1}};
    for (TPoint p : bad) {
        TMapData m = map;
        m.SokoPos = p;
        TSearchedMap result = ResultFor(m);
        EXPECT_FALSE(GetParam()->run(m, result));
        m = map;
        m.TargetPos = p;
        EXPECT_FALSE(GetParam()->run(m, result));
    }
    TMapData boxOff = map;
    boxOff.BoxPos = {3, 99};  // a box off the grid blocks nothing
    TSearchedMap result = ResultFor(boxOff);
    EXPECT_TRUE(GetParam()->run(boxOff, result));

    TSearchedMap small = ResultFor(map);
    small.Cells.pop_back();
    EXPECT_FALSE(Run(small));
    TMapData shortRow = map;
    shortRow.Map[3].pop_back();
    result = ResultFor(map);
    EXPECT_FALSE(GetParam()->run(shortRow, result));
}

INSTANTIATE_TEST_SUITE_P(MoveSearches, MoveSearchContract, testing::Values(&kBFS4, &kAStar4, &kBFS8),
                         [](const auto& info) { return std::string(info.param->name); });

// ---- Random maps against an independent breadth-first search ----

// Fewest moves by a plain BFS; -1 when the end cannot be reached.
int32_t ReferenceDistance(const TMapData& map, bool diagonal) {
    const int32_t W = map.Width, H = map.Height;
    std::vector<int32_t> dist(size_t(W) * H, -1);
    auto blocked = [&](int32_t r, int32_t c) { return map.Map[r][c] == 0 || (TPoint{r, c} == map.BoxPos); };
    std::deque<TPoint> queue{map.SokoPos};
    dist[map.SokoPos.X * W + map.SokoPos.Y] = 0;
    while (!queue.empty()) {
        TPoint p = queue.front();
        queue.pop_front();
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                if ((dr == 0) == (dc == 0) && !(diagonal && dr != 0)) continue;
                const int32_t r = p.X + dr, c = p.Y + dc;
                if (r < 0 || c < 0 || r >= H || c >= W || blocked(r, c) || dist[r * W + c] >= 0) continue;
                dist[r * W + c] = dist[p.X * W + p.Y] + 1;
                queue.push_back({r, c});
            }
    }
    return dist[map.TargetPos.X * W + map.TargetPos.Y];
}

// Replays the path text and checks that the cells it visits are Path read backwards.
// Returns the number of moves.
int32_t Replay(const TMapData& map, const TSearchedMap& result) {
    const searchtest::TReplay replay = searchtest::ReplayMovePath(map, result.PathText);
    EXPECT_EQ(replay.problem, "");
    EXPECT_EQ(std::vector<TPoint>(replay.cells.rbegin(), replay.cells.rend()), result.Path);
    return replay.moves;
}

TMapData RandomMap(std::mt19937& rng) {
    const int32_t W = 2 + int32_t(rng() % 18), H = 2 + int32_t(rng() % 18);
    const uint32_t wallPercent = rng() % 45;
    TMapData map = OpenMap(W, H);
    for (auto& row : map.Map)
        for (auto& v : row) v = rng() % 100 < wallPercent ? 0 : 1;
    auto randomCell = [&] { return TPoint{int32_t(rng() % H), int32_t(rng() % W)}; };
    map.SokoPos = randomCell();
    map.TargetPos = randomCell();
    if (rng() % 4 != 0) map.BoxPos = randomCell();
    if (map.BoxPos == map.SokoPos) map.BoxPos = {-1, -1};
    map.Map[map.SokoPos.X][map.SokoPos.Y] = 1;
    return map;
}

TEST(MoveSearchesOnRandomMaps, FindShortestPathsThatReplay) {
    std::mt19937 rng(20261211);
    int found = 0;
    for (int i = 0; i < 400; ++i) {
        const TMapData map = RandomMap(rng);
        SCOPED_TRACE("map " + std::to_string(i));
        for (const NamedSearch* s : {&kBFS4, &kAStar4, &kBFS8}) {
            SCOPED_TRACE(s->name);
            TSearchedMap result = ResultFor(map);
            const int32_t expected = map.SokoPos == map.TargetPos ? 0 : ReferenceDistance(map, s->diagonal);
            const bool ok = s->run(map, result);
            ASSERT_EQ(ok, expected >= 0);
            if (!ok || expected == 0) continue;
            ++found;
            EXPECT_EQ(result.Steps, expected);
            EXPECT_EQ(Replay(map, result), expected);
            EXPECT_EQ(result.Cells[map.TargetPos.X][map.TargetPos.Y].X, expected);
            if (s != &kAStar4) {
                EXPECT_GE(result.SearchedNodes, expected);
            }
        }
    }
    EXPECT_GT(found, 400);  // the sample is not all walled in
}

TEST(MoveSearchesOnRandomMaps, DigitsNeverHangOrLeaveTheGrid) {
    std::mt19937 rng(7);
    for (int i = 0; i < 200; ++i) {
        TMapData map = RandomMap(rng);
        for (auto& row : map.Map)
            for (auto& v : row)
                if (rng() % 5 == 0) v = int32_t(rng() % 10);
        for (const NamedSearch* s : {&kBFS4, &kAStar4, &kBFS8}) {
            TSearchedMap result = ResultFor(map);
            if (s->run(map, result) && !result.PathText.empty()) {
                EXPECT_EQ(result.Path[0], map.TargetPos) << s->name;
                EXPECT_EQ(int32_t(result.Path.size()), s->diagonal ? result.Steps : int32_t(result.PathText.size()));
            }
        }
    }
}

TEST(MoveSearchesOnALargeOpenMap, StayExactWhereAFixedRingWouldOverflow) {
    // From the middle of an open 600 x 600 map the front holds more than 2048 cells.
    TMapData map = OpenMap(600, 600);
    map.SokoPos = {300, 300};
    map.TargetPos = {599, 0};
    for (const NamedSearch* s : {&kBFS4, &kAStar4, &kBFS8}) {
        TSearchedMap result = ResultFor(map);
        ASSERT_TRUE(s->run(map, result)) << s->name;
        EXPECT_EQ(result.Steps, s->diagonal ? 300 : 299 + 300) << s->name;
        EXPECT_EQ(Replay(map, result), result.Steps) << s->name;
    }
    TSearchedMap result = ResultFor(map);
    map.TargetPos = {0, 0};  // the one farthest cell: found as the last cell entered
    ASSERT_TRUE(MoveSearchBFS4(map, result));
    EXPECT_EQ(result.SearchedNodes, 600 * 600);  // every cell once and the start once more
}

}  // namespace
