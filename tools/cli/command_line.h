// What the commands share: their exit statuses, the one option reader (each command lists its
// options in a table; all read "--name VALUE" or "--name=VALUE", "-h" and "--help", and "--" to
// end the options) and the shape of their error messages.
#pragma once

#include "tools/cli/io.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace fanwright::cli {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitRefusedLine = 1;  // some line to score was not a hand code
inline constexpr int ExitUsage = 2;
inline constexpr int ExitInputOutput = 3;  // input could not be read or output written

struct OptionRule {
    std::string_view name;  // with its dashes
    bool takesValue = false;
    std::uint64_t low = 0;  // a value's range, both ends included
    std::uint64_t high = 0;
    bool endsOnly = false;  // only low or high, nothing between
};

struct CommandSyntax {
    std::string_view command;  // as typed after "fanwright-cli"
    std::span<const OptionRule> options;
    bool takesOperands = false;  // words that are not options
};

class Arguments {
public:
    bool wantsHelp() const { return help_; }
    // Whether the option was given; for an option with a value, the last value given.
    bool has(std::string_view name) const { return find(name).has_value(); }
    std::optional<std::uint64_t> value(std::string_view name) const { return find(name); }
    const std::vector<std::string_view>& operands() const { return operands_; }

private:
    friend bool readArguments(const CommandSyntax&, const std::vector<std::string_view>&,
                              Arguments&, Writer&);
    std::optional<std::uint64_t> find(std::string_view name) const;

    const CommandSyntax* syntax_ = nullptr;
    std::vector<std::optional<std::uint64_t>> values_;  // one per rule of the syntax
    std::vector<std::string_view> operands_;
    bool help_ = false;
};

// Reads the words after the command's name. On bad usage says what is wrong on `err`, with a
// pointer to --help, and returns false. Reading stops at -h or --help.
bool readArguments(const CommandSyntax& syntax, const std::vector<std::string_view>& args,
                   Arguments& into, Writer& err);

// "fanwright-cli COMMAND: MESSAGE" and a pointer to --help; the second form adds the word from
// outside that was wrong, quoted and shown safely.
void putUsageError(Writer& err, std::string_view command, std::string_view message);
void putUsageError(Writer& err, std::string_view command, std::string_view message,
                   std::string_view quoted);

// "fanwright-cli COMMAND: cannot read standard input: REASON" or the like, and the status.
int inputOutputError(Writer& err, std::string_view command, std::string_view what,
                     std::string_view reason);

// Writes out what `out` still holds. A write that failed, now or before, is reported and gives
// ExitInputOutput; otherwise the command's own status.
int finishOutput(Writer& out, Writer& err, std::string_view command, int status);

}  // namespace fanwright::cli
