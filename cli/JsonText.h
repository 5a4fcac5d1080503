#pragma once
// JSON text pieces: strings with every needed escape, and numbers.

#include <string>
#include <string_view>

namespace kestrow::cli {

/// The text as a quoted JSON string. Valid UTF-8 passes through; control characters, quotes and
/// backslashes are escaped, and a byte that is not part of valid UTF-8 is written as \u00XX
/// (read as Latin-1), so that any 8-bit file name still gives valid JSON.
std::string JsonString(std::string_view text);

/// The shortest decimal text that reads back as the same double.
std::string JsonNumber(double value);

}  // namespace kestrow::cli
