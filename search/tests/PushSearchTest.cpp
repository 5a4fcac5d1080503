// The push searches on hand-made maps: the worked examples with every figure, the placements
// that the window or a map file can produce, and the result record left alone on failure.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GraphSearch.h"
#include "PathReplay.h"
#include "TestMaps.h"

using searchtest::MapFromPicture;
using searchtest::PushSearch;
using searchtest::ResultFor;

namespace {

struct NamedSearch {
    const char* name;
    PushSearch run;
};
const NamedSearch kSearches[] = {{"BFS", PushSearchBFS}, {"AStar", PushSearchAStar}};

const std::vector<std::string> kWorkedMap = {
    "#######",
    "#.....#",
    "#.#.#.#",
    "#+@$..#",
    "#######",
};
const std::vector<std::string> kOpenRoom = {
    "#######",
    "#.....#",
    "#.@$.+#",
    "#.....#",
    "#######",
};
const std::vector<std::string> kOpenRoomManRight = {
    "#######",
    "#.....#",
    "#..$@+#",
    "#.....#",
    "#######",
};

struct CellPair {
    TPoint cell;
    TPoint pair;
};

struct WorkedExample {
    const char* name;
    std::vector<std::string> picture;
    bool movesFirst;
    std::string pathText;
    int32_t steps;
    int32_t bfsSearchedNodes;    // -1: not given
    int32_t astarSearchedNodes;  // states admitted, traced by hand; -1: not given
    std::vector<TPoint> path;
    std::vector<CellPair> cells;
    bool otherFreeCellsZero;  // every free cell not listed holds (0, 0)
};

const WorkedExample kWorkedExamples[] = {
    {"WorkedBP", kWorkedMap, false, "luurrrrddlLL", 2, 4, 4, {{3, 1}, {3, 2}},
     {{{3, 1}, {2, 12}}, {{3, 2}, {1, 11}}, {{3, 4}, {1, 1}}, {{3, 3}, {0, 0}}}, true},
    {"WorkedBM", kWorkedMap, true, "RuurrddLLL", 4, 7, 6, {{3, 1}, {3, 2}, {3, 3}, {3, 4}},
     {{{3, 1}, {4, 10}}, {{3, 2}, {3, 9}}, {{3, 3}, {2, 8}}, {{3, 4}, {1, 1}}}, false},
    {"StraightBP", kOpenRoom, false, "RR", 2, -1, -1, {{2, 5}, {2, 4}}, {}, false},
    {"StraightBM", kOpenRoom, true, "RR", 2, -1, -1, {{2, 5}, {2, 4}}, {}, false},
    {"AroundAboveBP", kOpenRoomManRight, false, "ulldRR", 2, -1, -1, {{2, 5}, {2, 4}}, {}, false},
    {"AroundAboveBM", kOpenRoomManRight, true, "ulldRR", 2, -1, -1, {{2, 5}, {2, 4}}, {}, false},
};

class WorkedExamples : public testing::TestWithParam<std::tuple<WorkedExample, NamedSearch>> {};

TEST_P(WorkedExamples, GiveEveryFigure) {
    const auto& [ex, search] = GetParam();
    const TMapData map = MapFromPicture(ex.picture);
    TSearchedMap result = ResultFor(map, {7, 7});
    result.Path.assign(9, TPoint{5, 5});
    ASSERT_TRUE(search.run(map, result, ex.movesFirst));
    EXPECT_EQ(result.PathText, ex.pathText);
    EXPECT_EQ(result.Steps, ex.steps);
    const int32_t searchedNodes = search.run == PushSearchBFS ? ex.bfsSearchedNodes : ex.astarSearchedNodes;
    if (searchedNodes >= 0) {
        EXPECT_EQ(result.SearchedNodes, searchedNodes);
    }
    EXPECT_EQ(result.Path, ex.path);
    for (const CellPair& c : ex.cells) EXPECT_EQ(result.Cells[c.cell.X][c.cell.Y], c.pair) << "cell " << testing::PrintToString(c.cell);
    for (int32_t r = 0; r < map.Height; ++r) {
        for (int32_t col = 0; col < map.Width; ++col) {
            if (map.Map[r][col] == 0) {
                EXPECT_EQ(result.Cells[r][col], (TPoint{-1, -1})) << r << "," << col;
                continue;
            }
            bool listed = false;
            for (const CellPair& c : ex.cells) listed |= c.cell == TPoint{r, col};
            if (ex.otherFreeCellsZero && !listed) {
                EXPECT_EQ(result.Cells[r][col], (TPoint{0, 0})) << r << "," << col;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PushSearches, WorkedExamples,
                         testing::Combine(testing::ValuesIn(kWorkedExamples), testing::ValuesIn(kSearches)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

// Every search in both modes, for the cases whose answer does not depend on either.
class EveryPushSearch : public testing::TestWithParam<std::tuple<NamedSearch, bool>> {
protected:
    bool Run(const TMapData& map, TSearchedMap& result) const {
        return std::get<0>(GetParam()).run(map, result, std::get<1>(GetParam()));
    }
};

INSTANTIATE_TEST_SUITE_P(PushSearches, EveryPushSearch,
                         testing::Combine(testing::ValuesIn(kSearches), testing::Bool()), [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "_BM" : "_BP");
                         });

// A sentinel record: a search that returns false must leave every field as it was.
TSearchedMap Sentinel(const TMapData& map) {
    TSearchedMap result = ResultFor(map, {7, 7});
    result.Path = {{1, 2}, {3, 4}};
    result.PathText = "old";
    result.SearchedNodes = 99;
    result.Steps = 42;
    return result;
}

void ExpectUntouched(const TSearchedMap& result, const TMapData& map) {
    const TSearchedMap before = Sentinel(map);
    EXPECT_EQ(result.Cells, before.Cells);
    EXPECT_EQ(result.Path, before.Path);
    EXPECT_EQ(result.PathText, before.PathText);
    EXPECT_EQ(result.SearchedNodes, before.SearchedNodes);
    EXPECT_EQ(result.Steps, before.Steps);
}

TEST_P(EveryPushSearch, NoPushPathLeavesTheRecordAlone) {
    const std::vector<std::vector<std::string>> pictures = {
        {"#####", "#$@+#", "#####"},          // the man cannot get behind the box
        {"######", "#@$#.#", "####+#", "######"},  // the end point out of reach
        {"#######", "#@.#..#", "#.$#.+#", "#######"},  // a wall between box and end point
        {"#####", "#..+#", "#.#.#", "#$.@#", "#####"},  // the box stuck in a corner
    };
    for (const auto& picture : pictures) {
        const TMapData map = MapFromPicture(picture);
        TSearchedMap result = Sentinel(map);
        EXPECT_FALSE(Run(map, result)) << picture[1];
        ExpectUntouched(result, map);
    }
}

TEST_P(EveryPushSearch, BoxOnTheEndPointNeedsNoPush) {
    const TMapData map = MapFromPicture({"######", "#@.*.#", "#.#..#", "######"});
    TSearchedMap result = Sentinel(map);
    ASSERT_TRUE(Run(map, result));
    EXPECT_EQ(result.PathText, "");
    EXPECT_EQ(result.Steps, 0);
    EXPECT_TRUE(result.Path.empty());
    EXPECT_EQ(result.SearchedNodes, 1);
    for (int32_t r = 0; r < map.Height; ++r)
        for (int32_t c = 0; c < map.Width; ++c)
            EXPECT_EQ(result.Cells[r][c], (map.Map[r][c] == 0 ? TPoint{-1, -1} : TPoint{0, 0})) << r << "," << c;
}

// Placements the window or a map file can produce and a search cannot honour: false, and the
// record untouched.
TEST_P(EveryPushSearch, ImpossiblePlacementsGiveFalse) {
    const TMapData room = MapFromPicture({"#######", "#.....#", "#.@$.+#", "#.....#", "#######"});
    struct Case {
        const char* what;
        void (*change)(TMapData&);
    };
    const Case cases[] = {
        {"man on the box", [](TMapData& m) { m.SokoPos = m.BoxPos; }},
        {"man and box on the end point", [](TMapData& m) { m.SokoPos = m.BoxPos = m.TargetPos; }},
        {"box on a wall", [](TMapData& m) { m.BoxPos = {0, 3}; }},
        {"box on a digit", [](TMapData& m) { m.Map[2][3] = 3; }},
        {"box unplaced", [](TMapData& m) { m.BoxPos = {-1, -1}; }},
        {"man unplaced", [](TMapData& m) { m.SokoPos = {-1, -1}; }},
        {"end point off the grid", [](TMapData& m) { m.TargetPos = {2, 7}; }},
        {"man off the grid", [](TMapData& m) { m.SokoPos = {5, 2}; }},
        {"a row too short", [](TMapData& m) { m.Map[4].pop_back(); }},
        {"width larger than the rows", [](TMapData& m) { m.Width = 8; }},
    };
    for (const Case& c : cases) {
        TMapData map = room;
        c.change(map);
        TSearchedMap result = Sentinel(room);
        EXPECT_FALSE(Run(map, result)) << c.what;
        ExpectUntouched(result, room);
    }
    // Cells smaller than the map.
    TSearchedMap small = Sentinel(room);
    small.Cells.pop_back();
    EXPECT_FALSE(Run(room, small));
}

// The man may start on a wall or a digit: he pushes from it or steps off it as from a free
// cell, but never walks back onto a wall, and the box never goes there.
TEST_P(EveryPushSearch, ManOnAWallOrDigitStartsAsOnAFreeCell) {
    for (const int32_t under : {0, 5}) {
        TMapData map = MapFromPicture({"#######", "#.....#", "#.@$.+#", "#.....#", "#######"});
        map.Map[2][2] = under;
        TSearchedMap result = ResultFor(map);
        ASSERT_TRUE(Run(map, result)) << under;
        EXPECT_EQ(result.PathText, "RR") << under;
        EXPECT_EQ(result.Steps, 2);
    }
    // He walks off the wall he started on to get behind the box.
    TMapData map = MapFromPicture({"#######", "#..#..#", "#..$.+#", "#.....#", "#######"});
    map.SokoPos = {1, 3};
    TSearchedMap result = ResultFor(map);
    ASSERT_TRUE(Run(map, result));
    EXPECT_EQ(result.PathText, "ldRR");
    // The box must pass where he stood: a wall there leaves no way.
    TMapData room = MapFromPicture({"########", "#......#", "#.$@..+#", "########"});
    TSearchedMap throughFree = ResultFor(room);
    ASSERT_TRUE(Run(room, throughFree));
    EXPECT_EQ(throughFree.PathText, "ulldRRRR");
    room.Map[2][3] = 0;
    TSearchedMap none = ResultFor(room);
    EXPECT_FALSE(Run(room, none));
}

// A push into a corner of two walls is never admitted unless the corner is the end point.
TEST_P(EveryPushSearch, DeadCornersHoldTheBoxOnlyOnTheEndPoint) {
    const TMapData map = MapFromPicture({"######", "#....#", "#.$..#", "#..@.#", "#+...#", "######"});
    TSearchedMap result = ResultFor(map);
    ASSERT_TRUE(Run(map, result));
    EXPECT_EQ(result.Cells[4][1], (TPoint{result.Steps, int32_t(result.PathText.size())}));
    for (const TPoint corner : {TPoint{1, 1}, TPoint{1, 4}, TPoint{4, 4}})
        EXPECT_EQ(result.Cells[corner.X][corner.Y], (TPoint{0, 0})) << corner.X << "," << corner.Y;
}

// Digit cells keep their odd rules (a preset count that only a cheaper way replaces) but must
// neither hang nor break the path. In BM no way beats a preset of 0 moves, so the box never
// stands on a digit cell, and such a cell shows (0, 0), not its preset.
TEST_P(EveryPushSearch, DigitCellsNeverBreakThePath) {
    const TMapData map = MapFromPicture({"########", "#..3...#", "#.@$.2.#", "#..9..+#", "########"});
    TSearchedMap result = ResultFor(map);
    ASSERT_TRUE(Run(map, result));
    EXPECT_EQ(searchtest::ReplayPushPath(map, result.PathText).problem, "");
    if (!std::get<1>(GetParam())) return;
    for (const TPoint digit : {TPoint{1, 3}, TPoint{2, 5}, TPoint{3, 3}})
        EXPECT_EQ(result.Cells[digit.X][digit.Y], (TPoint{0, 0})) << digit.X << "," << digit.Y;
}

}  // namespace
