#pragma once
// The key file: a text file of [sections] and key=value lines, held in memory as lines
// and saved whole after every write.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

/// A file that exists but cannot be read: "Cannot open file "<name>". <reason>".
class EFOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A file that cannot be written: "Cannot create file "<name>". <reason>".
class EFCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A key file of [sections] and key=value lines. Reads answer from the lines in memory;
/// every write saves the whole file, replacing it atomically.
class TMyIniFile {
public:
    /// Loads the file if it exists; a missing file is no error. Throws EFOpenError.
    explicit TMyIniFile(const std::string& FileName);
    /// Never saves.
    ~TMyIniFile();

    TMyIniFile(const TMyIniFile&) = delete;
    TMyIniFile& operator=(const TMyIniFile&) = delete;

    /// The trimmed value of the section's first line with this key; Default when it is missing or empty.
    std::string ReadString(const std::string& Section, const std::string& Key, const std::string& Default) const;
    /// The value as a decimal or hexadecimal integer; Default when it does not convert.
    int32_t ReadInteger(const std::string& Section, const std::string& Key, int32_t Default) const;
    /// Sets the key's line, then saves the whole file. Throws EFCreateError; the change stays in memory.
    void WriteString(const std::string& Section, const std::string& Key, const std::string& Value);
    /// WriteString of the value in decimal.
    void WriteInteger(const std::string& Section, const std::string& Key, int32_t Value);
    /// Sets each key's line in turn as WriteString does, then saves once, so that the keys
    /// reach the file together or not at all. Throws EFCreateError; the changes stay in memory.
    void WriteStrings(const std::string& Section, const std::vector<std::pair<std::string, std::string>>& KeyValues);

    const std::string& FileName() const { return FFileName; }
    /// Whether the file existed, and was read, when the object was made.
    bool FileExisted() const { return FFileExisted; }

private:
    void LoadLines();
    void SetLine(const std::string& Section, const std::string& Key, const std::string& Value);
    void SaveLines() const;
    int32_t FindSection(const std::string& Name) const;
    static bool IsSection(const std::string& Line);
    static std::string GetKey(const std::string& Line);
    static std::string GetValue(const std::string& Line);

    std::string FFileName;
    std::vector<std::string> FLines;
    bool FFileExisted = false;
};
