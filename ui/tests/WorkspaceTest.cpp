// Painting, the size controls, Clear All, Reset Map, Random, Random Wall and the cell
// information strip, driven through the real grid and controls.

#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

#include <random>

#include "FormFixture.h"

using PaintTest = StartedForm;

TEST_F(PaintTest, WindowOpensOnAnEmptyMapWithTheWallTool) {
    EXPECT_EQ(form->MapInfo.Width, 60);
    EXPECT_EQ(form->MapInfo.Height, 50);
    EXPECT_EQ(form->StringGrid1->colCount(), 60);
    EXPECT_EQ(form->StringGrid1->rowCount(), 50);
    EXPECT_EQ(form->StringGrid1->defaultColWidth(), 8);
    EXPECT_TRUE(form->sbWall->isChecked());
    EXPECT_EQ(form->MapInfo.SokoPos, kUnsetPoint);
    EXPECT_EQ(form->Searched.Width, 0);
    ASSERT_EQ(form->Searched.Cells.size(), 50u);
    EXPECT_EQ(form->Searched.Cells[0].size(), 60u);
    for (int r = 0; r < 50; ++r)
        for (int c = 0; c < 60; ++c) ASSERT_TRUE(MapValue(r, c) == 1 && State(r, c) == csRoad);
    EXPECT_TRUE(form->PanelInfor->text().isEmpty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(PaintTest, EachToolPaintsItsCellAndPointsNeverShareOne) {
    Paint(form->sbWall, 2, 3);
    EXPECT_EQ(MapValue(2, 3), 0);
    EXPECT_EQ(State(2, 3), csWall);

    // A point painted on a wall frees the cell.
    Paint(form->sbSokoban, 2, 3);
    EXPECT_EQ(form->MapInfo.SokoPos, (TPoint{2, 3}));
    EXPECT_EQ(MapValue(2, 3), 1);
    EXPECT_EQ(State(2, 3), csStart);

    // The box painted on the start removes the start.
    Paint(form->sbBox, 2, 3);
    EXPECT_EQ(form->MapInfo.BoxPos, (TPoint{2, 3}));
    EXPECT_EQ(form->MapInfo.SokoPos, kUnsetPoint);
    EXPECT_EQ(State(2, 3), csBox);

    // A point moved leaves a free cell behind; its own tool on it places it again.
    Paint(form->sbTarget, 4, 4);
    Paint(form->sbTarget, 5, 6);
    EXPECT_EQ(form->MapInfo.TargetPos, (TPoint{5, 6}));
    EXPECT_EQ(State(4, 4), csRoad);
    ClickCell(5, 6);
    EXPECT_EQ(form->MapInfo.TargetPos, (TPoint{5, 6}));
    EXPECT_EQ(State(5, 6), csEnd);

    // Road removes a point; Wall removes one and walls its cell.
    Paint(form->sbClear, 2, 3);
    EXPECT_EQ(form->MapInfo.BoxPos, kUnsetPoint);
    EXPECT_EQ(State(2, 3), csRoad);
    Paint(form->sbWall, 5, 6);
    EXPECT_EQ(form->MapInfo.TargetPos, kUnsetPoint);
    EXPECT_EQ(State(5, 6), csWall);
}

TEST_F(PaintTest, MovingAPointLeavesTheMapCellOfItsOldPlaceAlone) {
    // A map cell under a point can only be 1 after painting; a file may leave a 2 there.
    form->MapInfo.Map[1][1] = 2;
    form->MapInfo.SokoPos = {1, 1};
    Paint(form->sbSokoban, 3, 3);
    EXPECT_EQ(MapValue(1, 1), 2);
    EXPECT_EQ(State(1, 1), csRoad);
}

TEST_F(PaintTest, ToolButtonsFormOneGroupWithOneDown) {
    form->sbBox->click();
    EXPECT_TRUE(form->sbBox->isChecked());
    EXPECT_FALSE(form->sbWall->isChecked());
    form->sbBox->click();  // clicking the button that is down leaves it down
    EXPECT_TRUE(form->sbBox->isChecked());
    int down = 0;
    for (QToolButton* tool : {form->sbClear, form->sbWall, form->sbSokoban, form->sbBox, form->sbTarget})
        down += tool->isChecked();
    EXPECT_EQ(down, 1);
}

TEST_F(PaintTest, DragPaintsEveryCellEnteredOnce) {
    Drag({{1, 1}, {1, 2}, {2, 2}, {2, 3}});
    for (auto [r, c] : std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {2, 2}, {2, 3}}) EXPECT_EQ(State(r, c), csWall);
    EXPECT_EQ(State(1, 3), csRoad);

    // A stroke with the start tool drags the start along and leaves it on the last cell.
    Drag({{5, 1}, {5, 2}, {5, 3}});
    form->sbSokoban->click();
    Drag({{5, 1}, {5, 2}, {5, 3}});
    EXPECT_EQ(form->MapInfo.SokoPos, (TPoint{5, 3}));
    EXPECT_EQ(State(5, 1), csRoad);
    EXPECT_EQ(State(5, 2), csRoad);
    EXPECT_EQ(MapValue(5, 2), 1);

    // Moving without the button paints nothing.
    form->sbWall->click();
    MovePointer(CellCentre(7, 7));
    EXPECT_EQ(State(7, 7), csRoad);
}

TEST_F(PaintTest, KeyboardMovesPaintOnlyTheCellLandedOn) {
    ClickCell(3, 3);
    QTest::keyClick(form->StringGrid1, Qt::Key_Right);
    QTest::keyClick(form->StringGrid1, Qt::Key_Down);
    QTest::keyClick(form->StringGrid1, Qt::Key_Down);
    EXPECT_EQ(State(3, 4), csWall);
    EXPECT_EQ(State(4, 4), csWall);
    EXPECT_EQ(State(5, 4), csWall);
    EXPECT_EQ(form->StringGrid1->col(), 4);
    EXPECT_EQ(form->StringGrid1->row(), 5);
    QTest::keyClick(form->StringGrid1, Qt::Key_End);
    EXPECT_EQ(State(5, 59), csWall);
    EXPECT_EQ(State(5, 30), csRoad);
    QTest::keyClick(form->StringGrid1, Qt::Key_Right);  // at the edge: no move, no paint
    EXPECT_EQ(form->StringGrid1->col(), 59);
}

using SizeTest = StartedForm;

TEST_F(SizeTest, ShrinkingKeepsTheCellsThatRemainAndUnsetsPointsOutside) {
    Paint(form->sbWall, 10, 20);
    Paint(form->sbSokoban, 5, 45);
    Paint(form->sbBox, 45, 5);
    Paint(form->sbTarget, 2, 2);
    form->Searched.Cells[10][20] = {3, 1};

    form->SEMapWidth->setValue(40);
    EXPECT_EQ(form->MapInfo.Width, 40);
    EXPECT_EQ(form->StringGrid1->colCount(), 40);
    EXPECT_EQ(form->MapInfo.SokoPos, kUnsetPoint);
    EXPECT_EQ(form->MapInfo.BoxPos, (TPoint{45, 5}));
    form->SEMapHeight->setValue(30);
    EXPECT_EQ(form->MapInfo.BoxPos, kUnsetPoint);
    EXPECT_EQ(form->MapInfo.TargetPos, (TPoint{2, 2}));
    EXPECT_EQ(form->StringGrid1->rowCount(), 30);

    for (const auto* rows : {&form->MapInfo.Map, &form->CellStates}) {
        ASSERT_EQ(rows->size(), 30u);
        for (const auto& row : *rows) ASSERT_EQ(row.size(), 40u);
    }
    ASSERT_EQ(form->Searched.Cells.size(), 30u);
    EXPECT_EQ(form->Searched.Cells[29].size(), 40u);
    EXPECT_EQ(MapValue(10, 20), 0);
    EXPECT_EQ(State(10, 20), csWall);
    EXPECT_EQ(form->Searched.Cells[10][20], (TPoint{3, 1}));  // search marks stay
}

TEST_F(SizeTest, GrowingAddsFreeColumnsOnTheRightAndFreeRowsBelow) {
    for (int c = 0; c < 60; ++c) Paint(form->sbWall, 49, c);
    form->SEMapWidth->setValue(64);
    form->SEMapHeight->setValue(52);
    EXPECT_EQ(MapValue(49, 59), 0);
    for (int c = 60; c < 64; ++c) EXPECT_TRUE(MapValue(49, c) == 1 && State(49, c) == csRoad) << c;
    for (int r = 50; r < 52; ++r)
        for (int c = 0; c < 64; ++c) ASSERT_TRUE(MapValue(r, c) == 1 && State(r, c) == csRoad);
    EXPECT_EQ(form->Searched.Cells[51][63], (TPoint{0, 0}));
}

TEST_F(SizeTest, TypingIntoTheFieldChangesTheMapOnlyWithValuesInRange) {
    QLineEdit* field = form->SEMapWidth->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, '0');
    EXPECT_EQ(form->MapInfo.Width, 600);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(form->MapInfo.Width, 60);
    QTest::keyClick(field, Qt::Key_Backspace);  // "6" lies below the range: held back
    EXPECT_EQ(form->MapInfo.Width, 60);
    EXPECT_EQ(form->SEMapWidth->value(), 60);
    QTest::keyClick(field, '5');  // "65"
    EXPECT_EQ(form->MapInfo.Width, 65);
    EXPECT_EQ(form->MapInfo.Map[0].size(), 65u);
}

