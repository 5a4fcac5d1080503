#include "myIniFiles.h"

#include <optional>

#include "FileIO.h"
#include "IntegerText.h"
#include "TextLines.h"

TMyIniFile::TMyIniFile(const std::string& FileName) : FFileName(FileName) { LoadLines(); }

TMyIniFile::~TMyIniFile() = default;

void TMyIniFile::LoadLines() {
    std::string text;
    FFileExisted = kestrow::ReadFileText(FFileName, text);
    FLines = kestrow::SplitLines(text);
}

void TMyIniFile::SaveLines() const { kestrow::WriteFileAtomically(FFileName, kestrow::JoinLinesCrLf(FLines)); }

int32_t TMyIniFile::FindSection(const std::string& Name) const {
    const std::string pattern = "[" + Name + "]";
    for (size_t i = 0; i < FLines.size(); ++i)
        if (FLines[i].find(pattern) != std::string::npos) return int32_t(i);
    return -1;
}

bool TMyIniFile::IsSection(const std::string& Line) {
    const std::string_view text = kestrow::TrimText(Line);
    return !text.empty() && text.front() == '[' && text.back() == ']';
}

std::string TMyIniFile::GetKey(const std::string& Line) {
    const size_t equals = Line.find('=');
    if (equals == std::string::npos) return {};
    return std::string(kestrow::TrimText(std::string_view(Line).substr(0, equals)));
}

std::string TMyIniFile::GetValue(const std::string& Line) {
    const size_t equals = Line.find('=');
    if (equals == std::string::npos) return {};
    return std::string(kestrow::TrimText(std::string_view(Line).substr(equals + 1)));
}

std::string TMyIniFile::ReadString(const std::string& Section, const std::string& Key,
                                   const std::string& Default) const {
    // A line without "=" has the empty key, so the empty key would match text lines.
    if (Key.empty()) return Default;
    const int32_t header = FindSection(Section);
    if (header < 0) return Default;
    for (size_t i = size_t(header) + 1; i < FLines.size() && !IsSection(FLines[i]); ++i) {
        if (GetKey(FLines[i]) != Key) continue;
        // The first line of the key decides, even when its value is empty.
        std::string value = GetValue(FLines[i]);
        return value.empty() ? Default : value;
    }
    return Default;
}

int32_t TMyIniFile::ReadInteger(const std::string& Section, const std::string& Key, int32_t Default) const {
    const std::optional<int32_t> value = kestrow::ParseInteger(ReadString(Section, Key, ""));
    return value.value_or(Default);
}

void TMyIniFile::SetLine(const std::string& Section, const std::string& Key, const std::string& Value) {
    const int32_t header = FindSection(Section);
    if (header < 0) {
        FLines.push_back("[" + Section + "]");
        if (!Key.empty()) FLines.push_back(Key + "=" + Value);
        return;
    }
    size_t i = size_t(header) + 1;
    bool keyFound = false;
    for (; i < FLines.size() && !IsSection(FLines[i]); ++i) {
        if (GetKey(FLines[i]) == Key) {
            keyFound = true;
            break;
        }
    }
    if (Key.empty()) return;
    if (keyFound) FLines[i] = Key + "=" + Value;
    else FLines.insert(FLines.begin() + std::ptrdiff_t(i), Key + "=" + Value);  // after the section's last line
}

void TMyIniFile::WriteString(const std::string& Section, const std::string& Key, const std::string& Value) {
    SetLine(Section, Key, Value);
    SaveLines();  // also when nothing changed
}

void TMyIniFile::WriteInteger(const std::string& Section, const std::string& Key, int32_t Value) {
    WriteString(Section, Key, std::to_string(Value));
}

void TMyIniFile::WriteStrings(const std::string& Section,
                              const std::vector<std::pair<std::string, std::string>>& KeyValues) {
    for (const auto& [key, value] : KeyValues) SetLine(Section, key, value);
    SaveLines();
}
