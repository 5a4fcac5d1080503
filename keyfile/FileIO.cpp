#include "FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

#include "SaveFaultForTests.h"
#include "myIniFiles.h"

namespace kestrow {

namespace {

test_seam::TSaveHook& SaveHook() {
    static test_seam::TSaveHook hook;
    return hook;
}

[[noreturn]] void ThrowOpenError(const std::string& fileName, int errorCode) {
    throw EFOpenError("Cannot open file \"" + fileName + "\". " + std::strerror(errorCode));
}

[[noreturn]] void ThrowCreateError(const std::string& fileName, int errorCode) {
    throw EFCreateError("Cannot create file \"" + fileName + "\". " + std::strerror(errorCode));
}

// Owns a file descriptor and closes it on every way out.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : FFd(fd) {}
    ~TFileDescriptor() {
        if (FFd >= 0) ::close(FFd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return FFd; }

    // Closes now and gives close's own error, 0 if none: a full disk may show first here.
    int Close() {
        const int fd = std::exchange(FFd, -1);
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int FFd;
};

// Removes the temporary file on every way out unless it has been renamed into place.
class TTemporaryFile {
public:
    explicit TTemporaryFile(std::string name) : FName(std::move(name)) {}
    ~TTemporaryFile() {
        if (!FName.empty()) ::unlink(FName.c_str());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    void Release() { FName.clear(); }

private:
    std::string FName;
};

// 0 when every byte is written, else the errno value.
int WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        content.remove_prefix(size_t(n));
    }
    return 0;
}

// A symbolic link is followed, so that saving updates the file it names and the link stays.
std::string ResolveLink(const std::string& fileName) {
    struct stat st {};
    if (::lstat(fileName.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return fileName;
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(fileName, error);
    return error ? fileName : real.string();
}

// Creates a fresh file beside target. Mode 0666 lets the umask decide, as for any new file.
int OpenTemporaryFile(const std::string& target, std::string& tempName) {
    static std::mt19937 random{std::random_device{}()};
    static constexpr char kLetters[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    const std::filesystem::path path(target);
    // A short stem keeps the temporary name within the system's name limit.
    const std::string stem = path.filename().string().substr(0, 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix = ".tmp-";
        for (int i = 0; i < 6; ++i) suffix += kLetters[random() % 36];
        tempName = (path.parent_path() / (stem + suffix)).string();
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself durable; a failure here cannot be undone, so it is not reported.
void SyncFolderOf(const std::string& target) {
    const std::filesystem::path parent = std::filesystem::path(target).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    TFileDescriptor guard(fd);
    ::fsync(fd);
}

// A device or a pipe cannot be replaced, and has no old content to keep.
void WriteInPlace(const std::string& fileName, std::string_view content) {
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) ThrowCreateError(fileName, errno);
    TFileDescriptor file(fd);
    if (const int error = WriteAll(fd, content)) ThrowCreateError(fileName, error);
    if (const int error = file.Close()) ThrowCreateError(fileName, error);
}

}  // namespace

bool ReadFileText(const std::string& fileName, std::string& text) {
    text.clear();
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return false;
        ThrowOpenError(fileName, errno);
    }
    TFileDescriptor file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) ThrowOpenError(fileName, errno);
    if (S_ISDIR(st.st_mode)) ThrowOpenError(fileName, EISDIR);
    if (S_ISREG(st.st_mode)) text.reserve(size_t(st.st_size));

    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowOpenError(fileName, errno);
        }
        if (n == 0) break;
        text.append(buffer, size_t(n));
    }
    return true;
}

void WriteFileAtomically(const std::string& fileName, std::string_view content) {
    struct stat old {};
    const bool exists = ::stat(fileName.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) ThrowCreateError(fileName, EISDIR);
    if (exists && !S_ISREG(old.st_mode)) return WriteInPlace(fileName, content);

    const std::string target = ResolveLink(fileName);
    std::string tempName;
    const int fd = OpenTemporaryFile(target, tempName);
    if (fd < 0) ThrowCreateError(fileName, errno);
    TTemporaryFile temp(tempName);
    TFileDescriptor file(fd);

    if (exists) {
        // Owner first: a change of owner clears the set-id bits that the mode then restores.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away; the new file then stays the saving user's.
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) ThrowCreateError(fileName, errno);
    }
    if (const int error = WriteAll(fd, content)) ThrowCreateError(fileName, error);
    if (::fsync(fd) != 0) ThrowCreateError(fileName, errno);
    if (const int error = file.Close()) ThrowCreateError(fileName, error);

    if (const test_seam::TSaveHook& hook = SaveHook()) {
        if (const int error = hook(tempName)) ThrowCreateError(fileName, error);
    }

    if (::rename(tempName.c_str(), target.c_str()) != 0) ThrowCreateError(fileName, errno);
    temp.Release();
    SyncFolderOf(target);
}

namespace test_seam {

TScopedSaveHook::TScopedSaveHook(TSaveHook hook) : FPrevious(std::exchange(SaveHook(), std::move(hook))) {}

TScopedSaveHook::~TScopedSaveHook() { SaveHook() = std::move(FPrevious); }

TSaveHook FailSavesAfter(int savesToPass, int errorCode) {
    return [remaining = savesToPass, errorCode](const std::string&) mutable {
        if (remaining > 0) {
            --remaining;
            return 0;
        }
        return errorCode;
    };
}

}  // namespace test_seam

}  // namespace kestrow
