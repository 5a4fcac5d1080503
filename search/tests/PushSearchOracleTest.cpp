// Both push searches in both modes against a brute-force search on many seeded random small
// maps: the same answer and the same optimal pair, a path that replays legally, and figures
// that agree with the path.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "GraphSearch.h"
#include "PathReplay.h"
#include "PushBruteForce.h"
#include "TestMaps.h"

using searchtest::PushSearch;
using searchtest::ResultFor;

namespace {

struct RandomCase {
    TMapData map;
    std::string picture;  // for failure messages
};

std::string Picture(const TMapData& map) {
    std::string out;
    for (int32_t r = 0; r < map.Height; ++r) {
        out += "\n";
        for (int32_t c = 0; c < map.Width; ++c) {
            const TPoint p{r, c};
            char ch = map.Map[r][c] == 0 ? '#' : map.Map[r][c] == 1 ? '.' : char('0' + map.Map[r][c]);
            if (p == map.TargetPos) ch = '+';
            if (p == map.BoxPos) ch = p == map.TargetPos ? '*' : '$';
            if (p == map.SokoPos) ch = '@';
            out += ch;
        }
    }
    return out;
}

// Up to 8 x 8 with 0 to 35 % walls; the three points on free cells, the man apart from the
// box (the end point may share a cell with either). With `digits`, some free cells get 2 to 9
// and the man sometimes stands on a wall.
RandomCase MakeRandomCase(std::mt19937& rng, bool digits) {
    for (;;) {
        TMapData map;
        map.Width = 3 + int32_t(rng() % 6);
        map.Height = 3 + int32_t(rng() % 6);
        map.Map.assign(map.Height, std::vector<int32_t>(map.Width, 1));
        const uint32_t percent = rng() % 36;
        std::vector<TPoint> open;
        for (int32_t r = 0; r < map.Height; ++r)
            for (int32_t c = 0; c < map.Width; ++c) {
                if (rng() % 100 < percent) map.Map[r][c] = 0;
                else open.push_back({r, c});
            }
        if (open.size() < 3) continue;
        const auto pick = [&] { return open[rng() % open.size()]; };
        map.SokoPos = pick();
        do map.BoxPos = pick();
        while (map.BoxPos == map.SokoPos);
        map.TargetPos = rng() % 10 == 0 ? map.BoxPos : pick();
        if (digits) {
            for (const TPoint p : open)
                if (!(p == map.BoxPos) && rng() % 6 == 0) map.Map[p.X][p.Y] = 2 + int32_t(rng() % 8);
            if (rng() % 3 == 0) map.Map[map.SokoPos.X][map.SokoPos.Y] = 0;  // a random wall under the man
        }
        return {map, Picture(map)};
    }
}

struct Outcome {
    bool found = false;
    TSearchedMap result;
};

Outcome RunSearch(PushSearch search, const TMapData& map, bool movesFirst) {
    Outcome out;
    out.result = ResultFor(map);
    out.found = search(map, out.result, movesFirst);
    return out;
}

int32_t UpperCaseLetters(const std::string& text) {
    int32_t n = 0;
    for (char ch : text) n += ch >= 'A' && ch <= 'Z';
    return n;
}

// The figures a successful search gives must describe its own path.
void ExpectConsistentResult(const TMapData& map, const TSearchedMap& result, const std::string& where) {
    const searchtest::TReplay replay = searchtest::ReplayPushPath(map, result.PathText);
    ASSERT_EQ(replay.problem, "") << where << " path " << result.PathText;
    EXPECT_EQ(UpperCaseLetters(result.PathText), result.Steps) << where;
    // Path lists the box's cells after each push, last push first.
    const std::vector<TPoint> lastFirst(replay.cells.rbegin(), replay.cells.rend());
    EXPECT_EQ(result.Path, lastFirst) << where;
    const TPoint end = result.Cells[map.TargetPos.X][map.TargetPos.Y];
    if (result.Steps > 0) {
        EXPECT_EQ(end, (TPoint{result.Steps, int32_t(result.PathText.size())})) << where;
    }
}

TEST(PushSearchOracle, BothSearchesFindTheOptimumOnRandomMaps) {
    std::mt19937 rng(5150);
    int solved = 0;
    for (int m = 0; m < 3000; ++m) {
        const RandomCase c = MakeRandomCase(rng, false);
        for (const bool movesFirst : {false, true}) {
            const pushtest::PushOptimum optimum = pushtest::BruteForcePushOptimum(c.map, movesFirst);
            const std::string where = "map " + std::to_string(m) + (movesFirst ? " BM" : " BP") + c.picture;
            const Outcome bfs = RunSearch(PushSearchBFS, c.map, movesFirst);
            const Outcome astar = RunSearch(PushSearchAStar, c.map, movesFirst);
            ASSERT_EQ(bfs.found, optimum.found) << where;
            ASSERT_EQ(astar.found, optimum.found) << where;
            if (!optimum.found) continue;
            solved += 1;
            for (const Outcome* o : {&bfs, &astar}) {
                const std::string which = where + (o == &bfs ? " (BFS)" : " (A*)");
                EXPECT_EQ(o->result.Steps, optimum.pushes) << which;
                EXPECT_EQ(int32_t(o->result.PathText.size()), optimum.moves) << which;
                ExpectConsistentResult(c.map, o->result, which);
            }
        }
    }
    EXPECT_GT(solved, 150);  // the maps must exercise solved cases, not only failures
}

// Digit cells keep their odd rules and the man may start on a wall; whatever the searches
// return must still be a legal path: after the start, every step onto an open cell.
TEST(PushSearchOracle, MapsWithDigitsGiveLegalPaths) {
    std::mt19937 rng(99);
    for (int m = 0; m < 150; ++m) {
        const RandomCase c = MakeRandomCase(rng, true);
        for (const bool movesFirst : {false, true})
            for (const PushSearch search : {PushSearchBFS, PushSearchAStar}) {
                const Outcome o = RunSearch(search, c.map, movesFirst);
                if (o.found) ExpectConsistentResult(c.map, o.result, "map " + std::to_string(m) + c.picture);
            }
    }
}

}  // namespace