TEST_F(SizeTest, CellSizeChangesTheGridButNotTheMap) {
    Paint(form->sbWall, 1, 1);
    form->SECellWidth->setValue(20);
    EXPECT_EQ(form->StringGrid1->defaultColWidth(), 20);
    EXPECT_EQ(form->StringGrid1->defaultRowHeight(), 20);
    EXPECT_EQ(form->StringGrid1->cellRect(1, 1).size(), QSize(20, 20));
    EXPECT_EQ(State(1, 1), csWall);
}

using CommandTest = StartedForm;

TEST_F(CommandTest, ClearAllFreesEveryCellAndUnsetsThePointsButKeepsTheMarks) {
    Paint(form->sbWall, 1, 1);
    Paint(form->sbSokoban, 2, 2);
    Paint(form->sbBox, 3, 3);
    Paint(form->sbTarget, 4, 4);
    form->Searched.Cells[1][1] = {7, -1};
    form->Memo1->setPlainText("rrdd");
    form->bbClear->click();
    for (int r = 0; r < 50; ++r)
        for (int c = 0; c < 60; ++c) ASSERT_TRUE(MapValue(r, c) == 1 && State(r, c) == csRoad);
    EXPECT_EQ(form->MapInfo.SokoPos, kUnsetPoint);
    EXPECT_EQ(form->MapInfo.BoxPos, kUnsetPoint);
    EXPECT_EQ(form->MapInfo.TargetPos, kUnsetPoint);
    EXPECT_EQ(form->Searched.Cells[1][1], (TPoint{7, -1}));
    EXPECT_EQ(form->Memo1->toPlainText(), "rrdd");
}

