#pragma once
// The searches the tool can run, by the names its command line uses.

#include <span>
#include <string>
#include <string_view>

#include "GraphSearch.h"

namespace kestrow::cli {

/// Move searches need the start and end points; push searches the box as well, and take a mode.
enum class TSearchKind { Move, Push };

/// One search over a map record into a result record; move searches ignore movesFirst.
using TSearchFunction = bool (*)(const TMapData& map, TSearchedMap& result, bool movesFirst);

/// A search as the command line names it.
struct TSearchEntry {
    std::string_view Name;
    TSearchKind Kind;
    TSearchFunction Run;
};

/// Every search, move searches first, in the order the window's lists hold them.
std::span<const TSearchEntry> SearchTable();

/// The entry of that name, or nullptr.
const TSearchEntry* FindSearch(std::string_view name);

/// The names joined by "|", for the usage text and error messages.
std::string SearchNames();

/// "BP" or "BM".
std::string_view ModeName(bool movesFirst);

}  // namespace kestrow::cli
