// The map workspace: painting, drawing, the size controls, Clear, Reset, Random and the
// cell information.

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

#include "BusyCursor.h"
#include "CellGrid.h"
#include "UnitMain.h"

namespace {

constexpr TPoint kUnset{-1, -1};

bool IsSet(TPoint p) { return p.X >= 0 && p.Y >= 0; }

}  // namespace

void TForm1::MarkPoints() {
    // Later marks win where points share a cell: the box over the start over the end.
    if (IsSet(MapInfo.TargetPos)) CellStates[MapInfo.TargetPos.X][MapInfo.TargetPos.Y] = csEnd;
    if (IsSet(MapInfo.SokoPos)) CellStates[MapInfo.SokoPos.X][MapInfo.SokoPos.Y] = csStart;
    if (IsSet(MapInfo.BoxPos)) CellStates[MapInfo.BoxPos.X][MapInfo.BoxPos.Y] = csBox;
}

void TForm1::RepaintGrid() { StringGrid1->viewport()->update(); }

void TForm1::BuildEmptyMap() {
    MapInfo.Width = SEMapWidth->value();
    MapInfo.Height = SEMapHeight->value();
    MapInfo.SokoPos = MapInfo.BoxPos = MapInfo.TargetPos = kUnset;
    MapInfo.Map.assign(size_t(MapInfo.Height), std::vector<int32_t>(size_t(MapInfo.Width), 1));
    CellStates.assign(size_t(MapInfo.Height), std::vector<int32_t>(size_t(MapInfo.Width), csRoad));
    Searched.Cells.assign(size_t(MapInfo.Height), std::vector<TPoint>(size_t(MapInfo.Width), TPoint{0, 0}));
}

void TForm1::ResizeWorkspace(int32_t height, int32_t width) {
    // Rows and columns that remain keep their entries; new cells are free and unmarked.
    MapInfo.Map.resize(size_t(height));
    CellStates.resize(size_t(height));
    Searched.Cells.resize(size_t(height));
    for (int32_t r = 0; r < height; ++r) {
        MapInfo.Map[r].resize(size_t(width), 1);
        CellStates[r].resize(size_t(width), csRoad);
        Searched.Cells[r].resize(size_t(width), TPoint{0, 0});
    }
}

void TForm1::StringGrid1SelectCell(int ACol, int ARow, bool& CanSelect) {
    CanSelect = true;
    const TPoint cell{ARow, ACol};
    MapInfo.Map[ARow][ACol] = 1;
    CellStates[ARow][ACol] = csRoad;
    for (TPoint* point : {&MapInfo.SokoPos, &MapInfo.BoxPos, &MapInfo.TargetPos})
        if (*point == cell) *point = kUnset;

    auto movePoint = [&](TPoint& point) {
        if (IsSet(point)) CellStates[point.X][point.Y] = csRoad;
        point = cell;
    };
    if (sbWall->isChecked()) {
        MapInfo.Map[ARow][ACol] = 0;
        CellStates[ARow][ACol] = csWall;
    }
    if (sbSokoban->isChecked()) movePoint(MapInfo.SokoPos);
    if (sbBox->isChecked()) movePoint(MapInfo.BoxPos);
    if (sbTarget->isChecked()) movePoint(MapInfo.TargetPos);
    MarkPoints();
    RepaintGrid();
}

void TForm1::StringGrid1DrawCell(QPainter& Canvas, int ACol, int ARow, const QRect& Rect) {
    Canvas.fillRect(Rect, CellColour(CellStates.at(size_t(ARow)).at(size_t(ACol))));
}

void TForm1::SECellWidthChange() {
    const int size = SECellWidth->value();
    WriteSetting("CellWidth", size);
    StringGrid1->setDefaultColWidth(size);
    StringGrid1->setDefaultRowHeight(size);
    RepaintGrid();
}

