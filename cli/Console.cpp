#include "Console.h"

#include <cstdio>

namespace kestrow::cli {

void WriteOut(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void ReportError(const std::string& message) {
    std::fflush(stdout);  // keeps the message after the lines before it when both go to one place
    const std::string line = "kestrow-cli: " + message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void ReportFileError(const std::string& file, const std::string& message) { ReportError(file + ": " + message); }

}  // namespace kestrow::cli
