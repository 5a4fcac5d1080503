#pragma once
// Reading a whole file and replacing a file whole, with the key file's error messages.

#include <string>
#include <string_view>

namespace kestrow {

/// Reads the whole file into text. False when there is no such file (text left empty);
/// throws EFOpenError when the name exists but cannot be read, a folder for instance.
bool ReadFileText(const std::string& fileName, std::string& text);

/// Replaces the file's content whole, or creates the file. The content goes to a temporary
/// file in the same folder, which is then renamed over the target, so a failure at any point
/// leaves the old file as it was and no temporary file behind. The old file's permission bits
/// (and, where allowed, its owner) are kept; a symbolic link stays a link to the file it names.
/// A device or pipe is written in place. Throws EFCreateError naming fileName.
void WriteFileAtomically(const std::string& fileName, std::string_view content);

}  // namespace kestrow
