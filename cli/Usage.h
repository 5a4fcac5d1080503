#pragma once
// The texts of --help and --version.

#include <string>

namespace kestrow::cli {

/// The usage text printed by --help.
std::string UsageText();

/// "kestrow-cli <version>" and a line end.
std::string VersionText();

}  // namespace kestrow::cli
