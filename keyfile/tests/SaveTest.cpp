// Saving: the error messages, and the atomic replace that keeps the old file whole on failure.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "FileIO.h"
#include "SaveFaultForTests.h"
#include "TempFolder.h"
#include "myIniFiles.h"

namespace {

using SaveTest = TempFolderTest;
using kestrow::test_seam::FailSavesAfter;
using kestrow::test_seam::TScopedSaveHook;

template <class Error, class Action>
std::string MessageOf(Action action) {
    try {
        action();
    } catch (const Error& e) {
        const std::runtime_error& base = e;  // both errors are runtime errors
        return base.what();
    }
    return "no error";
}

mode_t PermissionsOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

TEST_F(SaveTest, AFolderThatDoesNotExistFailsTheWriteAndKeepsTheChangeInMemory) {
    const std::string path = PathOf("no/such/settings.ini");
    TMyIniFile file(path);
    EXPECT_EQ(MessageOf<EFCreateError>([&] { file.WriteInteger("Option", "Width", 20); }),
              "Cannot create file \"" + path + "\". No such file or directory");
    EXPECT_EQ(file.ReadInteger("Option", "Width", 0), 20);
    EXPECT_TRUE(Entries().empty());

    // The next write that succeeds saves the earlier change too.
    std::filesystem::create_directories(PathOf("no/such"));
    file.WriteInteger("Option", "Height", 30);
    EXPECT_EQ(ReadBytes(path), "[Option]\r\nWidth=20\r\nHeight=30\r\n");
}

TEST_F(SaveTest, ANameThatIsAFolderCannotBeOpenedOrWritten) {
    const std::string path = PathOf("taken");
    std::filesystem::create_directory(path);
    EXPECT_EQ(MessageOf<EFOpenError>([&] { TMyIniFile file(path); }),
              "Cannot open file \"" + path + "\". Is a directory");

    const std::string later = PathOf("later");
    TMyIniFile file(later);
    std::filesystem::create_directory(later);
    EXPECT_EQ(MessageOf<EFCreateError>([&] { file.WriteString("A", "k", "v"); }),
              "Cannot create file \"" + later + "\". Is a directory");
    EXPECT_TRUE(std::filesystem::is_empty(later));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"later", "taken"}));
}

TEST_F(SaveTest, ASaveThatFailsAfterTheTemporaryFileIsWrittenLeavesTheOldFileWhole) {
    const std::string path = PathOf("settings.ini");
    const std::string old = "[Option]\nWidth=8\n; comment\n";
    WriteBytes(path, old);
    TMyIniFile file(path);

    std::string seenName, seenContent;
    {
        const TScopedSaveHook failing([&](const std::string& tempName) {
            seenName = tempName;
            seenContent = ReadBytes(tempName);
            return EIO;
        });
        EXPECT_EQ(MessageOf<EFCreateError>([&] { file.WriteInteger("Option", "Width", 9); }),
                  "Cannot create file \"" + path + "\". Input/output error");
    }
    // The new content was complete beside the target, and is gone again.
    EXPECT_EQ(std::filesystem::path(seenName).parent_path(), folder);
    EXPECT_EQ(seenContent, "[Option]\r\nWidth=9\r\n; comment\r\n");
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"settings.ini"});

    // With the hook gone the change in memory reaches the file.
    file.WriteInteger("Option", "Height", 8);
    EXPECT_EQ(ReadBytes(path), "[Option]\r\nWidth=9\r\n; comment\r\nHeight=8\r\n");
}

TEST_F(SaveTest, FailSavesAfterLetsTheFirstSavesThrough) {
    const std::string path = PathOf("counted.ini");
    TMyIniFile file(path);
    const TScopedSaveHook failing(FailSavesAfter(2, ENOSPC));
    file.WriteInteger("A", "one", 1);
    file.WriteInteger("A", "two", 2);
    EXPECT_EQ(MessageOf<EFCreateError>([&] { file.WriteInteger("A", "three", 3); }),
              "Cannot create file \"" + path + "\". No space left on device");
    EXPECT_THROW(file.WriteInteger("A", "four", 4), EFCreateError);
    EXPECT_EQ(ReadBytes(path), "[A]\r\none=1\r\ntwo=2\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"counted.ini"});
}

TEST_F(SaveTest, AReplacedFileKeepsItsPermissionsAndANewOneFollowsTheUmask) {
    const std::string existing = PathOf("existing.ini");
    WriteBytes(existing, "[A]\r\n");
    ::chmod(existing.c_str(), 0640);
    TMyIniFile(existing).WriteString("A", "k", "v");
    EXPECT_EQ(PermissionsOf(existing), 0640u);

    const mode_t previous = ::umask(027);
    TMyIniFile(PathOf("fresh.ini")).WriteString("A", "k", "v");
    ::umask(previous);
    EXPECT_EQ(PermissionsOf(PathOf("fresh.ini")), 0640u);
}

TEST_F(SaveTest, SavingThroughASymbolicLinkUpdatesTheFileItNames) {
    const std::string real = PathOf("real.ini");
    const std::string link = PathOf("link.ini");
    WriteBytes(real, "[A]\r\nk=1\r\n");
    std::filesystem::create_symlink(real, link);
    TMyIniFile(link).WriteString("A", "k", "2");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "[A]\r\nk=2\r\n");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"link.ini", "real.ini"}));
}

TEST_F(SaveTest, APipeIsWrittenInPlace) {
    const std::string pipe = PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A reader must be there first, or opening the pipe to write would wait.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    kestrow::WriteFileAtomically(pipe, "[A]\r\n");
    char buffer[16] = {};
    const ssize_t n = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    EXPECT_EQ(std::string(buffer, size_t(std::max<ssize_t>(n, 0))), "[A]\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"pipe"});
}

}  // namespace