TEST_F(CommandTest, ResetBeforeAnyResultOnlyWritesThePointMarks) {
    Paint(form->sbWall, 1, 1);
    Paint(form->sbSokoban, 2, 2);
    form->CellStates[5][5] = csPath;     // cannot come from a search yet: stays
    form->CellStates[2][2] = csSearched;  // under the start: marked again
    form->bbReset->click();
    EXPECT_EQ(State(5, 5), csPath);
    EXPECT_EQ(State(2, 2), csStart);
    EXPECT_EQ(State(1, 1), csWall);
}

TEST_F(CommandTest, ResetTakesBackTheDisplayWithinTheLastResultsExtent) {
    Paint(form->sbWall, 1, 1);
    Paint(form->sbSokoban, 0, 0);
    Paint(form->sbTarget, 3, 3);
    form->MapInfo.Map[4][4] = 5;  // any non-zero value shows as free
    form->Searched.Width = 10;    // the last search ran on a 10 x 8 map
    form->Searched.Height = 8;
    for (int r = 0; r < 50; ++r)
        for (int c = 0; c < 60; ++c) form->CellStates[r][c] = csSearched;
    form->CellStates[2][2] = csPathAgain;
    form->bbReset->click();
    EXPECT_EQ(State(1, 1), csWall);
    EXPECT_EQ(State(2, 2), csRoad);
    EXPECT_EQ(State(4, 4), csRoad);
    EXPECT_EQ(State(0, 0), csStart);
    EXPECT_EQ(State(3, 3), csEnd);
    EXPECT_EQ(State(7, 9), csRoad);
    EXPECT_EQ(State(8, 9), csSearched);   // outside the extent: not recomputed
    EXPECT_EQ(State(7, 10), csSearched);
}

