#pragma once
// Runs the built kestrow-cli with arguments and collects its exit status and both streams.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace clitest {

struct TCliResult {
    int Status = -1;  // the exit status, or -1 when the program did not exit normally
    std::string Out;
    std::string Err;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// Runs the program with these arguments, its streams going to two files in scratchFolder.
inline TCliResult RunCli(const std::vector<std::string>& args, const std::string& scratchFolder) {
    const std::string outPath = scratchFolder + "/stdout.txt", errPath = scratchFolder + "/stderr.txt";
    std::vector<std::string> argv{KESTROW_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);

    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(127);
        ::execv(pointers[0], pointers.data());
        ::_exit(127);
    }
    TCliResult result;
    int wait = 0;
    if (child > 0 && ::waitpid(child, &wait, 0) == child && WIFEXITED(wait)) result.Status = WEXITSTATUS(wait);
    result.Out = ReadBytes(outPath);
    result.Err = ReadBytes(errPath);
    return result;
}

}  // namespace clitest
