// The two search commands: check the points, reset the display, time the chosen search and
// show its result on the grid, in the status bar and in the memo.

#include <QComboBox>
#include <QLocale>
#include <QPlainTextEdit>

#include <algorithm>
#include <chrono>
#include <iterator>

#include "BusyCursor.h"
#include "CellGrid.h"
#include "PanelStatusBar.h"
#include "SearchTimeText.h"
#include "UnitMain.h"

namespace {

using MoveSearchFn = bool (*)(const TMapData&, TSearchedMap&);
using PushSearchFn = bool (*)(const TMapData&, TSearchedMap&, bool);

// By list entry: ComboBox1 and ComboBox2.
constexpr MoveSearchFn kMoveSearches[] = {MoveSearchBFS4, MoveSearchAStar4, MoveSearchBFS8};
constexpr PushSearchFn kPushSearches[] = {PushSearchBFS, PushSearchAStar};

bool IsSet(TPoint p) { return p.X >= 0 && p.Y >= 0; }

// The panels the search commands fill.
constexpr int kNodesPanel = 1, kMovesPanel = 3, kPushesPanel = 5, kTimePanel = 7;

/// Runs the search and measures it; only the call and the choice of entry lie inside.
template <class Run>
bool TimedSearch(Run run, double& ms) {
    using Clock = std::chrono::steady_clock;
    const auto t0 = Clock::now();
    const bool found = run();
    const auto t1 = Clock::now();
    ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
    return found;
}

}  // namespace

void TForm1::ShowSearchTime(double ms) {
    StatusBar1->setPanelText(kTimePanel, SearchTimeText(ms, QLocale::system().decimalPoint()));
}

void TForm1::ShowSearchResult() {
    // Searched cells: a pair whose X is above 0 was reached.
    for (int32_t r = 0; r < MapInfo.Height; ++r)
        for (int32_t c = 0; c < MapInfo.Width; ++c)
            if (Searched.Cells[r][c].X > 0) CellStates[r][c] = csSearched;
    // Path cells from entry 1 on (entry 0 is the end); a cell listed again alternates.
    for (size_t i = 1; i < Searched.Path.size(); ++i) {
        const TPoint p = Searched.Path[i];
        if (p.X < 0 || p.Y < 0 || p.X >= MapInfo.Height || p.Y >= MapInfo.Width) continue;
        int32_t& state = CellStates[p.X][p.Y];
        state = state == csPath ? csPathAgain : csPath;
    }
    MarkPoints();
    RepaintGrid();
}

void TForm1::ShowPathText() {
    Memo1->clear();
    Memo1->appendPlainText(QString::fromStdString(Searched.PathText));
}

void TForm1::bbMoveSearchClick() {
    if (!IsSet(MapInfo.SokoPos) || !IsSet(MapInfo.TargetPos)) return;
    BusyCursor busy;
    bbResetClick();
    Searched.Width = MapInfo.Width;
    Searched.Height = MapInfo.Height;

    double ms = 0;
    const bool found = TimedSearch([&] {
        const int entry = ComboItemIndex(ComboBox1);
        return entry >= 0 && entry < int(std::size(kMoveSearches)) && kMoveSearches[entry](MapInfo, Searched);
    }, ms);
    ShowSearchTime(ms);
    if (!found) return;

    if (MapInfo.SokoPos == MapInfo.TargetPos) {
        // The search found the empty path and wrote nothing: show that, not the last result.
        Searched.Path.clear();
        Searched.SearchedNodes = 0;
        Searched.Steps = 0;
        for (auto& row : Searched.Cells) std::fill(row.begin(), row.end(), TPoint{0, 0});
        MarkPoints();
        RepaintGrid();
        StatusBar1->setPanelText(kNodesPanel, QStringLiteral("0"));
        StatusBar1->setPanelText(kMovesPanel, QStringLiteral("0"));
        StatusBar1->setPanelText(kPushesPanel, QString());
        Memo1->clear();
        return;
    }

    ShowSearchResult();
    StatusBar1->setPanelText(kNodesPanel, QString::number(Searched.SearchedNodes));
    StatusBar1->setPanelText(kMovesPanel, QString::number(Searched.Steps));
    StatusBar1->setPanelText(kPushesPanel, QString());
    ShowPathText();
}

void TForm1::bbPushSearchClick(QObject* Sender) {
    if (!IsSet(MapInfo.BoxPos) || !IsSet(MapInfo.SokoPos) || !IsSet(MapInfo.TargetPos)) return;
    BusyCursor busy;
    bbResetClick();
    const bool movesFirst = Sender && Sender->property("tag").toInt() != 0;
    Searched.Width = MapInfo.Width;
    Searched.Height = MapInfo.Height;

    double ms = 0;
    const bool found = TimedSearch([&] {
        const int entry = ComboItemIndex(ComboBox2);
        return entry >= 0 && entry < int(std::size(kPushSearches)) && kPushSearches[entry](MapInfo, Searched, movesFirst);
    }, ms);
    ShowSearchTime(ms);
    if (!found) return;

    ShowSearchResult();
    // Every letter is one step of the man; the upper-case ones are the pushes.
    StatusBar1->setPanelText(kNodesPanel, QString::number(Searched.SearchedNodes));
    StatusBar1->setPanelText(kMovesPanel, QString::number(Searched.PathText.size()));
    StatusBar1->setPanelText(kPushesPanel, QString::number(Searched.Steps));
    ShowPathText();
}
