#pragma once
// How a search's outcome is printed: a plain line, a JSON object, a row of the bench table.

#include <cstddef>
#include <string>

#include "MapRun.h"
#include "SearchTable.h"

namespace kestrow::cli {

/// One search on one map, as the output shows it.
struct TRunReport {
    const std::string& File;
    const TSearchEntry& Search;
    bool MovesFirst;
    const TSearchRun& Run;
};

/// "file=... found=yes nodes=N moves=N pushes=N time_ms=N.NNNN path=TEXT" and a line end; "-" for
/// what is unknown (everything but the time when nothing was found, the pushes of a move search).
std::string PlainLine(const TRunReport& report);

/// The result pairs, one line per row: two spaces, then "X,Y" pairs separated by spaces.
std::string PlainCells(const TSearchedMap& result);

/// One JSON object on one line, with the "Cells" rows when withCells is set.
std::string JsonLine(const TRunReport& report, bool withCells);

/// The bench table's header line; mapWidth is the width of the map column.
std::string BenchHeader(size_t mapWidth);

/// One row of the bench table: map, search (with its mode), found, nodes, moves, pushes, median ms.
std::string BenchRow(const TRunReport& report, size_t mapWidth);

/// The search's name as the bench table shows it: "bfs4", "push-bfs/BP", ...
std::string SearchLabel(const TSearchEntry& search, bool movesFirst);

}  // namespace kestrow::cli
