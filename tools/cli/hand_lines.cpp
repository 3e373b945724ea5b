#include "tools/cli/hand_lines.h"

#include "tools/cli/score_report.h"
#include "tools/cli/text.h"

namespace fanwright::cli {

namespace {

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

HandLines::HandLines(std::string_view command, HandReport& report, bool json, Writer& out,
                     Writer& err)
    : command_(command), report_(report), json_(json), out_(out), err_(err)
{
}

void HandLines::take(std::string_view line, std::size_t length, LinePlace place)
{
    if (length > LineReader::MaxLineLength) {
        error_ = "longer than " + std::to_string(LineReader::MaxLineLength) + " bytes";
        refuse(line, length, place);
        return;
    }
    if (!parseLogLine(line, parsed_, error_)) {
        refuse(line, length, place);
        return;
    }
    if (json_)
        report_.json(out_, parsed_.code, parsed_.hand);
    else
        reportText();
}

void HandLines::reportText()
{
    if (!first_)
        out_.put('\n');
    first_ = false;
    out_.put(parsed_.code);
    if (!parsed_.comment.empty()) {
        out_.put(" - ");
        putPrintable(out_, parsed_.comment);
    }
    out_.put('\n');
    report_.text(out_, parsed_.hand);
}

void HandLines::refuse(std::string_view line, std::size_t length, LinePlace place)
{
    refused_ = true;
    if (line.size() == length) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        length = line.size();
    }
    const std::string_view shown = echoedPart(line);
    if (json_) {
        writeJsonError(out_, shown, length, error_);
        return;
    }
    out_.flush();  // so that the message follows the reports of the lines before it
    err_.put("fanwright-cli ");
    err_.put(command_);
    err_.put(": ");
    err_.put(place.kind);
    err_.put(' ');
    err_.putNumber(static_cast<long long>(place.number));
    err_.put(" \"");
    putPrintable(err_, shown);
    if (shown.size() < length) {
        err_.put("...\" (");
        err_.putNumber(static_cast<long long>(length));
        err_.put(" bytes): ");
    } else {
        err_.put("\": ");
    }
    putPrintable(err_, error_);
    err_.put('\n');
    err_.flush();
}

int runHandLines(const CommandSyntax& syntax, std::string_view usage, HandReport& report,
                 const std::vector<std::string_view>& args, Input& in, Output& out, Output& err)
{
    Writer output(out), errors(err);
    Arguments arguments;
    if (!readArguments(syntax, args, arguments, errors))
        return ExitUsage;
    if (arguments.wantsHelp()) {
        output.put(usage);
        return finishOutput(output, errors, syntax.command, ExitSuccess);
    }
    HandLines lines(syntax.command, report, arguments.has("--json"), output, errors);
    const std::vector<std::string_view>& codes = arguments.operands();
    for (std::size_t i = 0; i < codes.size() && !output.failed(); ++i)
        lines.take(codes[i], codes[i].size(), {"argument", i + 1});
    if (codes.empty()) {
        LineReader reader(in, output);
        InputLine line;
        while (!output.failed() && reader.next(line)) {
            if (!isBlank(line.text))
                lines.take(line.text, line.length, {"line", line.number});
        }
        if (reader.failed()) {
            output.flush();
            return inputOutputError(errors, syntax.command, "read standard input",
                                    reader.failure());
        }
    }
    return finishOutput(output, errors, syntax.command,
                        lines.anyRefused() ? ExitRefusedLine : ExitSuccess);
}

}  // namespace fanwright::cli
