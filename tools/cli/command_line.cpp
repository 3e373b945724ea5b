#include "tools/cli/command_line.h"

#include "tools/cli/text.h"

#include <charconv>
#include <string>

namespace fanwright::cli {

namespace {

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

std::string allowedValues(const OptionRule& rule)
{
    const std::string low = std::to_string(rule.low);
    const std::string high = std::to_string(rule.high);
    return rule.endsOnly ? low + " or " + high : "a whole number from " + low + " to " + high;
}

void startMessage(Writer& err, std::string_view command, std::string_view message)
{
    err.put("fanwright-cli ");
    err.put(command);
    err.put(": ");
    err.put(message);
}

void endUsageError(Writer& err, std::string_view command)
{
    err.put("\nTry 'fanwright-cli ");
    err.put(command);
    err.put(" --help'.\n");
    err.flush();
}

class ArgumentReader {
public:
    ArgumentReader(const CommandSyntax& syntax, const std::vector<std::string_view>& args,
                   std::vector<std::optional<std::uint64_t>>& values, Writer& err)
        : syntax_(syntax), args_(args), values_(values), err_(err)
    {
    }

    // False after explaining the first problem.
    bool readOption(std::string_view arg);
    bool hasNext() const { return next_ < args_.size(); }
    std::string_view take() { return args_[next_++]; }

    bool fail(std::string_view message)
    {
        putUsageError(err_, syntax_.command, message);
        return false;
    }
    bool fail(std::string_view message, std::string_view quoted)
    {
        putUsageError(err_, syntax_.command, message, quoted);
        return false;
    }

private:
    const OptionRule* findRule(std::string_view name) const;
    bool storeValue(const OptionRule& rule, std::string_view text);
    std::optional<std::uint64_t>& slot(const OptionRule& rule)
    {
        return values_[static_cast<std::size_t>(&rule - syntax_.options.data())];
    }

    const CommandSyntax& syntax_;
    const std::vector<std::string_view>& args_;
    std::vector<std::optional<std::uint64_t>>& values_;
    Writer& err_;
    std::size_t next_ = 0;
};

const OptionRule* ArgumentReader::findRule(std::string_view name) const
{
    for (const OptionRule& rule : syntax_.options) {
        if (rule.name == name)
            return &rule;
    }
    return nullptr;
}

bool ArgumentReader::readOption(std::string_view arg)
{
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    if (name == "--help")
        return fail("--help takes no value");
    const OptionRule* rule = findRule(name);
    if (rule == nullptr)
        return fail("unknown option", name);
    if (!rule->takesValue) {
        if (equals != std::string_view::npos)
            return fail(std::string(name) + " takes no value");
        slot(*rule) = 1;
        return true;
    }
    if (equals != std::string_view::npos)
        return storeValue(*rule, arg.substr(equals + 1));
    if (!hasNext())
        return fail(std::string(name) + " needs a value: " + allowedValues(*rule));
    return storeValue(*rule, take());
}

bool ArgumentReader::storeValue(const OptionRule& rule, std::string_view text)
{
    const std::optional<std::uint64_t> value = parseNumber(text);
    const bool inRange = value && *value >= rule.low && *value <= rule.high &&
                         (!rule.endsOnly || *value == rule.low || *value == rule.high);
    if (!inRange)
        return fail(std::string(rule.name) + " takes " + allowedValues(rule) + ", not", text);
    slot(rule) = *value;
    return true;
}

}  // namespace

std::optional<std::uint64_t> Arguments::find(std::string_view name) const
{
    for (std::size_t i = 0; syntax_ != nullptr && i < syntax_->options.size(); ++i) {
        if (syntax_->options[i].name == name)
            return values_[i];
    }
    return std::nullopt;
}

bool readArguments(const CommandSyntax& syntax, const std::vector<std::string_view>& args,
                   Arguments& into, Writer& err)
{
    into = Arguments();
    into.syntax_ = &syntax;
    into.values_.assign(syntax.options.size(), std::nullopt);
    ArgumentReader reader(syntax, args, into.values_, err);
    bool optionsEnded = false;
    while (reader.hasNext()) {
        const std::string_view arg = reader.take();
        if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            into.help_ = true;
            return true;
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (!reader.readOption(arg))
                return false;
        } else if (!syntax.takesOperands) {
            return reader.fail("unexpected argument", arg);
        } else {
            into.operands_.push_back(arg);
        }
    }
    return true;
}

void putUsageError(Writer& err, std::string_view command, std::string_view message)
{
    startMessage(err, command, message);
    endUsageError(err, command);
}

void putUsageError(Writer& err, std::string_view command, std::string_view message,
                   std::string_view quoted)
{
    const std::string_view shown = echoedPart(quoted);
    startMessage(err, command, message);
    err.put(" '");
    putPrintable(err, shown);
    err.put(shown.size() < quoted.size() ? "...'" : "'");
    endUsageError(err, command);
}

int inputOutputError(Writer& err, std::string_view command, std::string_view what,
                     std::string_view reason)
{
    startMessage(err, command, "cannot ");
    err.put(what);
    err.put(": ");
    err.put(reason);
    err.put('\n');
    err.flush();
    return ExitInputOutput;
}

int finishOutput(Writer& out, Writer& err, std::string_view command, int status)
{
    if (out.flush())
        return status;
    return inputOutputError(err, command, "write standard output", out.failure());
}

}  // namespace fanwright::cli
