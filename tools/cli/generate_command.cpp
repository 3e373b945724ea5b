#include "tools/cli/generate_command.h"

#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "hand/hand.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace fanwright {

namespace {

constexpr std::string_view Usage =
    "usage: fanwright-cli generate [--seed N] [--count K] [--melding 0..10] [--chow 0..100]\n"
    "                              [--pung 0..100] [--special 0..3] [--flags 0..3] [--min 0|8]\n"
    "\n"
    "Prints the log codes of K random winning hands (default 1), one per line. The same seed\n"
    "(0..4294967295) and settings give the same hands; without --seed the clock seeds them.\n"
    "Settings not given keep their defaults: melding 5, chow 40, pung 40 (kongs take the rest\n"
    "of 100), special 1, flags 1, min 0. With --min 8 only hands of at least 8 points count.\n"
    "Options take their value as the next argument or after '=' (--seed=7).\n";

// A hundred million hands is hours of output already; more is surely a typing slip.
constexpr std::uint64_t MaxCount = 100'000'000;

struct GenerateRequest {
    std::optional<std::uint32_t> seed;
    std::uint64_t count = 1;
    GeneratorSettings settings;
};

struct NumberOption {
    std::string_view name;
    std::uint64_t low;
    std::uint64_t high;
    bool endsOnly;  // only low or high, nothing between
    void (*store)(GenerateRequest&, std::uint64_t);
};

std::int32_t small(std::uint64_t v)
{
    return static_cast<std::int32_t>(v);  // range-checked to at most 100 before
}

constexpr NumberOption numberOptions[] = {
    {"--seed", 0, 0xFFFF'FFFF, false,
     [](GenerateRequest& r, std::uint64_t v) { r.seed = static_cast<std::uint32_t>(v); }},
    {"--count", 1, MaxCount, false, [](GenerateRequest& r, std::uint64_t v) { r.count = v; }},
    {"--melding", 0, 10, false,
     [](GenerateRequest& r, std::uint64_t v) { r.settings.freqMelding = small(v); }},
    {"--chow", 0, 100, false,
     [](GenerateRequest& r, std::uint64_t v) { r.settings.freqChow = small(v); }},
    {"--pung", 0, 100, false,
     [](GenerateRequest& r, std::uint64_t v) { r.settings.freqPung = small(v); }},
    {"--special", 0, 3, false,
     [](GenerateRequest& r, std::uint64_t v) { r.settings.freqSpecial = small(v); }},
    {"--flags", 0, 3, false,
     [](GenerateRequest& r, std::uint64_t v) { r.settings.freqFlags = small(v); }},
    {"--min", 0, 8, true,
     [](GenerateRequest& r, std::uint64_t v) { r.settings.minPoints = small(v); }},
};

const NumberOption* findOption(std::string_view name)
{
    for (const NumberOption& option : numberOptions) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

// Plain decimal digits only: no sign, no blanks, nothing after the number.
std::optional<std::uint64_t> parseNumber(std::string_view text)
{
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || at != end)
        return std::nullopt;
    return value;
}

std::string allowedValues(const NumberOption& option)
{
    const std::string low = std::to_string(option.low);
    const std::string high = std::to_string(option.high);
    return option.endsOnly ? low + " or " + high : "a whole number from " + low + " to " + high;
}

class ArgumentReader {
public:
    ArgumentReader(const std::vector<std::string_view>& args, std::ostream& err)
        : args_(args), err_(err)
    {
    }

    // False after explaining the first problem on err.
    bool read(GenerateRequest& request);
    bool wantsHelp() const { return help_; }

private:
    bool readOption(std::string_view arg, GenerateRequest& request);
    bool storeValue(const NumberOption& option, std::string_view text, GenerateRequest& request);
    bool fail(const std::string& message)
    {
        err_ << "fanwright-cli generate: " << message << "\nTry 'fanwright-cli generate --help'.\n";
        return false;
    }

    const std::vector<std::string_view>& args_;
    std::ostream& err_;
    std::size_t next_ = 0;
    bool help_ = false;
};

bool ArgumentReader::read(GenerateRequest& request)
{
    while (next_ < args_.size() && !help_) {
        if (!readOption(args_[next_++], request))
            return false;
    }
    if (help_)
        return true;
    const GeneratorSettings& s = request.settings;
    if (s.freqChow + s.freqPung > 100) {
        return fail("--chow " + std::to_string(s.freqChow) + " and --pung " +
                    std::to_string(s.freqPung) + " add up to more than 100");
    }
    return true;
}

bool ArgumentReader::readOption(std::string_view arg, GenerateRequest& request)
{
    if (arg == "--help") {
        help_ = true;
        return true;
    }
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    if (name == "--help")
        return fail("--help takes no value");
    const NumberOption* option = findOption(name);
    if (option == nullptr) {
        return fail(arg.starts_with("-") ? "unknown option '" + std::string(name) + "'"
                                         : "unexpected argument '" + std::string(arg) + "'");
    }
    if (equals != std::string_view::npos)
        return storeValue(*option, arg.substr(equals + 1), request);
    if (next_ == args_.size())
        return fail(std::string(name) + " needs a value: " + allowedValues(*option));
    return storeValue(*option, args_[next_++], request);
}

bool ArgumentReader::storeValue(const NumberOption& option, std::string_view text,
                                GenerateRequest& request)
{
    const std::optional<std::uint64_t> value = parseNumber(text);
    const bool inRange = value && *value >= option.low && *value <= option.high &&
                         (!option.endsOnly || *value == option.low || *value == option.high);
    if (!inRange) {
        return fail(std::string(option.name) + " takes " + allowedValues(option) + ", not '" +
                    std::string(text) + "'");
    }
    option.store(request, *value);
    return true;
}

}  // namespace

int runGenerate(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err)
{
    GenerateRequest request;
    ArgumentReader reader(args, err);
    if (!reader.read(request))
        return 2;
    if (reader.wantsHelp()) {
        out << Usage;
        return 0;
    }
    if (request.seed)
        seedRandom(*request.seed);
    else
        seedRandom();
    Hand hand;
    for (std::uint64_t i = 0; i < request.count; ++i) {
        dealHand(hand, request.settings);
        out << hand.toLogText() << '\n';
    }
    return 0;
}

}  // namespace fanwright
