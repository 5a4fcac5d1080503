// The window on a 1000 x 1000 map at cell size 2: start-up to a shown window, a full
// repaint of the grid, Random Wall, Clear All and a resize from 1000 to 999 columns.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "PanelStatusBar.h"

#include "CellGrid.h"
#include "UnitMain.h"

namespace {

// A program folder whose settings ask for the big map; errors are counted, not shown.
struct BigMapFolder {
    BigMapFolder() {
        QFile settings(QDir(folder.path()).filePath("kestrow.ini"));
        settings.open(QIODevice::WriteOnly);
        settings.write("[Option]\r\nCBIndex1=0\r\nCBIndex2=0\r\nMapHeight=1000\r\nMapWidth=1000\r\nCellWidth=2\r\n");
    }
    WindowSeams Seams() {
        WindowSeams seams;
        seams.programFolder = folder.path();
        seams.showError = [this](QWidget*, const QString&) { ++errors; };
        return seams;
    }
    QTemporaryDir folder;
    int errors = 0;
};

std::unique_ptr<TForm1> ShownWindow(BigMapFolder& place) {
    auto form = std::make_unique<TForm1>(place.Seams());
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return form;
    QCoreApplication::processEvents();
    return form;
}

void Repaint(TForm1& form) { form.StringGrid1->viewport()->repaint(); }

void BM_StartUpToShownWindow(benchmark::State& state) {
    BigMapFolder place;
    for (auto _ : state) {
        auto form = ShownWindow(place);
        Repaint(*form);
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (place.errors) state.SkipWithError("the window reported an error");
}

// One shown window for the commands below.
template <class Command>
void OnBigMap(benchmark::State& state, Command command) {
    BigMapFolder place;
    auto form = ShownWindow(place);
    if (form->MapInfo.Width != 1000 || form->MapInfo.Height != 1000) {
        state.SkipWithError("the window did not open the big map");
        return;
    }
    for (auto _ : state) command(state, *form);
    if (place.errors) state.SkipWithError("the window reported an error");
}

void BM_FullRepaint(benchmark::State& state) {
    OnBigMap(state, [](benchmark::State&, TForm1& form) { Repaint(form); });
}

void BM_RandomWall(benchmark::State& state) {
    OnBigMap(state, [](benchmark::State&, TForm1& form) {
        form.bbRandomWallClick();
        Repaint(form);
    });
}

void BM_ClearAll(benchmark::State& state) {
    OnBigMap(state, [](benchmark::State&, TForm1& form) {
        form.bbClearClick();
        Repaint(form);
    });
}

void BM_Resize1000To999Columns(benchmark::State& state) {
    OnBigMap(state, [](benchmark::State& s, TForm1& form) {
        form.SEMapWidth->setValue(999);
        Repaint(form);
        s.PauseTiming();
        form.SEMapWidth->setValue(1000);
        s.ResumeTiming();
    });
}

// A search command's own work besides the search: the reset, the marking of the result, the
// panels, the memo and the repaint. The search's time is the one the command shows.
template <class Click>
void CommandOverhead(benchmark::State& state, TPoint box, Click click) {
    OnBigMap(state, [&](benchmark::State& s, TForm1& form) {
        if (s.error_occurred()) return;
        s.PauseTiming();
        if (form.MapInfo.SokoPos.X < 0) {
            form.SeedRandom(5);
            form.bbRandomWallClick();
            for (TPoint p : {TPoint{1, 1}, TPoint{998, 998}, box})
                if (p.X >= 0) form.MapInfo.Map[p.X][p.Y] = 1;
            form.MapInfo.SokoPos = {1, 1};
            form.MapInfo.TargetPos = {998, 998};
            form.MapInfo.BoxPos = box;
        }
        s.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        click(form);
        Repaint(form);
        const double totalMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        QString shown = form.StatusBar1->panelText(7);
        shown.chop(3);  // " ms"
        const double searchMs = QLocale::system().toDouble(shown);
        if (form.Searched.PathText.empty()) s.SkipWithError("no path");
        s.SetIterationTime((totalMs - searchMs) / 1000);
        s.counters["search_ms"] = searchMs;
    });
}

void BM_MoveSearchCommandBesidesTheSearch(benchmark::State& state) {
    CommandOverhead(state, {-1, -1}, [](TForm1& form) { form.bbMoveSearchClick(); });
}

void BM_PushSearchCommandBesidesTheSearch(benchmark::State& state) {
    // The box next to the man's corner, so the push search stays short.
    CommandOverhead(state, {996, 998}, [](TForm1& form) { form.bbPushSearchClick(form.bbPushSearch); });
}

}  // namespace

BENCHMARK(BM_MoveSearchCommandBesidesTheSearch)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_PushSearchCommandBesidesTheSearch)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_RandomWall)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_ClearAll)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_Resize1000To999Columns)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
