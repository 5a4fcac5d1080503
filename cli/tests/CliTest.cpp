// kestrow-cli as a user runs it: the built program on map files in a temporary folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "BadMapFiles.h"
#include "FormatExample.h"
#include "CliRunner.h"

namespace {

using clitest::RunCli;
using clitest::TCliResult;

// A map as a picture: '#' wall, ' ' free, '@' the man, '$' the box, '.' the end point.
using TPicture = std::vector<std::string>;

// The worked push example (5 rows, 7 columns, walls inside at (2, 2) and (2, 4)), walled in
// up to the smallest size a map file holds, 8 x 8.
const TPicture kPushExample = {
    "########",
    "#     ##",
    "# # # ##",
    "#.@$  ##",
    "########",
    "########",
    "########",
    "########",
};

// The map file format's example: a wall over the first four cells of row 1, the man at (0, 0),
// the end point at (2, 0), no box.
const TPicture kMoveExample = {
    "@       ",
    "####    ",
    ".       ",
    "        ",
    "        ",
    "        ",
    "        ",
    "        ",
};

// The end point walled off from the man.
const TPicture kNoPath = {
    "@       ",
    "        ",
    "        ",
    "        ",
    "        ",
    "        ",
    "       #",
    "      #.",
};

std::string MapFileText(const TPicture& picture) {
    std::string soko = "-1,-1", box = "-1,-1", target = "-1,-1", cells;
    for (size_t r = 0; r < picture.size(); ++r)
        for (size_t c = 0; c < picture[r].size(); ++c) {
            const char ch = picture[r][c];
            const std::string at = std::to_string(r) + "," + std::to_string(c);
            if (ch == '@') soko = at;
            if (ch == '$') box = at;
            if (ch == '.') target = at;
            cells += ch == '#' ? '0' : '1';
        }
    const auto part = [](const std::string& pair, bool row) {
        const size_t comma = pair.find(',');
        return row ? pair.substr(0, comma) : pair.substr(comma + 1);
    };
    return "[MapData]\r\nMapWidth=" + std::to_string(picture[0].size()) + "\r\nMapHeight=" +
           std::to_string(picture.size()) + "\r\nSokoPosX=" + part(soko, true) + "\r\nBoxPosX=" + part(box, true) +
           "\r\nTargetPosX=" + part(target, true) + "\r\nSokoPosY=" + part(soko, false) +
           "\r\nBoxPosY=" + part(box, false) + "\r\nTargetPosY=" + part(target, false) + "\r\nMap=" + cells + "\r\n";
}

// The measured times vary from run to run; everything else of the output is exact.
std::string WithoutTimes(std::string text) {
    text = std::regex_replace(text, std::regex("time_ms=[0-9]+\\.[0-9]{4}( |$)"), "time_ms=T$1");
    text = std::regex_replace(text, std::regex("\"time_ms\":[0-9.e+-]+"), "\"time_ms\":T");
    return std::regex_replace(text, std::regex("\"runs_ms\":\\[[0-9.e+,-]*\\]"), "\"runs_ms\":R");
}

std::vector<double> NumbersIn(const std::string& list) {
    std::vector<double> numbers;
    const char* p = list.c_str();
    while (*p) {
        char* end = nullptr;
        numbers.push_back(std::strtod(p, &end));
        p = *end == ',' ? end + 1 : end;
    }
    return numbers;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrow-cli-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }

    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string WriteMap(const std::string& name, const TPicture& picture) const {
        return WriteFile(name, MapFileText(picture));
    }

    TCliResult Run(const std::vector<std::string>& args) const { return RunCli(args, folder.string()); }

    std::filesystem::path folder;
};

struct TPushCase {
    const char* Algo;
    const char* Mode;
    const char* Expected;  // the plain line after "file=<map> "; nodes=N where the count is the search's own
};

void PrintTo(const TPushCase& c, std::ostream* os) { *os << c.Algo << " " << c.Mode; }

