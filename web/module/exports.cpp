// The module's calls: each runs a piece of fanwright-cli on text in memory, so that what it
// gives back is byte for byte what the command writes.
//
// One exchange serves every call: the caller writes a UTF-8 argument into the room
// fanwright_argument gives, calls with its size, and reads the call's text where the reply at
// fanwright_reply says, before its next call. A new call is one more function here,
// taking its argument (a code, JSON, or words separated by NUL bytes) and answering with text,
// and one method in fanwright.js.
#include "generator/random.h"
#include "tools/cli/command_line.h"
#include "tools/cli/explain_command.h"
#include "tools/cli/fans_command.h"
#include "tools/cli/generate_command.h"
#include "tools/cli/hand_lines.h"
#include "tools/cli/io.h"
#include "tools/cli/score_command.h"
#include "web/module/trainer_calls.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#define FANWRIGHT_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

using namespace fanwright;
using namespace fanwright::cli;

// Where the last call's text is and how long: read by the caller straight from memory, which
// is quicker than a call to ask.
struct Reply {
    const char* text;
    std::size_t size;
};

// Kept from call to call, so that a call allocates nothing once they are large enough.
struct Exchange {
    Reply reply{};
    std::string argument;
    StringOutput result;
    StringOutput errors;  // what a command says on standard error
    Writer out{result};
    Writer err{errors};

    std::string_view given(std::size_t size) const
    {
        return {argument.data(), size < argument.size() ? size : argument.size()};
    }

    // Starts a call's text.
    Writer& answer()
    {
        result.text.clear();
        errors.text.clear();
        return out;
    }

    // Ends it: the result is the command's standard output, or its standard error when it
    // refused to run.
    std::size_t finish(bool refused = false)
    {
        out.flush();
        err.flush();
        if (refused)
            result.text.swap(errors.text);
        reply = {result.text.data(), result.text.size()};
        return reply.size;
    }
};

Exchange exchange;

// The commands that take hand codes, as `COMMAND --json -- CODE` runs them: each code is
// argument 1 of its command line.
ScoreReport scoreReport;
ExplainReport explainReport;
HandLines scoreLines("score", scoreReport, true, exchange.out, exchange.err);
HandLines explainLines("explain", explainReport, true, exchange.out, exchange.err);

std::size_t takeCode(HandLines& lines, std::size_t size, std::size_t length)
{
    exchange.answer();
    lines.take(exchange.given(size), length, {"argument", 1});
    return exchange.finish();
}

// Words separated by NUL bytes, which no word on a command line can hold.
std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> found;
    while (!text.empty()) {
        const std::size_t end = text.find('\0');
        found.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return found;
}

// A generate command dealt in pieces, its random state kept between them, so that runs may
// interleave and a page never holds more than a piece of one.
struct GenerateRun {
    GeneratorSettings settings;
    std::uint32_t randomState = 0;
    std::uint64_t left = 0;
    bool open = false;
};
std::vector<GenerateRun> runs;  // a run's number is its index + 1

GenerateRun* runNumbered(int number)
{
    const auto index = static_cast<std::size_t>(number) - 1;
    return number > 0 && index < runs.size() && runs[index].open ? &runs[index] : nullptr;
}

// A call that writes its whole answer with `write`, given the answer's writer first.
template <typename Write, typename... Arguments>
std::size_t answered(Write write, Arguments&&... arguments)
{
    write(exchange.answer(), std::forward<Arguments>(arguments)...);
    return exchange.finish();
}

}  // namespace

// Room for an argument of at least `size` bytes; where it is stays the same until a larger
// room is asked for.
FANWRIGHT_EXPORT(fanwright_argument) char* fanwright_argument(std::size_t size)
{
    if (exchange.argument.size() < size)
        exchange.argument.resize(size);
    return exchange.argument.data();
}

FANWRIGHT_EXPORT(fanwright_version) std::size_t fanwright_version()
{
    exchange.answer().put(FANWRIGHT_VERSION);
    return exchange.finish();
}

FANWRIGHT_EXPORT(fanwright_reply) const Reply* fanwright_reply() { return &exchange.reply; }

// The object of `fanwright-cli score --json -- CODE`, the argument's `size` bytes being the
// code: its line, line feed included. A code longer than the command reads may come as its
// first `size` bytes only, `length` being the whole code's. Returns the text's size.
FANWRIGHT_EXPORT(fanwright_score) std::size_t fanwright_score(std::size_t size, std::size_t length)
{
    return takeCode(scoreLines, size, length);
}

// Likewise, `fanwright-cli explain --json -- CODE`.
FANWRIGHT_EXPORT(fanwright_explain)
std::size_t fanwright_explain(std::size_t size, std::size_t length)
{
    return takeCode(explainLines, size, length);
}