// The draws a seeded window makes, in the order the commands make them.
struct Draws {
    explicit Draws(uint32_t seed) : generator(seed) {}
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator); }
    std::mt19937 generator;
};

TEST_F(CommandTest, RandomPlacesStartBoxAndEndWithSixDrawsInOrder) {
    Paint(form->sbSokoban, 1, 1);
    for (uint32_t seed : {1u, 7u, 2024u}) {
        form->SeedRandom(seed);
        Draws draws(seed);
        TPoint expected[3];
        for (TPoint& p : expected) {
            p.X = draws.Below(50);
            p.Y = draws.Below(60);
        }
        Paint(form->sbWall, expected[0].X, expected[0].Y);  // walled cells become free
        form->SeedRandom(seed);
        const TPoint oldStart = form->MapInfo.SokoPos;
        form->bbRandom->click();
        EXPECT_EQ(form->MapInfo.SokoPos, expected[0]);
        EXPECT_EQ(form->MapInfo.BoxPos, expected[1]);
        EXPECT_EQ(form->MapInfo.TargetPos, expected[2]);
        for (const TPoint& p : expected) EXPECT_EQ(MapValue(p.X, p.Y), 1);
        EXPECT_EQ(State(expected[1].X, expected[1].Y), csBox);
        const bool oldStartReused = oldStart == expected[0] || oldStart == expected[1] || oldStart == expected[2];
        if (IsSetForTest(oldStart) && !oldStartReused) {
            EXPECT_EQ(State(oldStart.X, oldStart.Y), csRoad);
        }
    }
}

TEST_F(CommandTest, RandomOnOneCellShowsTheBoxOverTheStartOverTheEnd) {
    form->SECellWidth->setValue(8);
    form->SEMapWidth->setValue(8);
    form->SEMapHeight->setValue(8);
    // Find seeds whose draws share cells, then check what the shared cell shows.
    bool sawBoxOnStart = false, sawStartOnEnd = false;
    for (uint32_t seed = 0; seed < 4000 && !(sawBoxOnStart && sawStartOnEnd); ++seed) {
        Draws draws(seed);
        TPoint p[3];
        for (TPoint& q : p) q = {draws.Below(8), draws.Below(8)};
        const bool boxOnStart = p[0] == p[1];
        const bool startOnEnd = p[0] == p[2] && !(p[1] == p[2]);
        if (!(boxOnStart && !sawBoxOnStart) && !(startOnEnd && !sawStartOnEnd)) continue;
        form->SeedRandom(seed);
        form->bbRandom->click();
        if (boxOnStart) {
            EXPECT_EQ(State(p[0].X, p[0].Y), csBox);
            sawBoxOnStart = true;
        } else {
            EXPECT_EQ(State(p[0].X, p[0].Y), csStart);
            sawStartOnEnd = true;
        }
    }
    EXPECT_TRUE(sawBoxOnStart && sawStartOnEnd);
}

TEST_F(CommandTest, RandomWallDrawsOncePerCellRowByRowAndSparesNoPoint) {
    Paint(form->sbWall, 0, 0);
    Paint(form->sbSokoban, 3, 3);
    const uint32_t seed = 99;
    Draws draws(seed);
    std::vector<std::vector<bool>> walled(50, std::vector<bool>(60));
    int count = 0;
    for (int r = 0; r < 50; ++r)
        for (int c = 0; c < 60; ++c) count += walled[r][c] = draws.Below(100) + 1 <= 10;
    walled[0][0] = true;
    form->SeedRandom(seed);
    form->bbRandomWall->click();
    for (int r = 0; r < 50; ++r)
        for (int c = 0; c < 60; ++c) {
            if (r == 3 && c == 3 && !walled[r][c]) continue;  // the start's mark
            ASSERT_EQ(MapValue(r, c) == 0, walled[r][c]) << r << "," << c;
            ASSERT_EQ(State(r, c) == csWall, walled[r][c]) << r << "," << c;
        }
    EXPECT_GT(count, 150);  // about one cell in ten
    EXPECT_LT(count, 450);
    EXPECT_EQ(form->MapInfo.SokoPos, (TPoint{3, 3}));
}

