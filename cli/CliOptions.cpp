#include "CliOptions.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "SearchTable.h"

namespace kestrow::cli {

namespace {

constexpr int32_t kBenchRepeat = 5;

std::optional<TCommand> CommandNamed(std::string_view name) {
    if (name == "solve") return TCommand::Solve;
    if (name == "bench") return TCommand::Bench;
    if (name == "xsb") return TCommand::Xsb;
    return std::nullopt;
}

int32_t ParseRepeat(const std::string& text) {
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < 1 || value > kMaxRepeat)
        throw EUsageError("--repeat takes a whole number from 1 to " + std::to_string(kMaxRepeat) + ", not '" +
                          text + "'");
    return value;
}

bool ParseMode(const std::string& text) {
    if (text == "BP" || text == "bp") return false;
    if (text == "BM" || text == "bm") return true;
    throw EUsageError("--mode takes BP or BM, not '" + text + "'");
}

// Reads the option's value, given as "--name=value" or as the next argument.
class TArgumentReader {
public:
    explicit TArgumentReader(const std::vector<std::string>& args) : FArgs(args) {}

    bool AtEnd() const { return FNext >= FArgs.size(); }
    const std::string& Take() { return FArgs[FNext++]; }

    std::string ValueOf(const std::string& option, const std::optional<std::string>& inlineValue) {
        if (inlineValue) return *inlineValue;
        if (AtEnd()) throw EUsageError(option + " needs a value");
        return Take();
    }

private:
    const std::vector<std::string>& FArgs;
    size_t FNext = 0;
};

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// Help or version asked anywhere before "--": that is all the tool does then.
std::optional<TCommand> InformationAsked(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") break;
        if (IsHelp(arg)) return TCommand::Help;
        if (arg == "--version") return TCommand::Version;
    }
    return std::nullopt;
}

void CheckFileCount(const TCliOptions& options) {
    if (options.Command == TCommand::Xsb) {
        if (options.Files.size() != 2) throw EUsageError("xsb takes a map file and an output file");
    } else if (options.Files.empty()) {
        throw EUsageError("no map file given");
    }
}

}  // namespace

TCliOptions ParseArguments(const std::vector<std::string>& args) {
    TCliOptions options;
    if (const auto information = InformationAsked(args)) {
        options.Command = *information;
        return options;
    }
    if (args.empty()) throw EUsageError("no command given");
    const auto command = CommandNamed(args.front());
    if (!command) throw EUsageError("unknown command '" + args.front() + "'");
    options.Command = *command;
    if (options.Command == TCommand::Bench) options.Repeat = kBenchRepeat;

    const bool solve = options.Command == TCommand::Solve;
    const bool bench = options.Command == TCommand::Bench;
    TArgumentReader reader(args);
    reader.Take();
    bool optionsEnded = false;
    while (!reader.AtEnd()) {
        const std::string& arg = reader.Take();
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.Files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const std::optional<std::string> inlineValue =
            equals == std::string::npos ? std::nullopt : std::optional<std::string>(arg.substr(equals + 1));
        const bool allowed = (solve && (name == "--algo" || name == "--mode" || name == "--cells")) ||
                             ((solve || bench) && (name == "--json" || name == "--repeat"));
        if (!allowed) throw EUsageError("unknown option '" + name + "' for " + args.front());
        if ((name == "--json" || name == "--cells") && inlineValue)
            throw EUsageError(name + " takes no value");

        if (name == "--algo") {
            options.Algo = reader.ValueOf(name, inlineValue);
            if (!FindSearch(options.Algo))
                throw EUsageError("unknown search '" + options.Algo + "'; the searches are " + SearchNames());
        } else if (name == "--mode") {
            options.MovesFirst = ParseMode(reader.ValueOf(name, inlineValue));
        } else if (name == "--repeat") {
            options.Repeat = ParseRepeat(reader.ValueOf(name, inlineValue));
        } else if (name == "--json") {
            options.Json = true;
        } else if (name == "--cells") {
            options.Cells = true;
        }
    }
    CheckFileCount(options);
    return options;
}

}  // namespace kestrow::cli