class PushExampleTest : public CliTest, public ::testing::WithParamInterface<TPushCase> {};

TEST_P(PushExampleTest, PlainLineShowsTheWorkedResult) {
    const std::string map = WriteMap("push.map", kPushExample);
    const TCliResult result = Run({"solve", "--algo", GetParam().Algo, "--mode", GetParam().Mode, map});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Err, "");
    std::string line = WithoutTimes(result.Out);
    if (std::string(GetParam().Expected).find("nodes=N") != std::string::npos)
        line = std::regex_replace(line, std::regex("nodes=[0-9]+"), "nodes=N");
    EXPECT_EQ(line, "file=" + map + " " + GetParam().Expected + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    BothModes, PushExampleTest,
    ::testing::Values(TPushCase{"push-bfs", "BP", "found=yes nodes=4 moves=12 pushes=2 time_ms=T path=luurrrrddlLL"},
                      TPushCase{"push-bfs", "BM", "found=yes nodes=7 moves=10 pushes=4 time_ms=T path=RuurrddLLL"},
                      TPushCase{"push-astar", "BP", "found=yes nodes=N moves=12 pushes=2 time_ms=T path=luurrrrddlLL"},
                      TPushCase{"push-astar", "bm", "found=yes nodes=N moves=10 pushes=4 time_ms=T path=RuurrddLLL"}),
    [](const ::testing::TestParamInfo<TPushCase>& info) {
        std::string name = std::string(info.param.Algo) + "_" + info.param.Mode;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// BP's cells: the box's best (pushes, moves) on each cell it was pushed onto, walls (-1, -1).
std::string ExpectedPushExampleCells() {
    std::string json = "[";
    for (int r = 0; r < 8; ++r) {
        json += r ? ",[" : "[";
        for (int c = 0; c < 8; ++c) {
            std::string pair = kPushExample[size_t(r)][size_t(c)] == '#' ? "[-1,-1]" : "[0,0]";
            if (r == 3 && c == 1) pair = "[2,12]";
            if (r == 3 && c == 2) pair = "[1,11]";
            if (r == 3 && c == 4) pair = "[1,1]";
            json += (c ? "," : "") + pair;
        }
        json += "]";
    }
    return json + "]";
}

TEST_F(CliTest, PushExampleAsJsonInBothModes) {
    const std::string map = WriteMap("push.map", kPushExample);
    const TCliResult bp = Run({"solve", "--algo=push-bfs", "--json", "--cells", map});
    EXPECT_EQ(bp.Status, 0);
    EXPECT_EQ(WithoutTimes(bp.Out),
              "{\"file\":\"" + map +
                  "\",\"search\":\"push-bfs\",\"mode\":\"BP\",\"found\":true,\"SearchedNodes\":4,\"moves\":12,"
                  "\"pushes\":2,\"Steps\":2,\"time_ms\":T,\"runs_ms\":R,\"PathText\":\"luurrrrddlLL\","
                  "\"Path\":[[3,1],[3,2]],\"Cells\":" +
                  ExpectedPushExampleCells() + "}\n");

    const TCliResult bm = Run({"solve", "--algo", "push-bfs", "--mode=BM", "--json", map});
    EXPECT_EQ(bm.Status, 0);
    EXPECT_EQ(WithoutTimes(bm.Out),
              "{\"file\":\"" + map +
                  "\",\"search\":\"push-bfs\",\"mode\":\"BM\",\"found\":true,\"SearchedNodes\":7,\"moves\":10,"
                  "\"pushes\":4,\"Steps\":4,\"time_ms\":T,\"runs_ms\":R,\"PathText\":\"RuurrddLLL\","
                  "\"Path\":[[3,1],[3,2],[3,3],[3,4]]}\n");
}

TEST_F(CliTest, MoveSearchesFindTheWayRoundTheWall) {
    const std::string map = WriteMap("move.map", kMoveExample);
    // The only path of fewest moves in four directions; eight directions cut both corners.
    for (const char* algo : {"bfs4", "astar4"}) {
        const TCliResult result = Run({"solve", "--algo", algo, map});
        EXPECT_EQ(result.Status, 0) << algo;
        EXPECT_EQ(std::regex_replace(WithoutTimes(result.Out), std::regex("nodes=[0-9]+"), "nodes=N"),
                  "file=" + map + " found=yes nodes=N moves=10 pushes=- time_ms=T path=rrrrddllll\n")
            << algo;
    }
    const TCliResult diagonal = Run({"solve", "--algo", "bfs8", "--json", map});
    EXPECT_EQ(diagonal.Status, 0);
    EXPECT_NE(diagonal.Out.find("\"mode\":null"), std::string::npos);
    EXPECT_NE(diagonal.Out.find("\"moves\":8,\"pushes\":null,\"Steps\":8,"), std::string::npos) << diagonal.Out;
}

TEST_F(CliTest, NoPathPrintsOnlyTheTimeAndExitsOne) {
    const std::string map = WriteMap("closed.map", kNoPath);
    const TCliResult result = Run({"solve", map});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(WithoutTimes(result.Out), "file=" + map + " found=no nodes=- moves=- pushes=- time_ms=T path=-\n");

    const TCliResult json = Run({"solve", "--json", "--cells", map});
    EXPECT_EQ(json.Status, 1);
    EXPECT_EQ(WithoutTimes(json.Out), "{\"file\":\"" + map +
                                          "\",\"search\":\"bfs4\",\"mode\":null,\"found\":false,\"SearchedNodes\":null,"
                                          "\"moves\":null,\"pushes\":null,\"Steps\":null,\"time_ms\":T,\"runs_ms\":R,"
                                          "\"PathText\":null,\"Path\":null,\"Cells\":null}\n");
}

TEST_F(CliTest, XsbExportOfTheFormatExampleByteForByte) {
    const std::string map = WriteMap("example.map", kMoveExample);
    const std::string out = PathOf("example.xsb");
    const TCliResult result = Run({"xsb", map, out});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Out + result.Err, "");
    EXPECT_EQ(clitest::ReadBytes(out), formatexample::kXsb);
}

TEST_F(CliTest, MissingSizeKeysReadAsTheWindowsSixtyByFifty) {
    const std::string map = WriteFile("nosize.map", "[MapData]\r\nMap=" + std::string(60 * 50, '1') + "\r\n");
    const std::string out = PathOf("nosize.xsb");
    ASSERT_EQ(Run({"xsb", map, out}).Status, 0);
    const std::string row = "#" + std::string(60, ' ') + "#\r\n", border = std::string(62, '#') + "\r\n";
    std::string expected = border;
    for (int r = 0; r < 50; ++r) expected += row;
    EXPECT_EQ(clitest::ReadBytes(out), expected + border);
}

TEST_F(CliTest, XsbRefusesToWriteOverItsOwnMapFile) {
    const std::string map = WriteMap("example.map", kMoveExample);
    const TCliResult result = Run({"xsb", map, map});
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Err, "kestrow-cli: " + map + ": is the map file itself; the export would replace it\n");
    EXPECT_EQ(clitest::ReadBytes(map), MapFileText(kMoveExample));
}

