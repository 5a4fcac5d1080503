// The map-file commands: Save Map, Open Map and Save AS XSB.

#include <QFile>
#include <QSpinBox>

#include "BusyCursor.h"
#include "CellGrid.h"
#include "MapFile.h"
#include "UnitMain.h"

namespace {
std::string LocalName(const QString& name) { return QFile::encodeName(name).toStdString(); }
}  // namespace

void TForm1::bbSaveClick() {
    if (!SaveDialog1.Execute(this, FSeams)) return;
    BusyCursor busy;
    SaveMapFile(LocalName(SaveDialog1.FileName()), MapInfo);
}

void TForm1::Button5Click() {
    if (!SaveDialog2.Execute(this, FSeams)) return;
    BusyCursor busy;
    SaveXsbFile(LocalName(SaveDialog2.FileName()), MapInfo);
}

void TForm1::bbOpenClick() {
    if (!OpenDialog1.Execute(this, FSeams)) return;
    BusyCursor busy;
    // The whole file is read and checked before anything changes, so a file that cannot
    // become a map leaves the workspace exactly as it was.
    const TMapData loaded = LoadMapFile(LocalName(OpenDialog1.FileName()), MapInfo.Width, MapInfo.Height);
    ApplyMap(loaded);
}

void TForm1::ApplyMap(const TMapData& loaded) {
    bbClearClick();
    MapInfo.Width = loaded.Width;
    MapInfo.Height = loaded.Height;
    MapInfo.SokoPos = loaded.SokoPos;
    MapInfo.BoxPos = loaded.BoxPos;
    MapInfo.TargetPos = loaded.TargetPos;
    StringGrid1->setRowCount(loaded.Height);
    StringGrid1->setColCount(loaded.Width);
    // The size handlers run here as for a user's change: they record the size in the
    // settings, so the program starts with this size next time.
    SEMapWidth->setValue(loaded.Width);
    SEMapHeight->setValue(loaded.Height);
    ResizeWorkspace(loaded.Height, loaded.Width);
    for (int32_t r = 0; r < loaded.Height; ++r)
        for (int32_t c = 0; c < loaded.Width; ++c) {
            const int32_t value = loaded.Map[r][c];
            CellStates[r][c] = value == 0 ? csWall : csRoad;
            MapInfo.Map[r][c] = value;
        }
    MarkPoints();
    Searched.PathText.clear();
    Searched.Width = loaded.Width;
    Searched.Height = loaded.Height;
    RepaintGrid();
}
