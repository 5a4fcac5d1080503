// Save Map, Open Map and Save AS XSB through the dialog seam, and errors reaching the box.

#include <QSpinBox>

#include "BadMapFiles.h"
#include "FormatExample.h"
#include "FormFixture.h"
#include "SaveFaultForTests.h"

namespace {
const QByteArray kSmallMap = QByteArray::fromStdString(formatexample::kMapFile);
}

// An 8 x 8 window: a wall across the first four cells of row 1, the start at (0, 0), the end at (2, 0).
class MapCommandTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        WriteBytes(SettingsFile(), "[Option]\r\nMapHeight=8\r\nMapWidth=8\r\n");
        StartForm();
        for (int c = 0; c < 4; ++c) Paint(form->sbWall, 1, c);
        Paint(form->sbSokoban, 0, 0);
        Paint(form->sbTarget, 2, 0);
    }
};

TEST_F(MapCommandTest, SaveWritesTheNineKeysAndAddsTheExtension) {
    answers = {PathOf("level")};
    form->bbSave->click();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(ReadBytes(PathOf("level.map")), kSmallMap);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(requests[0].filter, "Map Files (*.map)");
    EXPECT_TRUE(requests[0].initialName.isEmpty());

    // The dialog opens on the name last chosen; a cancelled dialog does nothing.
    form->bbSave->click();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].initialName, PathOf("level.map"));
    EXPECT_EQ(form->SaveDialog1.FileName(), PathOf("level.map"));
}

TEST_F(MapCommandTest, SaveKeepsTheFilesOtherLines) {
    WriteBytes(PathOf("old.map"), "; notes\r\n[MapData]\r\nMapWidth=9\r\nExtra=1\r\n[Other]\r\nA=b\r\n");
    answers = {PathOf("old.map")};
    form->bbSave->click();
    const QByteArray saved = ReadBytes(PathOf("old.map"));
    EXPECT_TRUE(saved.startsWith("; notes\r\n[MapData]\r\nMapWidth=8\r\nExtra=1\r\n"));
    EXPECT_TRUE(saved.endsWith("[Other]\r\nA=b\r\n"));
}

TEST_F(MapCommandTest, XsbExportWritesTheLevel) {
    answers = {PathOf("level")};
    form->Button5->click();
    QByteArray expected = "##########\r\n#@       #\r\n#####    #\r\n#.       #\r\n";
    for (int i = 0; i < 5; ++i) expected += "#        #\r\n";
    expected += "##########\r\n";
    EXPECT_EQ(ReadBytes(PathOf("level.xsb")), expected);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].filter, "XSB File (*.xsb)");
    EXPECT_EQ(requests[0].defaultSuffix, "xsb");
}

TEST_F(MapCommandTest, SavedMapOpensAsItWas) {
    form->MapInfo.Map[5][5] = 7;  // a digit only a file can bring
    Paint(form->sbBox, 4, 6);
    answers = {PathOf("round.map")};
    form->bbSave->click();
    const TMapData saved = form->MapInfo;
    const TCellStates shown = form->CellStates;
    form->bbClear->click();
    form->SEMapWidth->setValue(30);
    answers = {PathOf("round.map")};
    form->bbOpen->click();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->MapInfo.Width, 8);
    EXPECT_EQ(form->MapInfo.SokoPos, saved.SokoPos);
    EXPECT_EQ(form->MapInfo.BoxPos, saved.BoxPos);
    EXPECT_EQ(form->MapInfo.TargetPos, saved.TargetPos);
    EXPECT_EQ(form->MapInfo.Map, saved.Map);
    EXPECT_EQ(form->CellStates, shown);
    EXPECT_EQ(State(5, 5), csRoad);
}

TEST_F(MapCommandTest, OpenRebuildsTheWorkspaceAndRecordsTheSize) {
    QByteArray text = "[MapData]\r\nMapWidth=12\r\nMapHeight=9\r\nSokoPosX=8\r\nSokoPosY=11\r\n"
                      "BoxPosX=4\r\nBoxPosY=4\r\nTargetPosX=4\r\nTargetPosY=4\r\nMap=";
    QByteArray cells(12 * 9, '1');
    cells[0] = '0';
    cells[12 * 3 + 2] = '3';
    text += cells + "999\r\n";  // extra digits are ignored
    WriteBytes(PathOf("big.map"), text);
    form->Searched.PathText = "rrdd";
    form->Searched.Cells[0][0] = {4, 1};
    answers = {PathOf("big.map")};
    form->bbOpen->click();

    ASSERT_TRUE(errors.empty()) << errors[0].toStdString();
    EXPECT_EQ(form->MapInfo.Width, 12);
    EXPECT_EQ(form->MapInfo.Height, 9);
    EXPECT_EQ(form->SEMapWidth->value(), 12);
    EXPECT_EQ(form->SEMapHeight->value(), 9);
    EXPECT_EQ(form->StringGrid1->colCount(), 12);
    EXPECT_EQ(form->StringGrid1->rowCount(), 9);
    EXPECT_EQ(form->Searched.Width, 12);
    EXPECT_EQ(form->Searched.Height, 9);
    EXPECT_TRUE(form->Searched.PathText.empty());
    EXPECT_EQ(form->Searched.Cells[0][0], (TPoint{4, 1}));  // kept where the map remains
    EXPECT_EQ(form->Searched.Cells[8][11], (TPoint{0, 0}));
    EXPECT_EQ(MapValue(0, 0), 0);
    EXPECT_EQ(State(0, 0), csWall);
    EXPECT_EQ(MapValue(3, 2), 3);
    EXPECT_EQ(State(3, 2), csRoad);
    EXPECT_EQ(State(8, 11), csStart);
    EXPECT_EQ(State(4, 4), csBox);  // the box over the end
    EXPECT_EQ(State(2, 0), csRoad);  // the old points are gone
    // The size handlers ran: the map's size is the one the program starts with next time.
    const QByteArray settings = ReadBytes(SettingsFile());
    EXPECT_TRUE(settings.contains("MapWidth=12\r\n"));
    EXPECT_TRUE(settings.contains("MapHeight=9\r\n"));
}

