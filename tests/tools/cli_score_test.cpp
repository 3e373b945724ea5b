#include "tools/cli/score_command.h"
#include "tools/cli/score_report.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace fanwright::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome score(std::vector<std::string_view> args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runScore(args, in, out, err);
    return {status, out.str(), err.str()};
}

constexpr const char* example = "ch3bpu5c1b7d8d9dwewewe1bffffwewsw";

TEST(CliScore, ReportsAHandAsTheResultWindowDoes)
{
    const Outcome run = score({example});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("This hand has "), std::string::npos);
    EXPECT_NE(run.out.find("\nWaitings: 1b\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nStructure: Chow 2b 3b 4b | Chow 7d 8d 9d | Pung 5c 5c 5c | "
                           "Pung we we we | Pair 1b 1b\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("No  Name"), std::string::npos);
    EXPECT_NE(run.out.find("Total"), std::string::npos);
}

TEST(CliScore, ReadsLogLinesFromStandardInputAndSkipsBlankLines)
{
    const Outcome run = score({}, std::string(example) + " - pair wait\r\n\n" + example + " - \n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(std::string(example) + " - pair wait\n"), std::string::npos);
    EXPECT_EQ(run.out.find(" - \n"), std::string::npos);  // an empty comment is not shown
}

TEST(CliScore, AnInvalidHandIsScoredAsInvalidNotRefused)
{
    const Outcome run = score({"1b2b3b4c5c6c7d8d9d1d1d1d9c8cffffememw"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Invalid hand!\nWaitings:\nStructure:\n"), std::string::npos);
}

TEST(CliScore, JsonGivesOneObjectPerLine)
{
    const Outcome run =
        score({"--json", std::string_view(example), "1b2b3b4c5c6c7d8d9d1d1d1d9c8cffffememw"});
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string first, second, more;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(std::getline(lines, more));
    EXPECT_EQ(first.rfind("{\"code\": \"ch3bpu5c1b7d8d9dwewewe1bffffwewsw\", \"total\": ", 0), 0u);
    EXPECT_NE(first.find(", \"form\": 1, \"sets\": [[1, 3], [1, 26], [3, 14], [3, 28]], "
                         "\"pair\": 1, \"waits\": [1], \"fans\": {"),
              std::string::npos);
    EXPECT_EQ(second,
              "{\"code\": \"1b2b3b4c5c6c7d8d9d1d1d1d9c8cffffememw\", \"total\": 0, "
              "\"form\": 0, \"sets\": [], \"pair\": 0, \"waits\": [], \"fans\": {}}");
}

TEST(CliScore, BadLinesFailButTheOthersAreStillScored)
{
    const Outcome text = score({}, "hello\n" + std::string(example) + "\n");
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.err.find("hand 1 \"hello\""), std::string::npos);
    EXPECT_NE(text.out.find("This hand has"), std::string::npos);

    const Outcome json =
        score({"--json"}, "x\"y\\\x01\xff - c\n" + std::string(example) + " - ok\n");
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.out.rfind("{\"code\": \"x\\\"y\\\\\\u0001\\u00ff - c\", \"error\": \"", 0), 0u)
        << json.out;
    EXPECT_NE(json.out.find("\n{\"code\": \"ch3bpu5c"), std::string::npos);
}

TEST(CliScore, HelpAndUnknownOptions)
{
    EXPECT_EQ(score({"--help"}).status, 0);
    EXPECT_NE(score({"--help"}).out.find("usage: fanwright-cli score"), std::string::npos);
    const Outcome bad = score({"--jsn", example});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("unknown option \"--jsn\""), std::string::npos);
    EXPECT_EQ(bad.out, "");
}

TEST(CliScore, JsonStringsStayValidUtf8)
{
    std::ostringstream out;
    writeJsonString(out, "caf\xc3\xa9");
    EXPECT_EQ(out.str(), "\"caf\xc3\xa9\"");
    out.str("");
    writeJsonString(out, "caf\xe9");
    EXPECT_EQ(out.str(), "\"caf\\u00e9\"");
}

}  // namespace
}  // namespace fanwright::cli