void TForm1::SEMapWidthChange() {
    const int32_t newWidth = SEMapWidth->value();
    WriteSetting("MapWidth", newWidth);
    const int32_t oldWidth = MapInfo.Width;
    if (oldWidth == 0) return;  // start-up: the map is not built yet
    BusyCursor busy;
    MapInfo.Width = newWidth;
    StringGrid1->setColCount(newWidth);
    ResizeWorkspace(MapInfo.Height, newWidth);
    if (newWidth < oldWidth)
        for (TPoint* point : {&MapInfo.SokoPos, &MapInfo.BoxPos, &MapInfo.TargetPos})
            if (point->Y >= newWidth) *point = kUnset;
}

void TForm1::SEMapHeightChange() {
    const int32_t newHeight = SEMapHeight->value();
    WriteSetting("MapHeight", newHeight);
    const int32_t oldHeight = MapInfo.Height;
    if (oldHeight == 0) return;  // start-up: the map is not built yet
    BusyCursor busy;
    MapInfo.Height = newHeight;
    StringGrid1->setRowCount(newHeight);
    ResizeWorkspace(newHeight, MapInfo.Width);
    if (newHeight < oldHeight)
        for (TPoint* point : {&MapInfo.SokoPos, &MapInfo.BoxPos, &MapInfo.TargetPos})
            if (point->X >= newHeight) *point = kUnset;
}

void TForm1::bbClearClick() {
    BusyCursor busy;
    MapInfo.SokoPos = MapInfo.BoxPos = MapInfo.TargetPos = kUnset;
    for (int32_t r = 0; r < MapInfo.Height; ++r) {
        std::fill(MapInfo.Map[r].begin(), MapInfo.Map[r].end(), 1);
        std::fill(CellStates[r].begin(), CellStates[r].end(), int32_t(csRoad));
    }
    RepaintGrid();
}

void TForm1::bbResetClick() {
    BusyCursor busy;
    // Only the extent of the last result can carry search marks.
    const int32_t rows = std::min(MapInfo.Height, Searched.Height);
    const int32_t cols = std::min(MapInfo.Width, Searched.Width);
    for (int32_t r = 0; r < rows; ++r)
        for (int32_t c = 0; c < cols; ++c) CellStates[r][c] = MapInfo.Map[r][c] == 0 ? csWall : csRoad;
    MarkPoints();
    RepaintGrid();
}

void TForm1::bbRandomClick() {
    TPoint* points[3] = {&MapInfo.SokoPos, &MapInfo.BoxPos, &MapInfo.TargetPos};
    for (TPoint* point : points)
        if (IsSet(*point)) CellStates[point->X][point->Y] = csRoad;
    // Six draws in this order: start row, start column, box row, box column, end row, end column.
    for (TPoint* point : points) {
        point->X = Random(MapInfo.Height);
        point->Y = Random(MapInfo.Width);
        MapInfo.Map[point->X][point->Y] = 1;
    }
    CellStates[MapInfo.TargetPos.X][MapInfo.TargetPos.Y] = csEnd;
    CellStates[MapInfo.SokoPos.X][MapInfo.SokoPos.Y] = csStart;
    CellStates[MapInfo.BoxPos.X][MapInfo.BoxPos.Y] = csBox;
    RepaintGrid();
}

void TForm1::bbRandomWallClick() {
    BusyCursor busy;
    for (int32_t r = 0; r < MapInfo.Height; ++r)
        for (int32_t c = 0; c < MapInfo.Width; ++c)
            if (Random(100) + 1 <= 10) {
                MapInfo.Map[r][c] = 0;
                CellStates[r][c] = csWall;
            }
    RepaintGrid();
}

void TForm1::StringGrid1MouseMove(Qt::KeyboardModifiers, int X, int Y) {
    int col = 0, row = 0;
    if (!StringGrid1->mouseToCell({X, Y}, col, row)) return;
    QString text = QStringLiteral("  当前位置: %1,%2").arg(row).arg(col);
    const bool marksFit = Searched.Cells.size() == size_t(MapInfo.Height) &&
                          !Searched.Cells.empty() && Searched.Cells[0].size() == size_t(MapInfo.Width);
    if (marksFit) {
        const TPoint mark = Searched.Cells.at(size_t(row)).at(size_t(col));
        text += QStringLiteral("          移动(推动): %1,%2").arg(mark.X).arg(mark.Y);
    }
    PanelInfor->setText(text);
}
