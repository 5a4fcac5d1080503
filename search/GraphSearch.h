#pragma once
// The search engine: the map and result records, the three move searches and the two
// push searches. Plain functions over plain records; no state survives a call.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// A grid position: X is the row (0 at the top), Y the column (0 at the left).
/// (-1, -1) marks a point that is not placed.
struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
};

inline bool operator==(TPoint a, TPoint b) { return a.X == b.X && a.Y == b.Y; }

/// The map: Width columns, Height rows, the man, the box and the end point,
/// and Map[row][column] with 1 = free cell, 0 = wall (a map file may carry 2 to 9).
struct TMapData {
    int32_t Width = 0;
    int32_t Height = 0;
    TPoint SokoPos{-1, -1};
    TPoint BoxPos{-1, -1};
    TPoint TargetPos{-1, -1};
    std::vector<std::vector<int32_t>> Map;
};

/// The result of a search. Cells is sized by the caller (Height rows of Width pairs);
/// a successful search writes every pair of the map's extent.
struct TSearchedMap {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<std::vector<TPoint>> Cells;
    std::vector<TPoint> Path;
    std::string PathText;
    int32_t SearchedNodes = 0;
    int32_t Steps = 0;
};

/// The four orthogonal direction codes; push states store them and they index PushLetters.
enum : int32_t { dirLeft = 37, dirUp = 38, dirRight = 39, dirDown = 40 };

/// Push letters "L", "U", "R", "D" for the codes dirLeft..dirDown: PushLetters[code - dirLeft].
inline constexpr std::string_view PushLetters[4] = {"L", "U", "R", "D"};

/// The sixteen fixed walks of the man around the box, indexed by detour code 0 to 15.
inline constexpr std::string_view DetourText[16] = {
    "ul", "lu", "ur", "ru", "dl", "ld", "dr", "rd",
    "ulld", "dllu", "urrd", "drru", "luur", "ruul", "lddr", "rddl"};

/// Fewest moves from SokoPos to TargetPos, four directions, breadth-first.
/// Cells: (distance, step offset) per cell. False when there is no path or the record is malformed.
bool MoveSearchBFS4(const TMapData& map, TSearchedMap& result);

/// Fewest moves, four directions, A* with the estimate dx + dy. SearchedNodes: nodes made.
bool MoveSearchAStar4(const TMapData& map, TSearchedMap& result);

/// Fewest moves, eight directions (a diagonal counts one), breadth-first.
bool MoveSearchBFS8(const TMapData& map, TSearchedMap& result);

/// Pushes the box onto TargetPos, breadth-first over push states. MovesFirst false: fewest
/// pushes, then fewest moves (BP); true: fewest moves, then fewest pushes (BM).
bool PushSearchBFS(const TMapData& map, TSearchedMap& result, bool MovesFirst);

/// The same problem as PushSearchBFS, states taken up in the order of an estimate.
bool PushSearchAStar(const TMapData& map, TSearchedMap& result, bool MovesFirst);
