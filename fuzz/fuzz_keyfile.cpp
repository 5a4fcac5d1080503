// Arbitrary bytes as a key file: reads never fail, and a key written (then saved and loaded
// again) reads back.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzFiles.h"
#include "myIniFiles.h"

namespace {

// A short name from the input's first bytes, from characters that cannot form a header or a
// key separator, so the write-then-read property must hold whatever the file holds.
std::string NameFrom(const uint8_t* data, size_t size, size_t at, size_t length) {
    static const char kAlphabet[] = "abcXYZ019_";
    std::string name;
    for (size_t i = 0; i < length; ++i) name += kAlphabet[(at + i < size ? data[at + i] : i) % (sizeof kAlphabet - 1)];
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzzfiles::WriteScratch("fuzz.ini", data, size);
    const std::string section = NameFrom(data, size, 0, 1 + (size % 3));
    const std::string key = NameFrom(data, size, 3, 1 + (size % 4));
    const std::string value = NameFrom(data, size, 7, 1 + (size % 5));
    {
        TMyIniFile file(path);
        (void)file.ReadString(section, key, "default");
        (void)file.ReadInteger(section, key, 17);
        (void)file.ReadString("MapData", "Map", "");
        file.WriteString(section, key, value);
        if (file.ReadString(section, key, "") != value) std::abort();
        file.WriteInteger(section, key + "n", -12345);
    }
    TMyIniFile again(path);
    if (again.ReadString(section, key, "") != value) std::abort();
    if (again.ReadInteger(section, key + "n", 0) != -12345) std::abort();
    return 0;
}