TEST_F(MapCommandTest, ABadFileLeavesTheWorkspaceExactlyAsItWas) {
    form->Searched.PathText = "lurd";
    const TMapData before = form->MapInfo;
    const TCellStates shownBefore = form->CellStates;
    const QByteArray settingsBefore = ReadBytes(SettingsFile());
    for (const badmaps::TBadMapFile& bad : badmaps::BadMapFiles()) {
        if (bad.Kind == badmaps::TBadMapFile::kFile) WriteBytes(PathOf(bad.Name), QByteArray::fromStdString(bad.Text));
        if (bad.Kind == badmaps::TBadMapFile::kFolder) QDir(folder.path()).mkdir(bad.Name);
        answers = {PathOf(bad.Name)};
        errors.clear();
        form->bbOpen->click();
        ASSERT_EQ(errors.size(), 1u) << bad.Name;
        EXPECT_FALSE(errors[0].isEmpty());
        EXPECT_TRUE(errors[0].contains(bad.Message)) << bad.Name << ": " << errors[0].toStdString();
        EXPECT_EQ(form->MapInfo.Width, before.Width);
        EXPECT_EQ(form->MapInfo.Height, before.Height);
        EXPECT_EQ(form->MapInfo.SokoPos, before.SokoPos);
        EXPECT_EQ(form->MapInfo.TargetPos, before.TargetPos);
        EXPECT_EQ(form->MapInfo.Map, before.Map);
        EXPECT_EQ(form->CellStates, shownBefore);
        EXPECT_EQ(form->SEMapWidth->value(), 8);
        EXPECT_EQ(form->StringGrid1->colCount(), 8);
        EXPECT_EQ(form->Searched.PathText, "lurd");
        EXPECT_EQ(ReadBytes(SettingsFile()), settingsBefore);
    }
}

TEST_F(MapCommandTest, AnInterruptedMapSaveKeepsTheOldFileAndLeavesNothingBehind) {
    const QString mapFile = PathOf("kept.map");
    WriteBytes(mapFile, kSmallMap);
    Paint(form->sbWall, 5, 5);
    answers = {mapFile};
    {
        const kestrow::test_seam::TScopedSaveHook failing(kestrow::test_seam::FailSavesAfter(0, EIO));
        form->bbSave->click();
    }
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith("Cannot create file \"" + mapFile + "\"")) << errors[0].toStdString();
    EXPECT_EQ(ReadBytes(mapFile), kSmallMap);
    QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    files.removeAll("kestrow.ini");
    EXPECT_EQ(files, QStringList{"kept.map"});
}

TEST_F(MapCommandTest, PointsOutsideTheMapOpenUnset) {
    WriteBytes(PathOf("points.map"),
               "[MapData]\r\nMapWidth=8\r\nMapHeight=8\r\nSokoPosX=8\r\nSokoPosY=0\r\nBoxPosX=-3\r\nBoxPosY=2\r\n"
               "TargetPosX=7\r\nTargetPosY=7\r\nMap=" + QByteArray(64, '1') + "\r\n");
    answers = {PathOf("points.map")};
    form->bbOpen->click();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->MapInfo.SokoPos, kUnsetPoint);
    EXPECT_EQ(form->MapInfo.BoxPos, kUnsetPoint);
    EXPECT_EQ(form->MapInfo.TargetPos, (TPoint{7, 7}));
    EXPECT_EQ(State(7, 7), csEnd);
}

TEST_F(MapCommandTest, AnErrorInAHandlerReachesTheBoxAndTheWindowGoesOn) {
    answers = {PathOf("missing-folder/level.map")};
    form->bbSave->click();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith("Cannot create file")) << errors[0].toStdString();
    answers = {PathOf("missing.map")};
    form->bbOpen->click();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_TRUE(errors[1].startsWith("Cannot open file")) << errors[1].toStdString();
    // The window works on.
    Paint(form->sbWall, 6, 6);
    EXPECT_EQ(State(6, 6), csWall);
    EXPECT_EQ(State(1, 0), csWall);
}

TEST_F(MapCommandTest, AHandlerThatThrowsAnythingIsCaughtByTheGuard) {
    form->RunGuarded([] { throw std::runtime_error("boom"); });
    form->RunGuarded([] { throw 42; });
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "boom");
    EXPECT_EQ(errors[1], "Unknown error");
}

TEST_F(MapCommandTest, CancelledDialogsDoNothing) {
    const TMapData before = form->MapInfo;
    form->bbOpen->click();
    form->bbSave->click();
    form->Button5->click();
    EXPECT_EQ(requests.size(), 3u);
    EXPECT_FALSE(requests[0].save);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->MapInfo.Map, before.Map);
    EXPECT_TRUE(QDir(folder.path()).entryList({"*.map", "*.xsb"}).isEmpty());
}
