// What the commands that read hand codes share: the codes come as arguments or as lines of
// standard input, each is parsed or refused with a message saying why, and each that parsed is
// reported, as text or as one line of JSON.
#pragma once

#include "hand/log_code.h"
#include "tools/cli/command_line.h"
#include "tools/cli/io.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace fanwright::cli {

// What a command writes for a hand code that parsed. The hand may be changed by it.
class HandReport {
public:
    virtual ~HandReport() = default;
    // The text report, below the line that repeats the code.
    virtual void text(Writer& out, Hand& hand) = 0;
    // One line of JSON.
    virtual void json(Writer& out, std::string_view code, Hand& hand) = 0;
};

// Where a line came from, for messages: "line 7" of the input or "argument 2".
struct LinePlace {
    std::string_view kind;
    std::size_t number;
};

class HandLines {
public:
    // `command` names the command in messages: "fanwright-cli COMMAND: line 3 ...".
    HandLines(std::string_view command, HandReport& report, bool json, Writer& out, Writer& err);

    // Reports or refuses one code; `length` is the whole line's, when `line` holds only its
    // start.
    void take(std::string_view line, std::size_t length, LinePlace place);
    bool anyRefused() const { return refused_; }

private:
    void refuse(std::string_view line, std::size_t length, LinePlace place);
    void reportText();

    std::string_view command_;
    HandReport& report_;
    bool json_;
    Writer& out_;
    Writer& err_;
    ParsedLogLine parsed_;  // kept from line to line, so that a line allocates nothing
    std::string error_;
    bool first_ = true;
    bool refused_ = false;
};

// A whole command of that kind: reads its options (--json and the codes), writes `usage` for
// --help, takes every code given or every line of `in`. Returns an exit status of
// command_line.h.
int runHandLines(const CommandSyntax& syntax, std::string_view usage, HandReport& report,
                 const std::vector<std::string_view>& args, Input& in, Output& out, Output& err);

}  // namespace fanwright::cli
