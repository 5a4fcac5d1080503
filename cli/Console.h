#pragma once
// The tool's two streams and its exit status.

#include <string>

namespace kestrow::cli {

/// 0: every search found a path; 1: some found none; 2: bad usage, a bad file, a missing point.
enum TExitStatus : int { kAllFound = 0, kSomeNotFound = 1, kBadInput = 2 };

/// The worse of two statuses.
inline TExitStatus Worse(TExitStatus a, TExitStatus b) { return a > b ? a : b; }

/// Writes to standard output.
void WriteOut(const std::string& text);

/// "kestrow-cli: <file>: <message>" on standard error, after what stdout holds so far.
void ReportFileError(const std::string& file, const std::string& message);

/// "kestrow-cli: <message>" on standard error.
void ReportError(const std::string& message);

}  // namespace kestrow::cli