TEST_F(CliTest, BadFilesAreNamedWithTheKeyFileMessages) {
    const std::string bad = WriteFile("bad.map", "[MapData]\r\nMapWidth=8\r\nMapHeight=8\r\nMap=11x1\r\n");
    const TCliResult badCharacter = Run({"solve", bad});
    EXPECT_EQ(badCharacter.Status, 2);
    EXPECT_EQ(badCharacter.Out, "");
    EXPECT_EQ(badCharacter.Err, "kestrow-cli: " + bad + ": 'x' is not a valid integer value\n");

    const std::string missing = PathOf("missing.map");
    const TCliResult noFile = Run({"xsb", missing, PathOf("out.xsb")});
    EXPECT_EQ(noFile.Status, 2);
    EXPECT_EQ(noFile.Err.rfind("kestrow-cli: " + missing + ": Cannot open file \"" + missing + "\". ", 0), 0u)
        << noFile.Err;
    EXPECT_FALSE(std::filesystem::exists(PathOf("out.xsb")));

    // The other maps are still solved; the status reports the bad one.
    const std::string good = WriteMap("good.map", kMoveExample);
    const TCliResult mixed = Run({"solve", bad, good});
    EXPECT_EQ(mixed.Status, 2);
    EXPECT_EQ(mixed.Out.rfind("file=" + good + " found=yes", 0), 0u) << mixed.Out;
}