TEST_F(CommandTest, RandomWallCanWallTheStartWhichStaysSet) {
    Paint(form->sbSokoban, 0, 0);
    for (uint32_t seed = 0;; ++seed) {
        Draws draws(seed);
        if (draws.Below(100) + 1 > 10) continue;  // the first draw is the start's cell
        form->SeedRandom(seed);
        break;
    }
    form->bbRandomWall->click();
    EXPECT_EQ(form->MapInfo.SokoPos, (TPoint{0, 0}));
    EXPECT_EQ(MapValue(0, 0), 0);
    EXPECT_EQ(State(0, 0), csWall);
}

using InfoStripTest = StartedForm;

TEST_F(InfoStripTest, ShowsThePositionAndTheMarkOfTheCellUnderThePointer) {
    form->Searched.Cells[4][7] = {-1, 12};
    MovePointer(CellCentre(4, 7));
    EXPECT_EQ(form->PanelInfor->text(),
              QString::fromUtf8("  当前位置: 4,7          移动(推动): -1,12"));
    EXPECT_EQ(form->PanelInfor->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    // Marks stay after Clear All.
    form->bbClear->click();
    MovePointer(CellCentre(4, 7));
    EXPECT_TRUE(form->PanelInfor->text().endsWith("-1,12"));
}

TEST_F(InfoStripTest, ShowsOnlyThePositionWhenTheMarksHaveAnotherShape) {
    form->Searched.Cells.resize(10);
    MovePointer(CellCentre(2, 3));
    EXPECT_EQ(form->PanelInfor->text(), QString::fromUtf8("  当前位置: 2,3"));
}

TEST_F(InfoStripTest, KeepsItsTextBeyondTheLastCell) {
    form->SEMapWidth->setValue(8);
    form->SEMapHeight->setValue(8);
    MovePointer(CellCentre(1, 1));
    const QString before = form->PanelInfor->text();
    MovePointer(CellCentre(1, 1) + QPoint(300, 0));
    EXPECT_EQ(form->PanelInfor->text(), before);
    MovePointer(CellCentre(1, 1) + QPoint(0, 300));
    EXPECT_EQ(form->PanelInfor->text(), before);
}

using GridPaintTest = StartedForm;

TEST_F(GridPaintTest, DrawsEachCellInItsStatesColour) {
    Paint(form->sbWall, 0, 0);
    Paint(form->sbSokoban, 0, 1);
    form->CellStates[0][2] = csPath;
    form->StringGrid1->viewport()->repaint();
    const QImage image = form->StringGrid1->viewport()->grab().toImage();
    auto colourAt = [&](int row, int col) { return image.pixelColor(CellCentre(row, col)); };
    EXPECT_EQ(colourAt(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(colourAt(0, 1), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(0, 2), QColor(255, 209, 87));
    EXPECT_EQ(colourAt(0, 3), QColor(255, 255, 255));
    // One-pixel lines between cells.
    const QRect cell = form->StringGrid1->cellRect(0, 0);
    EXPECT_NE(image.pixelColor(cell.right() + 1, cell.center().y()), QColor(0, 0, 0));
    EXPECT_EQ(form->StringGrid1->cellRect(1, 0).left(), cell.right() + 2);
}

TEST_F(GridPaintTest, ABigMapPaintsOnlyTheCellsItShows) {
    form->SECellWidth->setValue(2);
    form->SEMapWidth->setValue(1000);
    form->SEMapHeight->setValue(1000);
    int drawn = 0;
    form->StringGrid1->setDrawCellHandler([&](QPainter&, int, int, const QRect&) { ++drawn; });
    form->StringGrid1->viewport()->repaint();
    const QSize view = form->StringGrid1->viewport()->size();
    EXPECT_GT(drawn, 0);
    EXPECT_LE(drawn, (view.width() / 3 + 2) * (view.height() / 3 + 2));
}
