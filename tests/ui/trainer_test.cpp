// The trainer's states and commands, driven as a person drives the window: rows of actions from
// the start, then the state, the buttons, the texts and the counters they leave.
#include "fake_main_window.h"

#include "generator/random.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace fanwright::ui::test {
namespace {

struct Session {
    GeneratorSettings settings;
    FakeMainWindow view;
    Trainer trainer{view, settings};

    Session()
    {
        seedRandom(20240611u);
        trainer.start();
    }

    int total()
    {
        Hand copy = trainer.hand();
        ScoreResult result;
        return scoreHand(copy, result);
    }

    // Words: next, check, enter, mode, save, settings, about, wall, closed-log, type:N,
    // type:right, type:wrong.
    void run(const std::string& script)
    {
        std::istringstream words(script);
        for (std::string word; words >> word;) {
            if (word.rfind("type:", 0) == 0) {
                const std::string value = word.substr(5);
                const int n = value == "right"   ? total()
                              : value == "wrong" ? total() + 1
                                                 : std::stoi(value);
                view.type(trainer, std::to_wstring(n).c_str());
            } else if (word == "enter") {
                view.command(trainer, 1);
            } else if (word == "closed-log") {
                view.logOpen = false;
            } else {
                view.click(trainer, idOf(word));
            }
        }
    }

