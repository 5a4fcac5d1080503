#include "MapChecks.h"

#include <string>

#include "MapFile.h"
#include "RecordChecks.h"

namespace kestrow {

namespace {
void CheckSide(const char* side, int32_t value) {
    if (value < kMinMapSide || value > kMaxMapSide)
        throw EMapFileError("Map " + std::string(side) + " " + std::to_string(value) + " is outside the range " +
                            std::to_string(kMinMapSide) + " to " + std::to_string(kMaxMapSide));
}
}  // namespace

void CheckMapSize(int32_t width, int32_t height) {
    CheckSide("width", width);
    CheckSide("height", height);
}

void CheckMapShape(const TMapData& map) {
    bool fits = map.Width >= 0 && map.Height >= 0 && map.Map.size() >= size_t(map.Height);
    for (int32_t r = 0; fits && r < map.Height; ++r) fits = map.Map[size_t(r)].size() >= size_t(map.Width);
    if (!fits)
        throw EMapFileError("The map record does not hold " + std::to_string(map.Height) + " rows of " +
                            std::to_string(map.Width) + " cells");
}

TPoint OnMapOrUnset(TPoint point, int32_t width, int32_t height) {
    return InGrid(point, width, height) ? point : TPoint{-1, -1};
}

}  // namespace kestrow
