#pragma once
// The three commands; each returns the exit status.

#include "CliOptions.h"
#include "Console.h"

namespace kestrow::cli {

/// One search on every map file, one line (or JSON object) per map.
TExitStatus RunSolve(const TCliOptions& options);

/// Every search, the push searches in both modes, on every map file: a table or JSON lines.
TExitStatus RunBench(const TCliOptions& options);

/// The XSB export of Files[0] into Files[1].
TExitStatus RunXsb(const TCliOptions& options);

}  // namespace kestrow::cli
