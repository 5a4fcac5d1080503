// The ".map" file and the ".xsb" export: the format's example map byte for byte, round trips,
// the opening checks and the save failures.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <random>

#include "BadMapFiles.h"
#include "FormatExample.h"
#include "MapFile.h"
#include "SaveFaultForTests.h"
#include "TempFolder.h"
#include "myIniFiles.h"

namespace {

using kestrow::test_seam::FailSavesAfter;
using kestrow::test_seam::TScopedSaveHook;

// A map from rows of cell digits ("1" free, "0" wall, "2" to "9" as stored); points unset.
TMapData MapFromRows(const std::vector<std::string>& rows) {
    TMapData map;
    map.Height = int32_t(rows.size());
    map.Width = int32_t(rows.front().size());
    for (const std::string& row : rows) {
        std::vector<int32_t> cells;
        for (char c : row) cells.push_back(c - '0');
        map.Map.push_back(cells);
    }
    return map;
}

// The format's 8 x 8 example: a wall over the first four cells of row 1, the man at (0, 0),
// no box, the end point at (2, 0).
TMapData ExampleMap() {
    TMapData map = MapFromRows({"11111111", "00001111", "11111111", "11111111", "11111111", "11111111",
                                "11111111", "11111111"});
    map.SokoPos = {0, 0};
    map.TargetPos = {2, 0};
    return map;
}

void ExpectSameMap(const TMapData& actual, const TMapData& expected) {
    EXPECT_EQ(actual.Width, expected.Width);
    EXPECT_EQ(actual.Height, expected.Height);
    EXPECT_EQ(actual.SokoPos, expected.SokoPos);
    EXPECT_EQ(actual.BoxPos, expected.BoxPos);
    EXPECT_EQ(actual.TargetPos, expected.TargetPos);
    EXPECT_EQ(actual.Map, expected.Map);
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "no error";
}

class MapFileTest : public TempFolderTest {};

TEST_F(MapFileTest, TheExampleMapIsSavedAsItsTenLines) {
    const std::string path = PathOf("example.map");
    SaveMapFile(path, ExampleMap());
    EXPECT_EQ(ReadBytes(path), formatexample::kMapFile);
    ExpectSameMap(LoadMapFile(path, 20, 20), ExampleMap());
}

TEST_F(MapFileTest, TheExampleMapIsExportedAsItsTenXsbLines) {
    const std::string path = PathOf("example.xsb");
    SaveXsbFile(path, ExampleMap());
    EXPECT_EQ(ReadBytes(path), formatexample::kXsb);
}

TEST_F(MapFileTest, XsbCellsShowWallsDigitsAndSharedPoints) {
    struct Case {
        const char* what;
        TPoint man, box, target;
        const char* row1;  // the eight cells of row 1 "00029111"; every other row is free
    };
    const TPoint unset{-1, -1};
    const Case cases[] = {
        {"points on walls", {1, 0}, {1, 1}, {1, 2}, "@$.##   "},
        {"digits 2 and 9 are walls", unset, unset, unset, "#####   "},
        {"man on the end point", {1, 5}, unset, {1, 5}, "#####+  "},
        {"box on the end point", unset, {1, 5}, {1, 5}, "#####*  "},
        {"man and box", {1, 5}, {1, 5}, unset, "#####$  "},
        {"all three", {1, 7}, {1, 7}, {1, 7}, "#####  *"},
        {"man and end point with the box beside them", {1, 6}, {1, 4}, {1, 6}, "####$ + "},
        {"half set and off-map points write nothing", {1, -1}, {8, 0}, {0, 8}, "#####   "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TMapData map = MapFromRows({"11111111", "00029111", "11111111", "11111111", "11111111", "11111111",
                                    "11111111", "11111111"});
        map.SokoPos = c.man;
        map.BoxPos = c.box;
        map.TargetPos = c.target;
        std::vector<std::string> expected(10, "#        #");
        expected.front() = expected.back() = "##########";
        expected[2] = std::string("#") + c.row1 + "#";
        EXPECT_EQ(XsbLines(map), expected);
    }
}

TEST_F(MapFileTest, RandomMapsSurviveASaveAndAnOpen) {
    std::mt19937 random(20261211);
    const auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const auto randomPoint = [&](const TMapData& map) {
        return between(0, 3) == 0 ? TPoint{-1, -1} : TPoint{between(0, map.Height - 1), between(0, map.Width - 1)};
    };
    std::vector<std::pair<int, int>> sizes = {{8, 8}, {1000, 8}, {8, 1000}, {1000, 1000}};
    for (int i = 0; i < 60; ++i) sizes.emplace_back(between(8, 60), between(8, 60));

    const std::string path = PathOf("random.map");
    for (const auto& [width, height] : sizes) {
        TMapData map;
        map.Width = width;
        map.Height = height;
        map.Map.assign(size_t(height), std::vector<int32_t>(size_t(width)));
        for (auto& row : map.Map)
            for (int32_t& cell : row) cell = between(0, 4) == 0 ? between(0, 9) : between(0, 1);
        map.SokoPos = randomPoint(map);
        map.BoxPos = between(0, 4) == 0 ? map.SokoPos : randomPoint(map);
        map.TargetPos = randomPoint(map);
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));

        SaveMapFile(path, map);  // over the map before
        ExpectSameMap(LoadMapFile(path, 8, 8), map);
    }
}

