#include "myIniFiles.h"

// Placeholder until the key file lands: behaves as an empty file that cannot be saved.
TMyIniFile::TMyIniFile(const std::string& FileName) : FFileName(FileName) {}
TMyIniFile::~TMyIniFile() = default;
std::string TMyIniFile::ReadString(const std::string&, const std::string&, const std::string& Default) const { return Default; }
int32_t TMyIniFile::ReadInteger(const std::string&, const std::string&, int32_t Default) const { return Default; }
void TMyIniFile::WriteString(const std::string&, const std::string&, const std::string&) {
    throw EFCreateError("Cannot create file \"" + FFileName + "\". not implemented");
}
void TMyIniFile::WriteInteger(const std::string& s, const std::string& k, int32_t v) { WriteString(s, k, std::to_string(v)); }
