#pragma once
// The command line: which command, its options and its files.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrow::cli {

/// A command line the tool cannot follow; what() says why.
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TCommand { Help, Version, Solve, Bench, Xsb };

/// The largest --repeat: every run's time is kept for the median.
inline constexpr int32_t kMaxRepeat = 1'000'000;

/// What the command line asks for.
struct TCliOptions {
    TCommand Command = TCommand::Help;
    std::string Algo = "bfs4";
    bool MovesFirst = false;  // --mode BM
    bool Json = false;
    bool Cells = false;
    int32_t Repeat = 1;  // solve: 1, bench: 5 unless given
    std::vector<std::string> Files;  // the maps; for xsb the map and the output file
};

/// Parses the arguments after the program name. "--help" or "--version" anywhere before "--"
/// wins over everything else. Throws EUsageError.
TCliOptions ParseArguments(const std::vector<std::string>& args);

}  // namespace kestrow::cli