TEST_F(MapFileTest, SavingOverAFileKeepsItsOtherLinesAndReplacesTheKeysInPlace) {
    const std::string path = PathOf("shared.map");
    WriteBytes(path,
               "; kept\r\n"
               "[Other]\r\n"
               "MapWidth=5\r\n"
               "[MapData]\r\n"
               "Map = 0\r\n"
               "extra=kept\n"
               "MapWidth=99\r\n"
               "\r\n"
               "[Tail]\r\n"
               "t=1");
    SaveMapFile(path, ExampleMap());
    EXPECT_EQ(ReadBytes(path),
              "; kept\r\n"
              "[Other]\r\n"
              "MapWidth=5\r\n"
              "[MapData]\r\n"
              "Map=1111111100001111111111111111111111111111111111111111111111111111\r\n"
              "extra=kept\r\n"
              "MapWidth=8\r\n"
              "\r\n"
              "MapHeight=8\r\n"
              "SokoPosX=0\r\n"
              "BoxPosX=-1\r\n"
              "TargetPosX=2\r\n"
              "SokoPosY=0\r\n"
              "BoxPosY=-1\r\n"
              "TargetPosY=0\r\n"
              "[Tail]\r\n"
              "t=1\r\n");
}

TEST_F(MapFileTest, MissingKeysTakeTheCurrentSizeAndUnsetPoints) {
    const std::string path = PathOf("partial.map");
    WriteBytes(path, "[MapData]\r\nMapHeight=20\r\nSokoPosX=3\r\nBoxPosY=4\r\nTargetPosX=junk\r\n");
    const TMapFileKeys keys = ReadMapKeys(TMyIniFile(path), 30, 40);
    EXPECT_EQ(keys.Width, 30);
    EXPECT_EQ(keys.Height, 20);
    EXPECT_EQ(keys.SokoPos, (TPoint{3, -1}));
    EXPECT_EQ(keys.BoxPos, (TPoint{-1, 4}));
    EXPECT_EQ(keys.TargetPos, (TPoint{-1, -1}));
    EXPECT_EQ(keys.MapText, "");
    // Without a map text the first cell is missing.
    EXPECT_EQ(ErrorOf([&] { LoadMapFile(path, 30, 40); }), "'' is not a valid integer value");

    WriteBytes(path, "[Other]\r\nMapWidth=9\r\n");
    const TMapFileKeys none = ReadMapKeys(TMyIniFile(path), 12, 13);
    EXPECT_EQ(none.Width, 12);
    EXPECT_EQ(none.Height, 13);
}

