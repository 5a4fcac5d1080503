#include <exception>
#include <filesystem>

#include "Commands.h"
#include "MapFile.h"
#include "MapRun.h"

namespace kestrow::cli {

TExitStatus RunXsb(const TCliOptions& options) {
    const std::string& mapFile = options.Files[0];
    const std::string& outFile = options.Files[1];
    TMapData map;
    try {
        map = OpenMapFile(mapFile);
    } catch (const std::exception& e) {
        ReportFileError(mapFile, e.what());
        return kBadInput;
    }
    // Writing the level over its own map file would lose the map.
    std::error_code error;
    if (std::filesystem::equivalent(mapFile, outFile, error)) {
        ReportFileError(outFile, "is the map file itself; the export would replace it");
        return kBadInput;
    }
    try {
        SaveXsbFile(outFile, map);
    } catch (const std::exception& e) {
        ReportFileError(outFile, e.what());
        return kBadInput;
    }
    return kAllFound;
}

}  // namespace kestrow::cli
