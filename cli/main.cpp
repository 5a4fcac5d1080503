// kestrow-cli: the engine and the map files from the command line, for batch work and timing.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "Commands.h"
#include "ProcessMemory.h"
#include "Usage.h"

namespace {

using namespace kestrow::cli;

TExitStatus Run(const TCliOptions& options) {
    switch (options.Command) {
        case TCommand::Help: WriteOut(UsageText()); return kAllFound;
        case TCommand::Version: WriteOut(VersionText()); return kAllFound;
        case TCommand::Solve: return RunSolve(options);
        case TCommand::Bench: return RunBench(options);
        case TCommand::Xsb: return RunXsb(options);
    }
    return kBadInput;
}

}  // namespace

int main(int argc, char** argv) {
    kestrow::KeepFreedMemoryInProcess();
    TExitStatus status = kBadInput;
    try {
        status = Run(ParseArguments(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const EUsageError& e) {
        ReportError(std::string(e.what()) + "\nTry 'kestrow-cli --help' for the usage.");
        return kBadInput;
    } catch (const std::exception& e) {
        ReportError(e.what());
        return kBadInput;
    }
    // A result that did not reach its reader (a full disk, a closed pipe) is no result.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        ReportError("cannot write the output");
        return kBadInput;
    }
    return status;
}