TEST_F(MapFileTest, DecodingChecksTheSizeThenEveryCell) {
    struct Case {
        const char* what;
        int32_t width, height;
        std::string text;
        const char* error;  // empty: decodes
    };
    const std::string full(64, '1');
    const Case cases[] = {
        {"exact", 8, 8, full, ""},
        {"extra characters ignored", 8, 8, full + "12ab;", ""},
        {"largest", 1000, 8, std::string(8000, '0'), ""},
        {"one cell short", 8, 8, full.substr(1), "'' is not a valid integer value"},
        {"empty", 8, 8, "", "'' is not a valid integer value"},
        {"a letter", 8, 8, full.substr(0, 10) + "a" + full.substr(11), "'a' is not a valid integer value"},
        {"the first bad character", 8, 8, "1-1 " + full, "'-' is not a valid integer value"},
        {"a blank", 8, 8, " " + full, "' ' is not a valid integer value"},
        {"width too small", 7, 8, full, "Map width 7 is outside the range 8 to 1000"},
        {"height too large", 8, 1001, full, "Map height 1001 is outside the range 8 to 1000"},
        {"negative width", -1, 8, full, "Map width -1 is outside the range 8 to 1000"},
        {"size before cells", 8, 0, "x", "Map height 0 is outside the range 8 to 1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TMapFileKeys keys;
        keys.Width = c.width;
        keys.Height = c.height;
        keys.MapText = c.text;
        if (*c.error) {
            EXPECT_EQ(ErrorOf([&] { DecodeMapKeys(keys); }), c.error);
            continue;
        }
        const TMapData map = DecodeMapKeys(keys);
        ASSERT_EQ(map.Map.size(), size_t(c.height));
        for (int32_t r = 0; r < c.height; ++r)
            for (int32_t col = 0; col < c.width; ++col)
                ASSERT_EQ(map.Map[size_t(r)][size_t(col)], c.text[size_t(r * c.width + col)] - '0');
    }
}

TEST_F(MapFileTest, DigitsTwoToNineAreKeptAndPointsOffTheMapBecomeUnset) {
    TMapFileKeys keys;
    keys.Width = 10;
    keys.Height = 8;
    keys.MapText = "0123456789" + std::string(70, '1');
    const struct {
        TPoint stored, opened;
    } points[] = {
        {{7, 9}, {7, 9}},     {{0, 0}, {0, 0}},     {{8, 0}, {-1, -1}}, {{0, 10}, {-1, -1}},
        {{-1, 3}, {-1, -1}},  {{3, -1}, {-1, -1}},  {{-1, -1}, {-1, -1}}, {{-5, -5}, {-1, -1}},
    };
    for (const auto& p : points) {
        SCOPED_TRACE(std::to_string(p.stored.X) + ", " + std::to_string(p.stored.Y));
        keys.SokoPos = keys.BoxPos = keys.TargetPos = p.stored;
        const TMapData map = DecodeMapKeys(keys);
        EXPECT_EQ(map.SokoPos, p.opened);
        EXPECT_EQ(map.BoxPos, p.opened);
        EXPECT_EQ(map.TargetPos, p.opened);
        EXPECT_EQ(map.Map[0], (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
}

TEST_F(MapFileTest, OpeningAFolderOrAMissingFileFails) {
    const std::string missing = PathOf("missing.map");
    EXPECT_EQ(ErrorOf([&] { LoadMapFile(missing, 8, 8); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_THROW(LoadMapFile(missing, 8, 8), EFOpenError);
    const std::string folderName = PathOf("maps");
    std::filesystem::create_directory(folderName);
    EXPECT_EQ(ErrorOf([&] { LoadMapFile(folderName, 8, 8); }),
              "Cannot open file \"" + folderName + "\". Is a directory");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(MapFileTest, EveryBadMapFileFailsWithItsMessage) {
    for (const badmaps::TBadMapFile& bad : badmaps::BadMapFiles()) {
        const std::string path = PathOf(bad.Name);
        if (bad.Kind == badmaps::TBadMapFile::kFile) WriteBytes(path, bad.Text);
        if (bad.Kind == badmaps::TBadMapFile::kFolder) std::filesystem::create_directory(path);
        try {
            (void)LoadMapFile(path, 8, 8);
            ADD_FAILURE() << bad.Name << " opened";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(bad.Message), std::string::npos) << bad.Name << ": " << e.what();
            EXPECT_FALSE(std::string(e.what()).empty());
        }
    }
}

TEST_F(MapFileTest, AFailedSaveLeavesTheOldFileWholeAndNothingBehind) {
    const std::string map = PathOf("old.map");
    const std::string xsb = PathOf("old.xsb");
    SaveMapFile(map, ExampleMap());
    SaveXsbFile(xsb, ExampleMap());
    const std::string oldMap = ReadBytes(map), oldXsb = ReadBytes(xsb);

    TMapData bigger = MapFromRows(std::vector<std::string>(12, std::string(20, '1')));
    {
        const TScopedSaveHook failing(FailSavesAfter(0, ENOSPC));
        EXPECT_EQ(ErrorOf([&] { SaveMapFile(map, bigger); }),
                  "Cannot create file \"" + map + "\". No space left on device");
        EXPECT_EQ(ErrorOf([&] { SaveXsbFile(xsb, bigger); }),
                  "Cannot create file \"" + xsb + "\". No space left on device");
    }
    // The nine keys go in one save: none of them changed.
    EXPECT_EQ(ReadBytes(map), oldMap);
    EXPECT_EQ(ReadBytes(xsb), oldXsb);

    const std::string noFolder = PathOf("none/new.map");
    EXPECT_EQ(ErrorOf([&] { SaveMapFile(noFolder, bigger); }),
              "Cannot create file \"" + noFolder + "\". No such file or directory");
    EXPECT_EQ(ErrorOf([&] { SaveXsbFile(PathOf("none/new.xsb"), bigger); }),
              "Cannot create file \"" + PathOf("none/new.xsb") + "\". No such file or directory");
    std::filesystem::create_directory(PathOf("folder.xsb"));
    EXPECT_EQ(ErrorOf([&] { SaveXsbFile(PathOf("folder.xsb"), bigger); }),
              "Cannot create file \"" + PathOf("folder.xsb") + "\". Is a directory");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"folder.xsb", "old.map", "old.xsb"}));
}

TEST_F(MapFileTest, ARecordAFileCannotHoldIsRefusedBeforeAnythingIsWritten) {
    struct Case {
        const char* what;
        TMapData map;
        const char* error;
    };
    TMapData small = MapFromRows(std::vector<std::string>(7, std::string(8, '1')));
    TMapData bigValue = ExampleMap();
    bigValue.Map[2][3] = 12;
    TMapData negative = ExampleMap();
    negative.Map[0][7] = -1;
    TMapData shortRow = ExampleMap();
    shortRow.Map[5].pop_back();
    TMapData fewRows = ExampleMap();
    fewRows.Map.pop_back();
    const Case cases[] = {
        {"too small", small, "Map height 7 is outside the range 8 to 1000"},
        {"a cell of two digits", bigValue,
         "Map cell at row 2, column 3 holds 12; a map file holds only the digits 0 to 9"},
        {"a negative cell", negative, "Map cell at row 0, column 7 holds -1; a map file holds only the digits 0 to 9"},
        {"a short row", shortRow, "The map record does not hold 8 rows of 8 cells"},
        {"a missing row", fewRows, "The map record does not hold 8 rows of 8 cells"},
    };
    const std::string path = PathOf("refused.map");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ErrorOf([&] { SaveMapFile(path, c.map); }), c.error);
        EXPECT_THROW(SaveMapFile(path, c.map), EMapFileError);
    }
    EXPECT_TRUE(Entries().empty());
    EXPECT_THROW(XsbLines(shortRow), EMapFileError);
}

}  // namespace
