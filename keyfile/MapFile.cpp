#include "MapFile.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "MapChecks.h"
#include "myIniFiles.h"

namespace {

const std::string kSection = "MapData";

[[noreturn]] void ThrowBadCharacter(const std::string& character) {
    throw EMapFileError("'" + character + "' is not a valid integer value");
}

// A cell is written as one digit, so only 0 to 9 keep the map text's layout.
void CheckCellsAreDigits(const TMapData& map) {
    for (int32_t r = 0; r < map.Height; ++r)
        for (int32_t c = 0; c < map.Width; ++c) {
            const int32_t value = map.Map[size_t(r)][size_t(c)];
            if (value < 0 || value > 9)
                throw EMapFileError("Map cell at row " + std::to_string(r) + ", column " + std::to_string(c) +
                                    " holds " + std::to_string(value) + "; a map file holds only the digits 0 to 9");
        }
}

std::string MapText(const TMapData& map) {
    std::string text;
    text.reserve(size_t(map.Width) * size_t(map.Height));
    for (int32_t r = 0; r < map.Height; ++r)
        for (int32_t c = 0; c < map.Width; ++c) text += char('0' + map.Map[size_t(r)][size_t(c)]);
    return text;
}

}  // namespace

TMapFileKeys ReadMapKeys(const TMyIniFile& file, int32_t currentWidth, int32_t currentHeight) {
    TMapFileKeys keys;
    keys.Width = file.ReadInteger(kSection, "MapWidth", currentWidth);
    keys.Height = file.ReadInteger(kSection, "MapHeight", currentHeight);
    keys.SokoPos.X = file.ReadInteger(kSection, "SokoPosX", -1);
    keys.BoxPos.X = file.ReadInteger(kSection, "BoxPosX", -1);
    keys.TargetPos.X = file.ReadInteger(kSection, "TargetPosX", -1);
    keys.SokoPos.Y = file.ReadInteger(kSection, "SokoPosY", -1);
    keys.BoxPos.Y = file.ReadInteger(kSection, "BoxPosY", -1);
    keys.TargetPos.Y = file.ReadInteger(kSection, "TargetPosY", -1);
    keys.MapText = file.ReadString(kSection, "Map", "");
    return keys;
}

TMapData DecodeMapKeys(const TMapFileKeys& keys) {
    kestrow::CheckMapSize(keys.Width, keys.Height);
    TMapData map;
    map.Width = keys.Width;
    map.Height = keys.Height;
    map.Map.assign(size_t(keys.Height), std::vector<int32_t>(size_t(keys.Width)));
    const std::string& text = keys.MapText;
    size_t k = 0;  // cell r, c is character r * Width + c; characters beyond the map are ignored
    for (auto& row : map.Map)
        for (int32_t& cell : row) {
            if (k >= text.size()) ThrowBadCharacter("");
            const char character = text[k++];
            if (character < '0' || character > '9') ThrowBadCharacter(std::string(1, character));
            cell = character - '0';
        }
    map.SokoPos = kestrow::OnMapOrUnset(keys.SokoPos, map.Width, map.Height);
    map.BoxPos = kestrow::OnMapOrUnset(keys.BoxPos, map.Width, map.Height);
    map.TargetPos = kestrow::OnMapOrUnset(keys.TargetPos, map.Width, map.Height);
    return map;
}

TMapData LoadMapFile(const std::string& fileName, int32_t currentWidth, int32_t currentHeight) {
    const TMyIniFile file(fileName);
    if (!file.FileExisted())
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + std::strerror(ENOENT));
    return DecodeMapKeys(ReadMapKeys(file, currentWidth, currentHeight));
}

void WriteMapKeys(TMyIniFile& file, const TMapData& map) {
    kestrow::CheckMapSize(map.Width, map.Height);
    kestrow::CheckMapShape(map);
    CheckCellsAreDigits(map);
    const auto number = [](int32_t value) { return std::to_string(value); };
    file.WriteStrings(kSection, {
                                    {"MapWidth", number(map.Width)},
                                    {"MapHeight", number(map.Height)},
                                    {"SokoPosX", number(map.SokoPos.X)},
                                    {"BoxPosX", number(map.BoxPos.X)},
                                    {"TargetPosX", number(map.TargetPos.X)},
                                    {"SokoPosY", number(map.SokoPos.Y)},
                                    {"BoxPosY", number(map.BoxPos.Y)},
                                    {"TargetPosY", number(map.TargetPos.Y)},
                                    {"Map", MapText(map)},
                                });
}

void SaveMapFile(const std::string& fileName, const TMapData& map) {
    TMyIniFile file(fileName);
    WriteMapKeys(file, map);
}