TEST_F(CliTest, EveryBadMapFileExitsTwoWithItsMessage) {
    for (const badmaps::TBadMapFile& bad : badmaps::BadMapFiles()) {
        const std::string path = PathOf(bad.Name);
        if (bad.Kind == badmaps::TBadMapFile::kFile) WriteFile(bad.Name, bad.Text);
        if (bad.Kind == badmaps::TBadMapFile::kFolder) std::filesystem::create_directory(path);
        const TCliResult result = Run({"solve", path});
        EXPECT_EQ(result.Status, 2) << bad.Name;
        EXPECT_EQ(result.Out, "") << bad.Name;
        EXPECT_EQ(result.Err.rfind("kestrow-cli: " + path + ": ", 0), 0u) << result.Err;
        EXPECT_NE(result.Err.find(bad.Message), std::string::npos) << bad.Name << ": " << result.Err;
    }
}

struct TStatusCase {
    std::vector<std::string> Args;  // "MOVE", "PUSH" and "CLOSED" stand for the map files
    int Status;
    const char* ErrPart;  // found in stderr
};

class ExitStatusTest : public CliTest, public ::testing::WithParamInterface<TStatusCase> {};

TEST_P(ExitStatusTest, StatusAndMessage) {
    std::vector<std::string> args = GetParam().Args;
    for (std::string& arg : args) {
        if (arg == "MOVE") arg = WriteMap("move.map", kMoveExample);
        if (arg == "PUSH") arg = WriteMap("push.map", kPushExample);
        if (arg == "CLOSED") arg = WriteMap("closed.map", kNoPath);
    }
    const TCliResult result = Run(args);
    EXPECT_EQ(result.Status, GetParam().Status);
    EXPECT_NE(result.Err.find(GetParam().ErrPart), std::string::npos) << result.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatusTest,
    ::testing::Values(TStatusCase{{"solve", "MOVE", "PUSH"}, 0, ""},
                      TStatusCase{{"solve", "MOVE", "CLOSED"}, 1, ""},
                      TStatusCase{{"solve", "--algo", "push-bfs", "MOVE"}, 2, "move.map: the box is not placed"},
                      TStatusCase{{"solve", "CLOSED", "--algo", "push-astar"}, 2,
                                  "closed.map: the box is not placed"},
                      TStatusCase{{}, 2, "no command given"},
                      TStatusCase{{"solve"}, 2, "no map file given"},
                      TStatusCase{{"solve", "--algo", "dfs", "MOVE"}, 2,
                                  "unknown search 'dfs'; the searches are bfs4|astar4|bfs8|push-bfs|push-astar"},
                      TStatusCase{{"solve", "--mode", "BX", "MOVE"}, 2, "--mode takes BP or BM"},
                      TStatusCase{{"solve", "--repeat", "0", "MOVE"}, 2, "--repeat takes a whole number"},
                      TStatusCase{{"solve", "--repeat", "MOVE"}, 2, "--repeat takes a whole number"},
                      TStatusCase{{"bench", "--algo", "bfs4", "MOVE"}, 2, "unknown option '--algo' for bench"},
                      TStatusCase{{"xsb", "MOVE"}, 2, "xsb takes a map file and an output file"},
                      TStatusCase{{"draw", "MOVE"}, 2, "unknown command 'draw'"}));

