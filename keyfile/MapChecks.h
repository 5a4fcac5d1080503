#pragma once
// The checks a map record or a map file's keys pass before they are turned into the other.

#include <cstdint>

#include "GraphSearch.h"

namespace kestrow {

/// Throws EMapFileError unless both sides are 8 to 1000.
void CheckMapSize(int32_t width, int32_t height);

/// Throws EMapFileError unless Map holds Height rows of at least Width values.
void CheckMapShape(const TMapData& map);

/// The point when it lies on a map of this size, else the unset point (-1, -1).
TPoint OnMapOrUnset(TPoint point, int32_t width, int32_t height);

}  // namespace kestrow
