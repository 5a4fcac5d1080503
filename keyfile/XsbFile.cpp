#include "MapFile.h"

#include "FileIO.h"
#include "MapChecks.h"
#include "RecordChecks.h"
#include "TextLines.h"

namespace {

// One character for whatever points share a cell. The box hides the man, as it would
// in a level where the man stands beside it; on the end point the box or the man shows
// as "*" or "+", and all three together show as the box on the end point.
char PointCharacter(bool man, bool box, bool target) {
    if (box) return target ? '*' : '$';
    if (man) return target ? '+' : '@';
    return '.';
}

}  // namespace

std::vector<std::string> XsbLines(const TMapData& map) {
    kestrow::CheckMapShape(map);
    const std::string border(size_t(map.Width) + 2, '#');
    std::vector<std::string> lines;
    lines.reserve(size_t(map.Height) + 2);
    lines.push_back(border);
    for (int32_t r = 0; r < map.Height; ++r) {
        std::string line = border;
        for (int32_t c = 0; c < map.Width; ++c)
            if (map.Map[size_t(r)][size_t(c)] == 1) line[size_t(c) + 1] = ' ';
        lines.push_back(std::move(line));
    }
    lines.push_back(border);

    const auto onMap = [&](TPoint p) { return kestrow::InGrid(p, map.Width, map.Height); };
    const auto at = [&](TPoint cell, TPoint point) { return onMap(point) && point == cell; };
    // A point's character also takes the place of a wall.
    for (const TPoint point : {map.SokoPos, map.BoxPos, map.TargetPos}) {
        if (!onMap(point)) continue;
        lines[size_t(point.X) + 1][size_t(point.Y) + 1] =
            PointCharacter(at(point, map.SokoPos), at(point, map.BoxPos), at(point, map.TargetPos));
    }
    return lines;
}

void SaveXsbFile(const std::string& fileName, const TMapData& map) {
    kestrow::WriteFileAtomically(fileName, kestrow::JoinLinesCrLf(XsbLines(map)));
}