    static int idOf(const std::string& word)
    {
        return word == "next"       ? IDC_NEXT
               : word == "check"    ? IDC_CHECK
               : word == "mode"     ? IDC_MODE
               : word == "save"     ? IDC_SAVE
               : word == "settings" ? IDC_SETTINGS
               : word == "about"    ? IDC_BANNER
               : word == "wall"     ? IDC_WALL
                                    : 0;
    }
};

struct Transition {
    const char* script;
    TrainerState state;
    bool checkOn;
    const wchar_t* checkCaption;
    const wchar_t* nextCaption;
    bool nextOn, pointsOn;
    const wchar_t* modeCaption;
    const wchar_t* help;
    int focus;
    int right, wrong, results;
};

using enum TrainerState;
const wchar_t* const New = L"&New";
const wchar_t* const Next = L"&Next";
const wchar_t* const Check = L"&Check";
const wchar_t* const Calc = L"&Calculate";
const wchar_t* const ToEdit = L"Edit &Mode >>";
const wchar_t* const ToTest = L"Test &Mode <<";

const Transition transitions[] = {
    // script                            state          1009   caption  1027  on    points
    {"", TestIdle, false, Check, New, true, false, ToEdit, text::StatusWelcome, IDC_NEXT, 0, 0, 0},
    {"type:12", TestIdle, false, Check, New, true, false, ToEdit, text::StatusWelcome, IDC_NEXT, 0,
     0, 0},
    {"enter", TestIdle, false, Check, New, true, false, ToEdit, text::StatusWelcome, IDC_NEXT, 0, 0,
     0},
    {"next", TestAnswering, false, Check, Next, true, true, ToEdit, text::StatusEnterPoints,
     IDC_POINTS, 0, 0, 0},
    {"next type:0", TestAnswering, false, Check, Next, true, true, ToEdit, text::StatusEnterPoints,
     IDC_POINTS, 0, 0, 0},
    {"next type:12", TestAnswering, true, Check, Next, true, true, ToEdit, text::StatusEnterPoints,
     IDC_POINTS, 0, 0, 0},
    // A win source chosen before answering also opens "Check".
    {"next wall", TestAnswering, true, Check, Next, true, true, ToEdit, text::StatusEnterPoints,
     IDC_WALL, 0, 0, 0},
    {"next type:right check", TestIdle, true, Calc, Next, true, false, ToEdit,
     text::StatusPressNext, IDC_NEXT, 1, 0, 1},
    {"next type:wrong check", TestIdle, true, Calc, Next, true, false, ToEdit,
     text::StatusPressNext, IDC_NEXT, 0, 1, 1},
    // Enter in the empty field checks with no answer, which counts as wrong.
    {"next enter", TestIdle, false, Calc, Next, true, false, ToEdit, text::StatusPressNext,
     IDC_NEXT, 0, 1, 1},
    {"next type:right check check", TestIdle, true, Calc, Next, true, false, ToEdit,
     text::StatusPressNext, IDC_NEXT, 1, 0, 2},
    {"next type:right check next type:wrong enter", TestIdle, true, Calc, Next, true, false, ToEdit,
     text::StatusPressNext, IDC_NEXT, 1, 1, 2},
    // Switching drops a pending answer.
    {"next type:12 mode", Editing, true, Calc, Next, false, false, ToTest,
     text::StatusConstructHand, IDC_CLEAR, 0, 0, 0},
    {"next type:12 mode mode", TestIdle, true, Calc, Next, true, false, ToEdit,
     text::StatusPressNext, IDC_NEXT, 0, 0, 0},
    {"mode", Editing, false, Calc, New, false, false, ToTest, text::StatusConstructHand, IDC_CLEAR,
     0, 0, 0},
    {"next mode check", Editing, true, Calc, Next, false, false, ToTest, text::StatusConstructHand,
     IDC_CHECK, 0, 0, 1},
    // Back from edit mode "Calculate" shows the result without counting.
    {"next mode mode check", TestIdle, true, Calc, Next, true, false, ToEdit, text::StatusPressNext,
     IDC_NEXT, 0, 0, 1},
};

TEST(Trainer, TransitionsLeaveTheirStateButtonsTextsAndCounters)
{
    for (const Transition& row : transitions) {
        SCOPED_TRACE(row.script);
        Session s;
        s.run(row.script);
        const auto& c = s.view.controls;
        EXPECT_EQ(s.trainer.state(), row.state);
        EXPECT_EQ(c.at(IDC_CHECK).enabled, row.checkOn);
        EXPECT_EQ(c.at(IDC_CHECK).caption, row.checkCaption);
        EXPECT_EQ(c.at(IDC_NEXT).caption, row.nextCaption);
        EXPECT_EQ(c.at(IDC_NEXT).enabled, row.nextOn);
        EXPECT_EQ(c.at(IDC_POINTS).enabled, row.pointsOn);
        EXPECT_EQ(c.at(IDC_POINTS_SPIN).enabled, row.pointsOn);
        EXPECT_EQ(c.at(IDC_MODE).caption, row.modeCaption);
        EXPECT_EQ(s.view.status[1], row.help);
        EXPECT_EQ(s.view.focus, row.focus);
        EXPECT_EQ(s.trainer.rightAnswers(), row.right);
        EXPECT_EQ(s.trainer.wrongAnswers(), row.wrong);
        EXPECT_EQ(s.view.results, row.results);
        EXPECT_EQ(s.view.status[2],
                  L"Score " + std::to_wstring(row.right) + L":" + std::to_wstring(row.wrong));
        if (row.state != TestAnswering) {
            EXPECT_EQ(s.view.pointsValue(), 0u);
        }
    }
}

TEST(Trainer, AnswerGivenToTheResultWindow)
{
    Session s;
    s.run("next type:right check");
    EXPECT_EQ(s.view.lastAnswer, s.view.lastTotal);
    EXPECT_GT(s.view.lastTotal, 0);
    s.run("next enter");
    EXPECT_EQ(s.view.lastAnswer, 0);
    s.run("check");  // no answer pending
    EXPECT_EQ(s.view.lastAnswer, 0);
}

TEST(Trainer, DialogsOpenOnlyWhenTheyCan)
{
    const struct {
        const char* script;
        int saves, settings, abouts;
    } rows[] = {
        {"save", 0, 0, 0},  // an empty hand is never saved
        {"next save", 1, 0, 0},
        {"next closed-log save", 0, 0, 0},
        {"settings about", 0, 1, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        Session s;
        s.run(row.script);
        EXPECT_EQ(s.view.saveDialogs, row.saves);
        EXPECT_EQ(s.view.settingsSheets, row.settings);
        EXPECT_EQ(s.view.aboutDialogs, row.abouts);
    }
}

}  // namespace
}  // namespace fanwright::ui::test
