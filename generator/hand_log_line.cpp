#include "generator/hand_log_line.h"

namespace fanwright {

std::string formatLogLine(std::string_view code, std::string_view comment)
{
    comment = comment.substr(0, MaxLogCommentLength);
    std::string line;
    line.reserve(code.size() + comment.size() + 4);
    line.append(code).append(" - ").append(comment).append("\n");
    return line;
}

}  // namespace fanwright
