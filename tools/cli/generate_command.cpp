#include "tools/cli/generate_command.h"

#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "hand/hand.h"
#include "tools/cli/command_line.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <random>
#include <string>

namespace fanwright::cli {

namespace {

constexpr std::string_view Usage =
    "usage: fanwright-cli generate [--seed N] [--count K] [--melding 0..10] [--chow 0..100]\n"
    "                              [--pung 0..100] [--special 0..3] [--flags 0..3] [--min 0|8]\n"
    "                              [--verbose]\n"
    "\n"
    "Prints the log codes of K random winning hands, one per line.\n"
    "\n"
    "  --seed N      0 to 4294967295; the same seed and settings give the same hands.\n"
    "                Without it every run differs (--verbose shows the seed drawn).\n"
    "  --count K     1 to 100000000 hands; 1 when not given.\n"
    "  --melding M   share of melded sets in tenths, 0 to 10; default 5.\n"
    "  --chow C      percent of chows, 0 to 100; default 40.\n"
    "  --pung P      percent of pungs, 0 to 100; default 40. Chows and pungs together\n"
    "                are at most 100; kongs take the rest.\n"
    "  --special S   special hands: 0 never, 1 rare, 2 sometimes, 3 often; default 1.\n"
    "  --flags F     situation flags, the same four levels; default 1.\n"
    "  --min 0|8     8: only hands of at least 8 points; default 0.\n"
    "  --verbose     print the seed used on standard error.\n"
    "  -h, --help    this text.\n"
    "\n"
    "Options take their value as the next argument or after '=' (--seed=7).\n"
    "\n"
    "Exit status: 0 success; 2 bad usage (nothing is generated); 3 output could not be\n"
    "written.\n";

// A hundred million hands is hours of output already; more is surely a typing slip.
constexpr std::uint64_t MaxCount = 100'000'000;

constexpr OptionRule generateOptions[] = {
    {"--seed", true, 0, 0xFFFF'FFFF}, {"--count", true, 1, MaxCount}, {"--melding", true, 0, 10},
    {"--chow", true, 0, 100},         {"--pung", true, 0, 100},       {"--special", true, 0, 3},
    {"--flags", true, 0, 3},          {"--min", true, 0, 8, true},    {"--verbose"},
};
constexpr CommandSyntax generateSyntax{"generate", generateOptions, false};

// The settings the options ask for, each range-checked by the reader; false when chow and pung
// together exceed 100.
bool settingsOf(const Arguments& arguments, GeneratorSettings& settings, Writer& err)
{
    const auto take = [&](std::string_view name, std::int32_t& field) {
        if (const auto value = arguments.value(name))
            field = static_cast<std::int32_t>(*value);
    };
    take("--melding", settings.freqMelding);
    take("--chow", settings.freqChow);
    take("--pung", settings.freqPung);
    take("--special", settings.freqSpecial);
    take("--flags", settings.freqFlags);
    take("--min", settings.minPoints);
    if (settings.freqChow + settings.freqPung <= 100)
        return true;
    putUsageError(err, "generate",
                  "--chow " + std::to_string(settings.freqChow) + " and --pung " +
                      std::to_string(settings.freqPung) + " add up to more than 100");
    return false;
}

}  // namespace

// The clock in its finest steps, mixed with the system's random device where there is one, so
// that runs started in the same second still differ.
std::uint32_t freshSeed()
{
    auto x =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count() ^
                                   std::chrono::steady_clock::now().time_since_epoch().count());
    try {
        x ^= std::uint64_t{std::random_device{}()} << 32;
    } catch (const std::exception&) {
        // the clocks alone will do
    }
    x += 0x9E37'79B9'7F4A'7C15u;  // then a 64-bit mixer, so every bit of the seed moves
    x = (x ^ (x >> 30)) * 0xBF58'476D'1CE4'E5B9u;
    x = (x ^ (x >> 27)) * 0x94D0'49BB'1331'11EBu;
    return static_cast<std::uint32_t>(x ^ (x >> 31));
}

bool readGenerateRequest(const std::vector<std::string_view>& args, GenerateRequest& request,
                         Writer& err)
{
    request = GenerateRequest();
    Arguments arguments;
    if (!readArguments(generateSyntax, args, arguments, err))
        return false;
    request.help = arguments.wantsHelp();
    if (request.help)
        return true;
    if (!settingsOf(arguments, request.settings, err))
        return false;
    if (const auto seed = arguments.value("--seed"))
        request.seed = static_cast<std::uint32_t>(*seed);
    request.count = arguments.value("--count").value_or(1);
    request.verbose = arguments.has("--verbose");
    return true;
}

void writeDealtHands(Writer& out, const GeneratorSettings& settings, std::uint64_t count)
{
    Hand hand;
    for (std::uint64_t i = 0; i < count && !out.failed(); ++i) {
        dealHand(hand, settings);
        out.put(hand.toLogText());
        out.put('\n');
    }
}

int runGenerate(const std::vector<std::string_view>& args, Output& out, Output& err)
{
    Writer output(out), errors(err);
    GenerateRequest request;
    if (!readGenerateRequest(args, request, errors))
        return ExitUsage;
    if (request.help) {
        output.put(Usage);
        return finishOutput(output, errors, "generate", ExitSuccess);
    }
    const std::uint32_t seed = request.seed ? *request.seed : freshSeed();
    if (request.verbose) {
        errors.put("fanwright-cli generate: seed ");
        errors.putNumber(seed);
        errors.put('\n');
        errors.flush();
    }
    seedRandom(seed);
    writeDealtHands(output, request.settings, request.count);
    return finishOutput(output, errors, "generate", ExitSuccess);
}

int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err)
{
    StreamOutput output(out), errors(err);
    return runGenerate(args, output, errors);
}

}  // namespace fanwright::cli
