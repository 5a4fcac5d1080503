// The window on a 1000 x 1000 map at cell size 2: start-up to a shown window, a full
// repaint of the grid, Random Wall, Clear All and a resize from 1000 to 999 columns.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

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

}  // namespace

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
