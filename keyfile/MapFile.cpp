#include "MapFile.h"

#include "myIniFiles.h"

// Placeholder until the map formats land.
TMapFileKeys ReadMapKeys(const TMyIniFile&, int32_t w, int32_t h) { TMapFileKeys k; k.Width = w; k.Height = h; return k; }
TMapData DecodeMapKeys(const TMapFileKeys&) { throw EMapFileError("not implemented"); }
TMapData LoadMapFile(const std::string&, int32_t, int32_t) { throw EMapFileError("not implemented"); }
void WriteMapKeys(TMyIniFile&, const TMapData&) {}
void SaveMapFile(const std::string& f, const TMapData&) { throw EFCreateError("Cannot create file \"" + f + "\". not implemented"); }
std::vector<std::string> XsbLines(const TMapData&) { return {}; }
void SaveXsbFile(const std::string& f, const TMapData&) { throw EFCreateError("Cannot create file \"" + f + "\". not implemented"); }
