#include "PathReplay.h"

#include <cctype>

namespace searchtest {

namespace {

bool Open(const TMapData& map, TPoint p) {
    return p.X >= 0 && p.Y >= 0 && p.X < map.Height && p.Y < map.Width && map.Map[p.X][p.Y] != 0;
}

// Row and column change of a straight letter, whatever its case.
bool StraightStep(char letter, int32_t& dr, int32_t& dc) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
        case 'l': dr = 0, dc = -1; return true;
        case 'r': dr = 0, dc = 1; return true;
        case 'u': dr = -1, dc = 0; return true;
        case 'd': dr = 1, dc = 0; return true;
        default: return false;
    }
}

}  // namespace

TReplay ReplayMovePath(const TMapData& map, const std::string& t) {
    TReplay out;
    TPoint at = map.SokoPos;
    for (size_t i = 0; i < t.size(); ++i) {
        int32_t dr = 0, dc = 0;
        if (t[i] == '(' && i + 2 < t.size() && t[i + 2] == ')' && t[i + 1] >= '0' && t[i + 1] <= '3') {
            dr = t[i + 1] <= '1' ? -1 : 1;
            dc = (t[i + 1] - '0') % 2 == 0 ? -1 : 1;
            i += 2;
        } else if (!std::islower(static_cast<unsigned char>(t[i])) || !StraightStep(t[i], dr, dc)) {
            out.problem = "letter " + std::to_string(i) + " is not a move";
            return out;
        }
        at = {at.X + dr, at.Y + dc};
        if (!Open(map, at) || at == map.BoxPos) {
            out.problem = "move " + std::to_string(out.moves) + " is blocked";
            return out;
        }
        out.cells.push_back(at);
        ++out.moves;
    }
    if (!(at == map.TargetPos)) out.problem = "the man does not end on the end point";
    return out;
}

TReplay ReplayPushPath(const TMapData& map, const std::string& t) {
    TReplay out;
    TPoint man = map.SokoPos, box = map.BoxPos;
    for (size_t i = 0; i < t.size(); ++i) {
        int32_t dr = 0, dc = 0;
        if (!StraightStep(t[i], dr, dc)) {
            out.problem = "letter " + std::to_string(i) + " is not a step";
            return out;
        }
        const TPoint next{man.X + dr, man.Y + dc};
        if (std::isupper(static_cast<unsigned char>(t[i]))) {
            const TPoint boxNext{box.X + dr, box.Y + dc};
            if (!(next == box) || !Open(map, boxNext)) {
                out.problem = "push " + std::to_string(i) + " is not possible";
                return out;
            }
            box = boxNext;
            out.cells.push_back(box);
            ++out.pushes;
        } else if (!Open(map, next) || next == box) {
            out.problem = "move " + std::to_string(i) + " is blocked";
            return out;
        }
        man = next;
        ++out.moves;
    }
    if (!(box == map.TargetPos)) out.problem = "the box does not end on the end point";
    return out;
}

}  // namespace searchtest
