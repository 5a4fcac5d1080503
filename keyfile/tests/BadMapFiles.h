#pragma once
// Map files that cannot become a map, with a part of the message each must give. The map
// reader, the window and the command-line tool are all checked against this one table.

#include <cstdint>
#include <string>
#include <vector>

namespace badmaps {

struct TBadMapFile {
    enum TKind { kFile, kMissing, kFolder };
    const char* Name;
    std::string Text;     // the file's bytes (kFile only)
    const char* Message;  // found in the error message; "" for any message
    TKind Kind = kFile;
};

// Bytes of every value, NUL and line ends included, from a fixed seed.
inline std::string BinaryGarbage() {
    std::string bytes;
    uint32_t x = 12345;
    for (int i = 0; i < 4096; ++i) {
        x = x * 1103515245u + 12345u;
        bytes.push_back(char(x >> 24));
    }
    return bytes;
}

inline const std::vector<TBadMapFile>& BadMapFiles() {
    static const std::vector<TBadMapFile> files = {
        {"letter.map", "[MapData]\r\nMapWidth=8\r\nMapHeight=8\r\nMap=11x1" + std::string(60, '1') + "\r\n",
         "'x' is not a valid integer value"},
        {"short.map", "[MapData]\r\nMapWidth=9\r\nMapHeight=9\r\nMap=1111\r\n", "'' is not a valid integer value"},
        {"nomap.map", "[MapData]\r\nMapWidth=10\r\nMapHeight=10\r\n", "'' is not a valid integer value"},
        {"wide.map", "[MapData]\r\nMapWidth=5000\r\nMapHeight=8\r\nMap=1\r\n", "outside the range 8 to 1000"},
        {"flat.map", "[MapData]\r\nMapWidth=8\r\nMapHeight=7\r\n", "outside the range 8 to 1000"},
        {"long.map", "[MapData]\r\nMapWidth=1000\r\nMapHeight=1000\r\nMap=" + std::string(999999, '1') + "?\r\n",
         "'?' is not a valid integer value"},
        {"garbage.map", BinaryGarbage(), ""},
        {"empty.map", "", "'' is not a valid integer value"},
        {"missing.map", "", "Cannot open file", TBadMapFile::kMissing},
        {"folder.map", "", "Is a directory", TBadMapFile::kFolder},
    };
    return files;
}

}  // namespace badmaps
