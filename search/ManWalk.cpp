#include "ManWalk.h"

#include <algorithm>
#include <cstdlib>

#include "Directions.h"

namespace kestrow {

ManWalks::ManWalks(const TMapData& map)
    : width_(map.Width),
      height_(map.Height),
      wallMask_(size_t(map.Width) * map.Height),
      manMarks_(wallMask_.size()) {
    for (int32_t r = 0; r < height_; ++r)
        for (int32_t c = 0; c < width_; ++c) {
            const int32_t v = map.Map[r][c];
            wallMask_[size_t(r) * width_ + c] = v <= 0 ? -1 : v - 1;
            hasDigits_ |= v > 1;
        }
}

std::optional<DetourChoice> ManWalks::ChooseDetour(int32_t A, int32_t B, int32_t x, int32_t d) {
    if (A == B) return DetourChoice{kDetourNoWalk, 0};
    if (auto fixed = FixedDetour(A, x, d)) return fixed;
    // A walk that cannot get round the box would search the man's whole region: ask first.
    if (!regions_) regions_.emplace(wallMask_, width_, height_);
    if (!regions_->MayConnect(A, B, x)) return std::nullopt;
    const int32_t length = ShortestWalkLength(A, B, x);
    if (length < 0) return std::nullopt;
    return DetourChoice{kDetourSearched, length};
}

std::optional<DetourChoice> ManWalks::FixedDetour(int32_t A, int32_t x, int32_t d) const {
    const int32_t W = width_;
    const int32_t manRow = A / W, manCol = A % W, boxRow = x / W, boxCol = x % W;
    const bool right = manRow == boxRow && manCol == boxCol + 1;
    const bool left = manRow == boxRow && manCol == boxCol - 1;
    const bool below = manCol == boxCol && manRow == boxRow + 1;
    const bool above = manCol == boxCol && manRow == boxRow - 1;
    const auto free = [this](int32_t a, int32_t b, int32_t c) { return IsFree(a) && IsFree(b) && IsFree(c); };
    const auto walk = [](uint8_t code) { return DetourChoice{code, int32_t(DetourText[code].size())}; };

    // Each push direction and side of the man has its own codes; within a side the walk above
    // the box comes before the one below, the one on the left before the one on the right.
    switch (d) {
        case dirDown:
            if (right && IsFree(A - W)) return walk(0);
            if (left && IsFree(A - W)) return walk(2);
            if (below && boxCol > 0 && free(A - 1, A - W - 1, A - 2 * W - 1)) return walk(12);
            if (below && boxCol < W - 1 && free(A + 1, A - W + 1, A - 2 * W + 1)) return walk(13);
            break;
        case dirRight:
            if (below && IsFree(A - 1)) return walk(1);
            if (above && IsFree(A - 1)) return walk(5);
            if (right && boxRow > 0 && free(A - W, A - W - 1, A - W - 2)) return walk(8);
            if (right && boxRow < height_ - 1 && free(A + W, A + W - 1, A + W - 2)) return walk(9);
            break;
        case dirLeft:
            if (below && IsFree(A + 1)) return walk(3);
            if (above && IsFree(A + 1)) return walk(7);
            if (left && boxRow > 0 && free(A - W, A - W + 1, A - W + 2)) return walk(10);
            if (left && boxRow < height_ - 1 && free(A + W, A + W + 1, A + W + 2)) return walk(11);
            break;
        case dirUp:
            if (right && IsFree(A + W)) return walk(4);
            if (left && IsFree(A + W)) return walk(6);
            if (above && boxCol > 0 && free(A - 1, A + W - 1, A + 2 * W - 1)) return walk(14);
            if (above && boxCol < W - 1 && free(A + 1, A + W + 1, A + 2 * W + 1)) return walk(15);
            break;
        default:
            break;
    }
    return std::nullopt;
}

void ManWalks::StartNewWalk() {
    if (++walkStamp_ == 0) {  // the stamps went round: forget every old mark once
        std::fill(manMarks_.begin(), manMarks_.end(), ManMark{});
        walkStamp_ = 1;
    }
}

bool ManWalks::FindManWalk(int32_t from, int32_t to, int32_t blocked, int32_t& length, std::string* letters) {
    const int32_t W = width_, H = height_;
    StartNewWalk();
    SetMark(blocked, -1, 0);
    SetMark(from, 0, 0);
    walkQueue_.clear();
    walkQueue_.push_back(from);
    bool found = false;
    for (size_t head = 0; head < walkQueue_.size() && !found; ++head) {
        const int32_t h = walkQueue_[head];
        const int32_t row = h / W, col = h % W;
        const int32_t next = MarkDistance(h) + 1;
        // Left, up, right, down; finding the goal still lets the other neighbours in.
        for (const DirectionInfo& dir : kDirections) {
            if (!DirAllowed(dir.code, row, col, W, H)) continue;
            const int32_t n = h + DirOffset(dir.code, W);
            const int32_t distance = MarkDistance(n);
            if (distance == 0 || distance > next) {
                SetMark(n, next, uint8_t(dir.code));
                walkQueue_.push_back(n);
                if (n == to) found = true;
            }
        }
    }
    if (!found) return false;

    length = MarkDistance(to);
    if (letters) {
        letters->clear();
        for (int32_t y = to; y != from;) {
            const int32_t code = manMarks_[y].stepCode;
            letters->push_back(Direction(code).moveLetter);
            y -= DirOffset(code, W);
        }
        std::reverse(letters->begin(), letters->end());
    }
    return true;
}

int32_t ManWalks::ShortestWalkLength(int32_t from, int32_t to, int32_t blocked) {
    const int32_t W = width_, H = height_;
    if (hasDigits_) {
        int32_t length = 0;
        return FindManWalk(from, to, blocked, length, nullptr) ? length : -1;
    }
    // Estimate: rows and columns to `to`. Each move changes it by one, so a cell's estimate
    // plus moves is the level of its parent or two more: two lists hold every waiting cell.
    const int32_t toRow = to / W, toCol = to % W;
    const auto estimate = [&](int32_t row, int32_t col) { return std::abs(row - toRow) + std::abs(col - toCol); };
    StartNewWalk();
    SetMark(blocked, -1, 0);
    SetMark(from, 0, 0);
    int32_t level = estimate(from / W, from % W);
    walkQueue_.clear();
    nextLevel_.clear();
    walkQueue_.push_back(from);
    for (;;) {
        if (walkQueue_.empty()) {
            if (nextLevel_.empty()) return -1;
            walkQueue_.swap(nextLevel_);
            level += 2;
        }
        const int32_t h = walkQueue_.back();
        walkQueue_.pop_back();
        const int32_t row = h / W, col = h % W;
        const int32_t moves = MarkDistance(h);
        if (moves + estimate(row, col) != level) continue;  // reached more cheaply since it was queued
        if (h == to) return moves;
        for (const DirectionInfo& dir : kDirections) {
            if (!DirAllowed(dir.code, row, col, W, H)) continue;
            const int32_t n = h + DirOffset(dir.code, W);
            const ManMark& mark = manMarks_[n];
            const bool seen = mark.stamp == walkStamp_;
            if (seen ? mark.distance <= moves + 1 : wallMask_[n] != 0) continue;  // walls, the box, no gain
            SetMark(n, moves + 1, uint8_t(dir.code));
            const int32_t f = moves + 1 + estimate(row + dir.dRow, col + dir.dCol);
            (f == level ? walkQueue_ : nextLevel_).push_back(n);
        }
    }
}

}  // namespace kestrow
