#include "GraphSearch.h"

bool PushSearchBFS(const TMapData&, TSearchedMap&, bool) { return false; }
bool PushSearchAStar(const TMapData&, TSearchedMap&, bool) { return false; }
