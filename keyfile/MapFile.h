#pragma once
// The ".map" file (a key file, section "MapData", nine keys) and the ".xsb" export.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "GraphSearch.h"

class TMyIniFile;

/// A map file whose content cannot become a map: a bad map-text character
/// ("'x' is not a valid integer value"), a short map text, or a size outside 8 to 1000;
/// also a map record that a file cannot hold (that size, a cell outside 0 to 9, a short row).
class EMapFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int32_t kMinMapSide = 8;
inline constexpr int32_t kMaxMapSide = 1000;

/// The nine keys of section "MapData" as they stand in the file.
struct TMapFileKeys {
    int32_t Width = 0;
    int32_t Height = 0;
    TPoint SokoPos{-1, -1};
    TPoint BoxPos{-1, -1};
    TPoint TargetPos{-1, -1};
    std::string MapText;
};

/// Step one of opening: the nine keys, the size keys defaulting to the current size.
TMapFileKeys ReadMapKeys(const TMyIniFile& file, int32_t currentWidth, int32_t currentHeight);

/// Step two: checks the keys and decodes the map text cell by cell into a whole map record.
/// Points outside the map become unset; digits 2 to 9 are kept. Throws EMapFileError.
TMapData DecodeMapKeys(const TMapFileKeys& keys);

/// Both steps on a file name. Throws EFOpenError (a missing file included) or EMapFileError; changes nothing.
TMapData LoadMapFile(const std::string& fileName, int32_t currentWidth, int32_t currentHeight);

/// Writes the nine keys in their order into section "MapData", then saves once, so that a failed
/// save leaves the old keys whole rather than new ones beside an old map text.
/// Throws EMapFileError for a record a file cannot hold, before anything changes; EFCreateError.
void WriteMapKeys(TMyIniFile& file, const TMapData& map);

/// Saves a map over (or into a new) ".map" file, keeping the file's other lines. Throws EFOpenError
/// when an existing file cannot be read (its other lines could not be kept), EFCreateError, EMapFileError.
void SaveMapFile(const std::string& fileName, const TMapData& map);

/// The XSB level: Height + 2 lines of Width + 2 characters, without line ends. Shared cells:
/// box on the end point "*", man on the end point "+", man and box "$", all three "*".
/// Throws EMapFileError for a record whose Map lacks its shape.
std::vector<std::string> XsbLines(const TMapData& map);

/// Writes the XSB lines, CR LF after each, replacing the file atomically. Throws EFCreateError.
void SaveXsbFile(const std::string& fileName, const TMapData& map);
