#include "SearchTable.h"

namespace kestrow::cli {

namespace {

constexpr TSearchEntry kSearches[] = {
    {"bfs4", TSearchKind::Move, [](const TMapData& m, TSearchedMap& r, bool) { return MoveSearchBFS4(m, r); }},
    {"astar4", TSearchKind::Move, [](const TMapData& m, TSearchedMap& r, bool) { return MoveSearchAStar4(m, r); }},
    {"bfs8", TSearchKind::Move, [](const TMapData& m, TSearchedMap& r, bool) { return MoveSearchBFS8(m, r); }},
    {"push-bfs", TSearchKind::Push, PushSearchBFS},
    {"push-astar", TSearchKind::Push, PushSearchAStar},
};

}  // namespace

std::span<const TSearchEntry> SearchTable() { return kSearches; }

const TSearchEntry* FindSearch(std::string_view name) {
    for (const TSearchEntry& entry : kSearches)
        if (entry.Name == name) return &entry;
    return nullptr;
}

std::string SearchNames() {
    std::string names;
    for (const TSearchEntry& entry : kSearches) {
        if (!names.empty()) names += '|';
        names += entry.Name;
    }
    return names;
}

std::string_view ModeName(bool movesFirst) { return movesFirst ? "BM" : "BP"; }

}  // namespace kestrow::cli
