#include "PushSearchContext.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "Directions.h"
#include "RecordChecks.h"

namespace kestrow {

PushPlacement CheckPushPlacement(const TMapData& map, const TSearchedMap& result) {
    if (!RecordsHaveShape(map, result)) return PushPlacement::Unsearchable;
    const int32_t W = map.Width, H = map.Height;
    if (!InGrid(map.SokoPos, W, H) || !InGrid(map.BoxPos, W, H) || !InGrid(map.TargetPos, W, H))
        return PushPlacement::Unsearchable;
    // The man may stand on anything (he steps off it as from a free cell); the box may not.
    if (map.Map[map.BoxPos.X][map.BoxPos.Y] != 1 || map.SokoPos == map.BoxPos) return PushPlacement::Unsearchable;
    if (map.BoxPos == map.TargetPos) return PushPlacement::BoxOnTarget;
    return PushPlacement::Searchable;
}

void WriteZeroPushResult(const TMapData& map, TSearchedMap& result) {
    for (int32_t r = 0; r < map.Height; ++r)
        for (int32_t c = 0; c < map.Width; ++c)
            result.Cells[r][c] = map.Map[r][c] <= 0 ? TPoint{-1, -1} : TPoint{0, 0};
    result.PathText.clear();
    result.Path.clear();
    result.Steps = 0;
    result.SearchedNodes = 1;
}

PushSearchContext::PushSearchContext(const TMapData& map, bool movesFirst)
    : width_(map.Width),
      height_(map.Height),
      manStart_(map.SokoPos.X * map.Width + map.SokoPos.Y),
      boxStart_(map.BoxPos.X * map.Width + map.BoxPos.Y),
      end_(map.TargetPos.X * map.Width + map.TargetPos.Y),
      endRow_(map.TargetPos.X),
      endCol_(map.TargetPos.Y),
      movesFirst_(movesFirst),
      walks_(map) {
    InitPushSearch();
}

void PushSearchContext::InitPushSearch() {
    // Every layer carries the walls (and the values of digit cells) as its Pushes.
    std::vector<PushRecord>& left = pushLayers_[0];
    left.resize(size_t(width_) * height_);
    for (size_t i = 0; i < left.size(); ++i) left[i].Pushes = walks_.WallDistance(int32_t(i));
    left[boxStart_].ManCell = manStart_;
    for (int k = 1; k < 4; ++k) pushLayers_[k] = left;
}

int32_t PushSearchContext::ManhattanToEnd(int32_t cell) const {
    return std::abs(cell / width_ - endRow_) + std::abs(cell % width_ - endCol_);
}

bool PushSearchContext::Better(int64_t pushes, int64_t moves, int64_t otherPushes, int64_t otherMoves) const {
    if (movesFirst_) return moves < otherMoves || (moves == otherMoves && pushes < otherPushes);
    return pushes < otherPushes || (pushes == otherPushes && moves < otherMoves);
}

void PushSearchContext::ExpandPushState(int32_t pd, int32_t x) {
    PushRecord& state = Record(pd, x);
    if (state.Expanded) return;
    state.Expanded = 1;
    const int32_t P = state.Pushes, M = state.Moves, A = state.ManCell;
    const int32_t W = width_, r = x / W, c = x % W;
    // Both neighbours along the push must be open: the box's new cell and the man's place behind
    // it. The man's own cell counts as open whatever lies under it: he may start on a wall.
    const auto open = [&](int32_t cell) { return cell == A || !IsWall(cell); };
    if (r > 0 && r < height_ - 1 && open(x - W) && open(x + W)) {
        TryPush(pd, dirUp, x - W, x + W, x, A, P, M);
        TryPush(pd, dirDown, x + W, x - W, x, A, P, M);
    }
    if (c > 0 && c < W - 1 && open(x - 1) && open(x + 1)) {
        TryPush(pd, dirLeft, x - 1, x + 1, x, A, P, M);
        TryPush(pd, dirRight, x + 1, x - 1, x, A, P, M);
    }
}

bool PushSearchContext::IsDeadCorner(int32_t N) const {
    const int32_t W = width_, r = N / W, c = N % W;
    const bool bottom = r < height_ - 1 && IsWall(N + W), top = r > 0 && IsWall(N - W);
    const bool rightWall = c < W - 1 && IsWall(N + 1), leftWall = c > 0 && IsWall(N - 1);
    return (rightWall || leftWall) && (bottom || top);
}

void PushSearchContext::TryPush(int32_t pd, int32_t d, int32_t N, int32_t B, int32_t x, int32_t A, int32_t P,
                                int32_t M) {
    PushRecord& R = Record(d, N);
    const int64_t Rp = R.Pushes, Rm = R.Moves;
    if (Rp < 0) return;

    // Cannot improve the state even with the cheapest walk.
    const int64_t leastMoves = int64_t(M) + 1, pushesAfter = int64_t(P) + 1;
    if (movesFirst_) {
        if (Rm > 0 && (leastMoves > Rm || (leastMoves == Rm && Rp < pushesAfter))) return;
    } else {
        if (Rp > 0 && (Rp < pushesAfter || (Rp == pushesAfter && leastMoves > Rm))) return;
    }

    // Cannot beat the best solution: every push moves the box one cell nearer at most.
    // A bound equal to the best passes, the second criterion may still improve.
    const int64_t h = ManhattanToEnd(N);
    if (movesFirst_ ? h + leastMoves > bestMoves_ : h + pushesAfter > bestPushes_) return;

    // A box where two walls meet at a right angle never moves again.
    if (N != end_ && IsDeadCorner(N)) return;

    const std::optional<DetourChoice> detour = walks_.ChooseDetour(A, B, x, d);
    if (!detour) return;

    const int64_t newMoves = leastMoves + detour->Cost;
    if (newMoves >= INT32_MAX) return;  // beyond any figure the record can hold
    if (movesFirst_ && h + newMoves > bestMoves_) return;

    // The first way found to a state at a given cost stays.
    if (Rp != 0 && !Better(pushesAfter, newMoves, Rp, Rm)) return;

    const int32_t newPushes = int32_t(pushesAfter);
    AdmitState(d, N, newPushes, int32_t(newMoves));
    R = PushRecord{newPushes, int32_t(newMoves), x, detour->Code, uint8_t(pd)};

    if (N == end_ && Better(newPushes, newMoves, bestPushes_, bestMoves_)) {
        bestPushes_ = newPushes;
        bestMoves_ = int32_t(newMoves);
        bestDir_ = d;
    }
}

void PushSearchContext::BuildPushResult(TSearchedMap& result, int32_t searchedNodes) {
    const int32_t W = width_;
    // Per cell the best state with the box on it; only states reached by a push count, so a
    // digit cell's preset value never shows as reached.
    for (int32_t r = 0; r < height_; ++r) {
        for (int32_t c = 0; c < W; ++c) {
            const int32_t i = r * W + c;
            if (IsWall(i)) {
                result.Cells[r][c] = TPoint{-1, -1};
                continue;
            }
            TPoint best{INT32_MAX, INT32_MAX};
            for (int32_t dir = dirLeft; dir <= dirDown; ++dir) {
                const PushRecord& rec = Record(dir, i);
                if (rec.Pushes > 0 && rec.Moves > 0 && Better(rec.Pushes, rec.Moves, best.X, best.Y))
                    best = TPoint{rec.Pushes, rec.Moves};
            }
            result.Cells[r][c] = best.X == INT32_MAX ? TPoint{0, 0} : best;
        }
    }

    result.Steps = bestPushes_;
    result.SearchedNodes = searchedNodes;
    result.Path.resize(size_t(bestPushes_));

    // Walk back from the best end state; the text is gathered backwards and turned round once.
    std::string backwards, walk;
    backwards.reserve(size_t(bestMoves_));
    int32_t d = bestDir_, x = end_;
    for (int32_t k = 0; k < bestPushes_; ++k) {
        backwards += PushLetters[d - dirLeft][0];
        const PushRecord& R = Record(d, x);
        const int32_t p = x - DirOffset(d, W);
        result.Path[k] = TPoint{x / W, x % W};
        const bool firstPush = k == bestPushes_ - 1 || R.ParentDir == 0;
        const int32_t from = firstPush ? manStart_ : Record(R.ParentDir, p).ManCell;
        if (R.Detour < kDetourNoWalk) {
            backwards.append(DetourText[R.Detour].rbegin(), DetourText[R.Detour].rend());
        } else if (R.Detour == kDetourSearched) {
            // The same from, to and blocked cells as during the search give the same walk.
            int32_t length = 0;
            walks_.FindManWalk(from, R.ManCell - DirOffset(d, W), p, length, &walk);
            backwards.append(walk.rbegin(), walk.rend());
        }
        d = R.ParentDir;
        x = p;
    }
    result.PathText.assign(backwards.rbegin(), backwards.rend());
}

}  // namespace kestrow
