// Running a command of fanwright-cli in-process, on text input, and reading what it wrote.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace fanwright::cli::test {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

using HandCommand = int (*)(const std::vector<std::string_view>&, std::istream&, std::ostream&,
                            std::ostream&);

inline Outcome run(HandCommand command, std::vector<std::string_view> args,
                   const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = command(args, in, out, err);
    return {status, out.str(), err.str()};
}

inline bool has(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

}  // namespace fanwright::cli::test
