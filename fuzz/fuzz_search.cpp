// Every search on arbitrary small maps and placements (any digit 0 to 9, points anywhere:
// off the grid, on walls, on each other): no crash, no hang, and a path found replays legally.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "GraphSearch.h"

namespace {

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

TPoint PointFrom(Bytes& in, int32_t width, int32_t height) {
    const uint8_t kind = in.Next();
    if (kind % 16 == 0) return {-1, -1};
    if (kind % 16 == 1) return {int32_t(in.Next() % (height + 3)) - 1, int32_t(in.Next() % (width + 3)) - 1};
    return {int32_t(in.Next() % height), int32_t(in.Next() % width)};
}

bool Inside(const TMapData& m, TPoint p) { return p.X >= 0 && p.Y >= 0 && p.X < m.Height && p.Y < m.Width; }
bool Open(const TMapData& m, TPoint p) { return Inside(m, p) && m.Map[p.X][p.Y] != 0; }

void Check(bool ok) {
    if (!ok) std::abort();
}

// Moves of the man, l u r d and the diagonals (0) to (3); the box is an obstacle.
void ReplayMoves(const TMapData& m, const TSearchedMap& r) {
    TPoint at = m.SokoPos;
    const std::string& t = r.PathText;
    for (size_t i = 0; i < t.size(); ++i) {
        int dr = 0, dc = 0;
        switch (t[i]) {
            case 'l': dc = -1; break;
            case 'r': dc = 1; break;
            case 'u': dr = -1; break;
            case 'd': dr = 1; break;
            case '(':
                Check(i + 2 < t.size() && t[i + 2] == ')');
                dr = (t[i + 1] == '0' || t[i + 1] == '1') ? -1 : 1;
                dc = (t[i + 1] == '0' || t[i + 1] == '2') ? -1 : 1;
                i += 2;
                break;
            default: Check(false);
        }
        at = {at.X + dr, at.Y + dc};
        Check(Open(m, at) && !(at == m.BoxPos));
    }
    Check(at == m.TargetPos);
}

// Moves and pushes; the box moves only when pushed, onto a cell that is not a wall.
void ReplayPushes(const TMapData& m, const TSearchedMap& r) {
    TPoint man = m.SokoPos, box = m.BoxPos;
    int32_t pushes = 0;
    for (char ch : r.PathText) {
        int dr = 0, dc = 0;
        switch (ch | 0x20) {
            case 'l': dc = -1; break;
            case 'r': dc = 1; break;
            case 'u': dr = -1; break;
            case 'd': dr = 1; break;
            default: Check(false);
        }
        man = {man.X + dr, man.Y + dc};
        Check(Open(m, man));
        const bool push = ch >= 'A' && ch <= 'Z';
        Check(push == (man == box));
        if (push) {
            box = {box.X + dr, box.Y + dc};
            Check(Open(m, box));
            ++pushes;
        }
    }
    Check(box == m.TargetPos && pushes == r.Steps);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes in(data, size);
    TMapData map;
    map.Width = 1 + in.Next() % 12;
    map.Height = 1 + in.Next() % 12;
    map.Map.assign(map.Height, std::vector<int32_t>(map.Width, 1));
    for (auto& row : map.Map)
        for (auto& v : row) {
            const uint8_t b = in.Next();
            v = b < 160 ? 1 : b < 230 ? 0 : b % 10;
        }
    map.SokoPos = PointFrom(in, map.Width, map.Height);
    map.BoxPos = PointFrom(in, map.Width, map.Height);
    map.TargetPos = PointFrom(in, map.Width, map.Height);

    using MoveSearch = bool (*)(const TMapData&, TSearchedMap&);
    for (MoveSearch search : {MoveSearchBFS4, MoveSearchAStar4, MoveSearchBFS8}) {
        TSearchedMap result;
        result.Cells.assign(map.Height, std::vector<TPoint>(map.Width));
        if (search(map, result)) ReplayMoves(map, result);
    }
    using PushSearch = bool (*)(const TMapData&, TSearchedMap&, bool);
    for (PushSearch search : {PushSearchBFS, PushSearchAStar})
        for (bool movesFirst : {false, true}) {
            TSearchedMap result;
            result.Cells.assign(map.Height, std::vector<TPoint>(map.Width));
            if (search(map, result, movesFirst)) ReplayPushes(map, result);
        }
    return 0;
}
