// `fanwright-cli generate`: random hands as log codes, repeatable from a seed.
#pragma once

#include "generator/settings.h"
#include "tools/cli/io.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string_view>
#include <vector>

namespace fanwright::cli {

// Runs the command with the arguments that follow the word "generate": one log code per hand
// on `out`. Returns an exit status of command_line.h; on bad usage generates nothing.
int runGenerate(const std::vector<std::string_view>& args, Output& out, Output& err);
int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err);

// What a generate command asks for.
struct GenerateRequest {
    GeneratorSettings settings;
    std::optional<std::uint32_t> seed;  // none: a fresh seed each run
    std::uint64_t count = 1;
    bool verbose = false;
    bool help = false;  // then nothing else was read
};

// Reads the arguments that follow "generate". On bad usage says why on `err` and returns false.
bool readGenerateRequest(const std::vector<std::string_view>& args, GenerateRequest& request,
                         Writer& err);

// A seed no two runs are likely to share.
std::uint32_t freshSeed();

// Deals `count` hands from the random state as it is, a code and a line feed each; stops early
// once `out` has failed.
void writeDealtHands(Writer& out, const GeneratorSettings& settings, std::uint64_t count);

}  // namespace fanwright::cli
