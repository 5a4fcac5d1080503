#pragma once
// A scratch folder per fuzzing process, in memory where the system has one, so the saves the
// targets make (each synced to disk) stay cheap.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzzfiles {

// Made on first use, removed when the process ends normally.
class ScratchFolderOwner {
public:
    ScratchFolderOwner() {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        path_ = base / ("kestrow-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolderOwner() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline const std::filesystem::path& ScratchFolder() {
    static const ScratchFolderOwner folder;
    return folder.path();
}

inline std::string WriteScratch(const char* name, const uint8_t* data, size_t size) {
    const std::string path = (ScratchFolder() / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    return path;
}

}  // namespace fuzzfiles
