// The module's calls. Each runs the command-line tool's own command on text in memory, so that
// what it returns is byte for byte what fanwright-cli writes. The caller writes the UTF-8
// argument into the room fanwright_argument gives, makes the call, and reads the text at
// fanwright_result, fanwright_result_size bytes long, before its next call.
#include "tools/cli/command_line.h"
#include "tools/cli/generate_command.h"
#include "tools/cli/io.h"
#include "tools/cli/score_command.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#define FANWRIGHT_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

using namespace fanwright::cli;

class TextOutput final : public Output {
public:
    explicit TextOutput(std::string& text) : text_(text) {}
    bool write(const char* from, std::size_t size, std::string&) override
    {
        text_.append(from, size);
        return true;
    }

private:
    std::string& text_;
};

// Codes come as arguments, so the command never reads its input.
class NoInput final : public Input {
public:
    std::size_t read(char*, std::size_t, std::string&) override { return 0; }
};

// The argument the caller wrote and the text the last call gave back; kept from call to call
// so that a call allocates nothing once they are large enough.
std::string argument;
std::string result;
std::string errors;

// A command's status; its standard output when it ran, its messages when it refused to.
int finish(int status)
{
    if (status > ExitRefusedLine)
        result.swap(errors);
    errors.clear();
    return status;
}

// Words separated by line feeds, as the command line would have them one by one.
std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> found;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        found.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return found;
}

}  // namespace

// Room for an argument of `size` bytes, which the next call reads.
FANWRIGHT_EXPORT(fanwright_argument) char* fanwright_argument(std::size_t size)
{
    argument.resize(size);
    return argument.data();
}

FANWRIGHT_EXPORT(fanwright_result) const char* fanwright_result() { return result.data(); }
FANWRIGHT_EXPORT(fanwright_result_size) std::size_t fanwright_result_size()
{
    return result.size();
}

// `fanwright-cli score --json -- CODE`: its line, line feed included; status 0 or 1.
FANWRIGHT_EXPORT(fanwright_score) int fanwright_score()
{
    result.clear();
    NoInput in;
    TextOutput out(result), err(errors);
    return finish(runScore({"--json", "--", argument}, in, out, err));
}

// `fanwright-cli generate` with the argument's words: a code and a line feed per hand, or
// status 2 and the usage message.
FANWRIGHT_EXPORT(fanwright_generate) int fanwright_generate()
{
    result.clear();
    TextOutput out(result), err(errors);
    return finish(runGenerate(words(argument), out, err));
}

FANWRIGHT_EXPORT(fanwright_version) int fanwright_version()
{
    result = FANWRIGHT_VERSION;
    return 0;
}
