#pragma once
// Opening a map file for the searches and running one search on it, timed.

#include <cstdint>
#include <string>
#include <vector>

#include "GraphSearch.h"
#include "SearchTable.h"

namespace kestrow::cli {

/// The window's map size, used for a size key the file lacks.
inline constexpr int32_t kDefaultMapWidth = 60;
inline constexpr int32_t kDefaultMapHeight = 50;

/// Reads a ".map" file as the window opens it. Throws the key file's and map file's errors.
TMapData OpenMapFile(const std::string& fileName);

/// Empty when the points the search needs are placed, else what is missing,
/// as in "the box is not placed".
std::string MissingPoints(const TMapData& map, TSearchKind kind);

/// One search run `repeat` times on fresh result records, each run timed alone.
struct TSearchRun {
    bool Found = false;
    TSearchedMap Result;         // the last run's record; read only when Found
    std::vector<double> TimesMs; // every run, in order
    double MedianMs = 0;
};

/// Runs the search; its points must be placed (MissingPoints empty).
TSearchRun RunSearch(const TMapData& map, const TSearchEntry& search, bool movesFirst, int32_t repeat);

/// The middle value; the mean of the two middle values for an even count. 0 for none.
double Median(std::vector<double> values);

/// What the window shows as the move steps: the moves of a move search, every letter of a push path.
int32_t MoveSteps(TSearchKind kind, const TSearchedMap& result);

}  // namespace kestrow::cli
