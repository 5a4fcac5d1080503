#pragma once
// The map format's worked example: an 8 x 8 map with a wall over the first four cells of row
// 1, the man at (0, 0), no box and the end point at (2, 0), as its ten map-file lines and its
// ten XSB lines, byte for byte.

#include <string>

namespace formatexample {

inline const std::string kMapFile =
    "[MapData]\r\n"
    "MapWidth=8\r\n"
    "MapHeight=8\r\n"
    "SokoPosX=0\r\n"
    "BoxPosX=-1\r\n"
    "TargetPosX=2\r\n"
    "SokoPosY=0\r\n"
    "BoxPosY=-1\r\n"
    "TargetPosY=0\r\n"
    "Map=1111111100001111111111111111111111111111111111111111111111111111\r\n";

inline const std::string kXsb =
    "##########\r\n"
    "#@       #\r\n"
    "#####    #\r\n"
    "#.       #\r\n"
    "#        #\r\n"
    "#        #\r\n"
    "#        #\r\n"
    "#        #\r\n"
    "#        #\r\n"
    "##########\r\n";

}  // namespace formatexample
