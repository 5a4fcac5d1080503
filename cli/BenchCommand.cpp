#include <algorithm>
#include <exception>

#include "Commands.h"
#include "MapRun.h"
#include "OutputFormat.h"

namespace kestrow::cli {

namespace {

TExitStatus BenchOne(const std::string& file, const TCliOptions& options, size_t mapWidth) {
    const TMapData map = OpenMapFile(file);
    TExitStatus status = kAllFound;
    for (const TSearchEntry& search : SearchTable()) {
        if (const std::string missing = MissingPoints(map, search.Kind); !missing.empty()) {
            ReportFileError(file, missing + "; " + std::string(search.Name) + " skipped");
            status = kBadInput;
            continue;
        }
        const int modes = search.Kind == TSearchKind::Push ? 2 : 1;
        for (int mode = 0; mode < modes; ++mode) {
            const bool movesFirst = mode == 1;
            const TSearchRun run = RunSearch(map, search, movesFirst, options.Repeat);
            const TRunReport report{file, search, movesFirst, run};
            WriteOut(options.Json ? JsonLine(report, false) : BenchRow(report, mapWidth));
            if (!run.Found) status = Worse(status, kSomeNotFound);
        }
    }
    return status;
}

}  // namespace

TExitStatus RunBench(const TCliOptions& options) {
    size_t mapWidth = 3;  // "map"
    for (const std::string& file : options.Files) mapWidth = std::max(mapWidth, file.size());
    if (!options.Json) WriteOut(BenchHeader(mapWidth));
    TExitStatus status = kAllFound;
    for (const std::string& file : options.Files) {
        try {
            status = Worse(status, BenchOne(file, options, mapWidth));
        } catch (const std::exception& e) {
            ReportFileError(file, e.what());
            status = kBadInput;
        }
    }
    return status;
}

}  // namespace kestrow::cli