TEST_F(CliTest, HelpAndVersion) {
    const TCliResult help = Run({"solve", "--json", "--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Out.rfind("Usage:\n  kestrow-cli solve [--algo bfs4|astar4|bfs8|push-bfs|push-astar]", 0), 0u);

    const TCliResult version = Run({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, std::string("kestrow-cli ") + KESTROW_VERSION + "\n");
}

TEST_F(CliTest, RepeatReportsTheMedianOfItsRuns) {
    const std::string map = WriteMap("move.map", kMoveExample);
    for (const int repeat : {4, 5}) {
        const TCliResult result = Run({"solve", "--json", "--repeat", std::to_string(repeat), map});
        ASSERT_EQ(result.Status, 0);
        std::smatch match;
        ASSERT_TRUE(std::regex_search(result.Out, match,
                                      std::regex("\"time_ms\":([0-9.e+-]+),\"runs_ms\":\\[([0-9.e+,-]*)\\]")))
            << result.Out;
        std::vector<double> runs = NumbersIn(match[2].str());
        ASSERT_EQ(runs.size(), size_t(repeat));
        std::sort(runs.begin(), runs.end());
        const double median = repeat % 2 ? runs[2] : (runs[1] + runs[2]) / 2;
        EXPECT_DOUBLE_EQ(std::strtod(match[1].str().c_str(), nullptr), median);
    }
}

TEST_F(CliTest, BenchRunsEverySearchInBothPushModes) {
    const std::string map = WriteMap("push.map", kPushExample);
    const TCliResult table = Run({"bench", "--repeat", "2", map});
    EXPECT_EQ(table.Status, 0) << table.Err;
    std::vector<std::string> lines;
    std::istringstream stream(table.Out);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 8u) << table.Out;
    EXPECT_EQ(std::regex_replace(lines[0], std::regex(" +"), " "),
              "map search found nodes moves pushes median_ms");
    // map, search, found, nodes, moves, pushes, then the time.
    const std::vector<std::string> rows = {
        "bfs4 yes", "astar4 yes", "bfs8 yes",
        "push-bfs/BP yes 4 12 2", "push-bfs/BM yes 7 10 4", "push-astar/BP yes", "push-astar/BM yes"};
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string row = std::regex_replace(lines[i + 1], std::regex(" +"), " ");
        EXPECT_EQ(row.rfind(map + " " + rows[i], 0), 0u) << row;
        EXPECT_TRUE(std::regex_search(row, std::regex(" [0-9]+\\.[0-9]{4}$"))) << row;
    }
    EXPECT_NE(lines[6].find(" 12 "), std::string::npos);
    EXPECT_NE(lines[7].find(" 10 "), std::string::npos);

    const TCliResult json = Run({"bench", "--json", map});
    EXPECT_EQ(json.Status, 0);
    EXPECT_EQ(std::count(json.Out.begin(), json.Out.end(), '\n'), 7);
    // Five runs unless told otherwise.
    EXPECT_TRUE(std::regex_search(json.Out, std::regex("\"runs_ms\":\\[[^,\\]]+(,[^,\\]]+){4}\\]"))) << json.Out;
    EXPECT_NE(json.Out.find("\"search\":\"push-astar\",\"mode\":\"BM\",\"found\":true"), std::string::npos);
}

TEST_F(CliTest, JsonEscapesAnyFileName) {
    const std::string name = std::string("a\"b\\c\td\xff") + "\xc3\xa9.map";
    const std::string map = WriteMap(name, kMoveExample);
    const TCliResult result = Run({"solve", "--json", map});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Out.rfind("{\"file\":\"" + folder.string() + "/a\\\"b\\\\c\\td\\u00ff\xc3\xa9.map\",", 0), 0u)
        << result.Out;
}

}  // namespace
