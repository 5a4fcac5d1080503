#pragma once
// The key file: a text file of [sections] and key=value lines, held in memory as lines
// and saved whole after every write.

#include <cstdint>
#include <stdexcept>
#include <string>
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

class TMyIniFile {
public:
    /// Loads the file if it exists; a missing file is no error. Throws EFOpenError.
    explicit TMyIniFile(const std::string& FileName);
    /// Never saves.
    ~TMyIniFile();

    TMyIniFile(const TMyIniFile&) = delete;
    TMyIniFile& operator=(const TMyIniFile&) = delete;

    std::string ReadString(const std::string& Section, const std::string& Key, const std::string& Default) const;
    int32_t ReadInteger(const std::string& Section, const std::string& Key, int32_t Default) const;
    /// Sets the key's line, then saves the whole file. Throws EFCreateError; the change stays in memory.
    void WriteString(const std::string& Section, const std::string& Key, const std::string& Value);
    void WriteInteger(const std::string& Section, const std::string& Key, int32_t Value);

    const std::string& FileName() const { return FFileName; }

private:
    void LoadLines();
    void SaveLines() const;
    int32_t FindSection(const std::string& Name) const;
    static bool IsSection(const std::string& Line);
    static std::string GetKey(const std::string& Line);
    static std::string GetValue(const std::string& Line);

    std::string FFileName;
    std::vector<std::string> FLines;
};
