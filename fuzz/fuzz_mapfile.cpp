// Arbitrary bytes through the checked open path: either a clear error, or a map that is whole
// and that saves and opens again to the same record.

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "FuzzFiles.h"
#include "MapFile.h"
#include "myIniFiles.h"

namespace {

bool OnMapOrUnset(TPoint p, const TMapData& m) {
    return (p.X == -1 && p.Y == -1) || (p.X >= 0 && p.Y >= 0 && p.X < m.Height && p.Y < m.Width);
}

void CheckWhole(const TMapData& m) {
    if (m.Width < kMinMapSide || m.Width > kMaxMapSide || m.Height < kMinMapSide || m.Height > kMaxMapSide) std::abort();
    if (m.Map.size() != size_t(m.Height)) std::abort();
    for (const auto& row : m.Map) {
        if (row.size() != size_t(m.Width)) std::abort();
        for (int32_t v : row)
            if (v < 0 || v > 9) std::abort();
    }
    if (!OnMapOrUnset(m.SokoPos, m) || !OnMapOrUnset(m.BoxPos, m) || !OnMapOrUnset(m.TargetPos, m)) std::abort();
}

bool Same(const TMapData& a, const TMapData& b) {
    return a.Width == b.Width && a.Height == b.Height && a.SokoPos == b.SokoPos && a.BoxPos == b.BoxPos &&
           a.TargetPos == b.TargetPos && a.Map == b.Map;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzzfiles::WriteScratch("fuzz.map", data, size);
    TMapData map;
    try {
        map = LoadMapFile(path, 60, 50);
    } catch (const std::runtime_error& e) {
        if (std::string(e.what()).empty()) std::abort();  // an error always says what went wrong
        return 0;
    }
    CheckWhole(map);
    const std::string copy = (fuzzfiles::ScratchFolder() / "copy.map").string();
    std::remove(copy.c_str());
    SaveMapFile(copy, map);
    if (!Same(LoadMapFile(copy, 8, 8), map)) std::abort();
    return 0;
}
