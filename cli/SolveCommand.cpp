#include <exception>

#include "Commands.h"
#include "MapRun.h"
#include "OutputFormat.h"

namespace kestrow::cli {

namespace {

TExitStatus SolveOne(const std::string& file, const TSearchEntry& search, const TCliOptions& options) {
    const TMapData map = OpenMapFile(file);
    if (const std::string missing = MissingPoints(map, search.Kind); !missing.empty()) {
        ReportFileError(file, missing);
        return kBadInput;
    }
    const TSearchRun run = RunSearch(map, search, options.MovesFirst, options.Repeat);
    const TRunReport report{file, search, options.MovesFirst, run};
    if (options.Json) {
        WriteOut(JsonLine(report, options.Cells));
    } else {
        WriteOut(PlainLine(report));
        if (options.Cells && run.Found) WriteOut(PlainCells(run.Result));
    }
    return run.Found ? kAllFound : kSomeNotFound;
}

}  // namespace

TExitStatus RunSolve(const TCliOptions& options) {
    const TSearchEntry& search = *FindSearch(options.Algo);  // checked by the parser
    TExitStatus status = kAllFound;
    // A bad file is reported and the remaining maps are still solved.
    for (const std::string& file : options.Files) {
        try {
            status = Worse(status, SolveOne(file, search, options));
        } catch (const std::exception& e) {
            ReportFileError(file, e.what());
            status = kBadInput;
        }
    }
    return status;
}

}  // namespace kestrow::cli