// `fanwright-cli fans --json`: the 81 lines.
FANWRIGHT_EXPORT(fanwright_fans) std::size_t fanwright_fans()
{
    exchange.answer();
    StringOutput ignored;
    runFans({"--json"}, exchange.result, ignored);
    return exchange.finish();
}

// Starts `fanwright-cli generate` with the argument's words. Returns the run's number, its
// text being the count of hands to deal; or 0, its text being the command's message.
FANWRIGHT_EXPORT(fanwright_generate_start) int fanwright_generate_start(std::size_t size)
{
    exchange.answer();
    GenerateRequest request;
    if (!readGenerateRequest(words(exchange.given(size)), request, exchange.err) || request.help ||
        request.verbose) {
        // The page's options never spell these two: they would print on standard error.
        if (request.help || request.verbose)
            putUsageError(exchange.err, "generate", "--help and --verbose print nothing here");
        exchange.finish(true);
        return 0;
    }
    seedRandom(request.seed ? *request.seed : freshSeed());
    GenerateRun run{request.settings, randomState, request.count, true};
    std::size_t index = 0;
    while (index < runs.size() && runs[index].open)
        ++index;
    if (index == runs.size())
        runs.push_back(run);
    else
        runs[index] = run;
    exchange.out.putNumber(static_cast<long long>(request.count));
    exchange.finish();
    return static_cast<int>(index) + 1;
}

// Deals the run's next `hands` hands at most, each code with a line feed. Returns how many; 0
// once the run is over, which ends it.
FANWRIGHT_EXPORT(fanwright_generate_next)
std::uint32_t fanwright_generate_next(int number, std::uint32_t hands)
{
    Writer& out = exchange.answer();
    GenerateRun* run = runNumbered(number);
    if (run == nullptr) {
        exchange.finish();
        return 0;
    }
    const std::uint64_t count = run->left < hands ? run->left : hands;
    randomState = run->randomState;
    writeDealtHands(out, run->settings, count);
    run->randomState = randomState;
    run->left -= count;
    run->open = count > 0;
    exchange.finish();
    return static_cast<std::uint32_t>(count);
}

FANWRIGHT_EXPORT(fanwright_generate_end) void fanwright_generate_end(int number)
{
    if (GenerateRun* run = runNumbered(number))
        run->open = false;
}

// The page's trainer: each call is a person's action on the main window, and answers with
// the window's whole state as JSON (see trainer_calls.h).
FANWRIGHT_EXPORT(fanwright_trainer_state) std::size_t fanwright_trainer_state()
{
    return answered(web::writeTrainerState);
}

// A click on the control the argument names.
FANWRIGHT_EXPORT(fanwright_trainer_click) std::size_t fanwright_trainer_click(std::size_t size)
{
    return answered(web::clickControl, exchange.given(size));
}

// The points field's new text.
FANWRIGHT_EXPORT(fanwright_trainer_type) std::size_t fanwright_trainer_type(std::size_t size)
{
    return answered(web::typePoints, exchange.given(size));
}

// Enter, the focus on the control the argument names.
FANWRIGHT_EXPORT(fanwright_trainer_enter) std::size_t fanwright_trainer_enter(std::size_t size)
{
    return answered(web::pressEnter, exchange.given(size));
}

FANWRIGHT_EXPORT(fanwright_trainer_palette) std::size_t fanwright_trainer_palette(int tile)
{
    return answered(web::clickPalette, tile);
}

// A click on the hand's item `index`: its sets, concealed tiles and winning tile in order.
FANWRIGHT_EXPORT(fanwright_trainer_remove) std::size_t fanwright_trainer_remove(int index)
{
    return answered(web::clickHandItem, index);
}

// The argument's code in edit mode, or the state with the command line's refusal.
FANWRIGHT_EXPORT(fanwright_trainer_load) std::size_t fanwright_trainer_load(std::size_t size)
{
    return answered(web::loadCode, exchange.given(size));
}

// The dealer's six settings, as words; answers with them as kept.
FANWRIGHT_EXPORT(fanwright_settings_set) std::size_t fanwright_settings_set(std::size_t size)
{
    return answered(web::setSettings, words(exchange.given(size)));
}

// The settings sheet after a step, as words: melding, chow, pung, kong, the share stepped.
FANWRIGHT_EXPORT(fanwright_settings_sheet) std::size_t fanwright_settings_sheet(std::size_t size)
{
    return answered(web::settingsSheet, words(exchange.given(size)));
}

// The argument's code drawn as the main window draws a hand.
FANWRIGHT_EXPORT(fanwright_hand) std::size_t fanwright_hand(std::size_t size)
{
    return answered(web::writeHandDrawing, exchange.given(size));
}

// The explanation's sentences for the argument's code.
FANWRIGHT_EXPORT(fanwright_explain_notes) std::size_t fanwright_explain_notes(std::size_t size)
{
    return answered(web::writeExplanationNotes, exchange.given(size));
}
