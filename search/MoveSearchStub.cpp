#include "GraphSearch.h"

bool MoveSearchBFS4(const TMapData&, TSearchedMap& result) { result.PathText.clear(); return false; }
bool MoveSearchAStar4(const TMapData&, TSearchedMap& result) { result.PathText.clear(); return false; }
bool MoveSearchBFS8(const TMapData&, TSearchedMap& result) { result.PathText.clear(); return false; }
