#include "MapRun.h"

#include <algorithm>
#include <chrono>

#include "MapFile.h"

namespace kestrow::cli {

namespace {

bool Placed(TPoint p) { return p.X >= 0 && p.Y >= 0; }

// A result record sized for the map, as the window keeps it.
TSearchedMap FreshResult(const TMapData& map) {
    TSearchedMap result;
    result.Width = map.Width;
    result.Height = map.Height;
    result.Cells.assign(size_t(map.Height), std::vector<TPoint>(size_t(map.Width), TPoint{0, 0}));
    return result;
}

}  // namespace

TMapData OpenMapFile(const std::string& fileName) {
    return LoadMapFile(fileName, kDefaultMapWidth, kDefaultMapHeight);
}

std::string MissingPoints(const TMapData& map, TSearchKind kind) {
    std::vector<std::string> missing;
    if (!Placed(map.SokoPos)) missing.push_back("the start point");
    if (kind == TSearchKind::Push && !Placed(map.BoxPos)) missing.push_back("the box");
    if (!Placed(map.TargetPos)) missing.push_back("the end point");
    if (missing.empty()) return "";
    std::string text = missing.front();
    for (size_t i = 1; i < missing.size(); ++i) text += (i + 1 == missing.size() ? " and " : ", ") + missing[i];
    return text + (missing.size() == 1 ? " is" : " are") + " not placed";
}

TSearchRun RunSearch(const TMapData& map, const TSearchEntry& search, bool movesFirst, int32_t repeat) {
    using Clock = std::chrono::steady_clock;
    TSearchRun run;
    run.TimesMs.reserve(size_t(std::max(repeat, 1)));
    for (int32_t i = 0; i < std::max(repeat, 1); ++i) {
        // A fresh record each time, so that every run does the same work as the first.
        run.Result = FreshResult(map);
        const Clock::time_point t0 = Clock::now();
        run.Found = search.Run(map, run.Result, movesFirst);
        const Clock::time_point t1 = Clock::now();
        run.TimesMs.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    run.MedianMs = Median(run.TimesMs);
    return run;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1) return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + middle);
    return (lower + upper) / 2;
}

int32_t MoveSteps(TSearchKind kind, const TSearchedMap& result) {
    return kind == TSearchKind::Push ? int32_t(result.PathText.size()) : result.Steps;
}

}  // namespace kestrow::cli
