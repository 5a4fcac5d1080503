#pragma once
// Splitting a file's text into lines and joining lines back into a file's text.

#include <string>
#include <string_view>
#include <vector>

namespace kestrow {

/// The text without the leading and trailing characters of code 32 or less.
std::string_view TrimText(std::string_view text);

/// The lines of a file's text: a line ends at CR LF, a lone CR or a lone LF; the first NUL
/// ends the text; a last line without a line end is still a line.
std::vector<std::string> SplitLines(std::string_view text);

/// Every line followed by CR LF, the last one too.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace kestrow
