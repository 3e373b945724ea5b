// fanwright-cli explain and fans: what they add to score. Their input is read as score reads
// it (the same code does), so only the shape of the error paths is checked again here.
#include "tools/cli/explain_command.h"
#include "command_run.h"
#include "hand/log_code.h"
#include "tools/cli/explain_report.h"
#include "tools/cli/fans_command.h"
#include "tools/cli/score_command.h"
#include "tools/cli/text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace fanwright::cli {
namespace {

using test::has;
using test::Outcome;

Outcome explain(std::vector<std::string_view> args, const std::string& input = "")
{
    return test::run(runExplain, std::move(args), input);
}

constexpr std::string_view tie = "2b3b4b9b9b2c2c2c3c3c4c4c4c3cffffememd";

TEST(ExplainCommand, TellsEveryReadingTheKeptOneAndWhatIsNotCounted)
{
    const Outcome run = explain({tie});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with(std::string(tie) +
                                    "\nThis hand has 30 point(s).\nWaitings: 9b 3c\n\n"
                                    "Reading 1 of 2 (kept): Chow 2b 3b 4b | Chow 2c 3c 4c | "
                                    "Chow 2c 3c 4c | Chow 2c 3c 4c | Pair 9b 9b\n"
                                    "  No  Name                              Quantity  Points\n"
                                    "  23  Pure Triple Chow                         1      24\n"))
        << run.out;
    EXPECT_TRUE(has(run.out,
                    "      Total                                    5      30\n"
                    "  Not counted:\n"
                    "    Pure Double Chow \xE2\x80\x94 excluded by Pure Triple Chow\n"));
    EXPECT_TRUE(has(run.out, "\nReading 2 of 2: Chow 2b 3b 4b | Pung 2c 2c 2c"));
    EXPECT_TRUE(
        run.out.ends_with("\nReadings 1 and 2 tie at 30 points; the first found is kept.\n"));
    EXPECT_TRUE(has(explain({"ch3bpu5c2c3c6d7d8dwewe1cffffememd"}).out,
                    "  43  Chicken Hand                             1       8\n"
                    "      Total                                    1       8\n"
                    "  Chicken Hand counts because no other fan did.\n"));
}

// The JSON starts as score's and adds "kept" and "readings".
TEST(ExplainCommand, JsonIsScoresObjectWithTheReadings)
{
    constexpr std::string_view code = "1b2b3b4c5c6c7c8c9c4d5d5d6d5dffffememd";
    std::istringstream none;
    std::ostringstream scored, err;
    ASSERT_EQ(runScore({"--json", code}, none, scored, err), 0);
    const std::string score = scored.str();
    const Outcome run = explain({"--json", code});
    EXPECT_EQ(run.out.substr(0, score.size() - 2), score.substr(0, score.size() - 2));
    EXPECT_EQ(run.out.substr(score.size() - 2),
              ", \"kept\": 0, \"readings\": [{\"form\": 1, \"sets\": [[1, 2], [1, 14], "
              "[1, 17], [1, 23]], \"pair\": 23, \"fans\": {\"39\": 1, \"62\": 1, \"63\": 1, "
              "\"71\": 1}, \"total\": 13, \"not_counted\": [{\"fan\": 70, \"reason\": "
              "\"pairing\", \"by\": null}, {\"fan\": 76, \"reason\": \"excluded\", \"by\": 63}, "
              "{\"fan\": 78, \"reason\": \"wait-conflict\", \"by\": [79]}, {\"fan\": 79, "
              "\"reason\": \"wait-conflict\", \"by\": [78]}]}]}\n");
    EXPECT_TRUE(has(explain({"--json", tie}).out,
                    "{\"fan\": 78, \"reason\": \"several-waits\", \"by\": [9, 12]}"));
    EXPECT_TRUE(has(explain({"--json", "1b2b3b4c5c6c7d8d9d1d1d1d9c8cffffememw"}).out,
                    "\"fans\": {}, \"kept\": null, \"readings\": []}\n"));
}

TEST(ExplainCommand, RefusesAsScoreDoes)
{
    const Outcome text = explain({}, "\nhello\n" + std::string(tie) + "\n");
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(text.err.starts_with("fanwright-cli explain: line 2 \"hello\": ")) << text.err;
    EXPECT_TRUE(has(text.out, "Reading 2 of 2"));
    const Outcome json = explain({"--json", "x\xc0\x80"});
    EXPECT_EQ(json.status, 1);
    EXPECT_TRUE(json.out.starts_with("{\"code\": \"x\\u00c0\\u0080\", \"error\": ")) << json.out;
    EXPECT_EQ(explain({"--jsn"}).status, 2);
    EXPECT_TRUE(has(explain({"--help"}).out, "usage: fanwright-cli explain"));
    std::ostringstream full, err;
    full.setstate(std::ios::badbit);
    std::istringstream in;
    EXPECT_EQ(runExplain({tie}, in, full, err), 3);
}

TEST(FansCommand, ListsTheEightyOneFans)
{
    std::ostringstream out, err;
    ASSERT_EQ(runFans({"--json"}, out, err), 0);
    std::istringstream lines(out.str());
    std::vector<std::string> fans;
    for (std::string line; std::getline(lines, line);)
        fans.push_back(line);
    ASSERT_EQ(fans.size(), 81u);
    EXPECT_TRUE(
        fans[18].starts_with("{\"fan\": 19, \"name\": \"Seven Pairs\", \"points\": 24, "
                             "\"description\": \""));
    EXPECT_TRUE(has(fans[18], ", 62, ")) << fans[18];
    EXPECT_TRUE(fans[80].ends_with("\"example\": null, \"never_with\": []}")) << fans[80];
    for (const std::string& fan : fans)
        EXPECT_TRUE(isUtf8(fan) && fan.find("\"example\": ") != std::string::npos);

    std::ostringstream text, none;
    ASSERT_EQ(runFans({}, text, none), 0);
    EXPECT_TRUE(has(text.str(), "\n80. Self-Drawn (1 point)\n  The winning tile was drawn"));
    EXPECT_EQ(runFans({"x"}, text, none), 2);
}

}  // namespace
}  // namespace fanwright::cli
