// The trainer behind a table of control states, as the page drives it: clicks by control id,
// palette tiles and hand items by index, loading a hand; each row a person's actions and what
// the window then shows.
#include "ui/trainer_session.h"
#include "hand/log_code.h"
#include "test_support.h"
#include "ui/resource_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace fanwright::ui::test {
namespace {

Hand handOf(const char* code)
{
    ParsedLogLine parsed;
    std::string error;
    EXPECT_TRUE(parseLogLine(code, parsed, error)) << error;
    return parsed.hand;
}

TEST(TrainerSession, ClicksReachTheControlsAsTheWindowsOwn)
{
    TrainerSession session;
    session.click(IDC_CHECK);  // disabled at start: no click reaches it
    EXPECT_EQ(session.view().results(), 0);
    session.click(IDC_MODE);
    session.click(IDC_ADD_CHOW);
    EXPECT_TRUE(session.view().isChecked(IDC_ADD_CHOW));
    EXPECT_FALSE(session.view().isChecked(IDC_ADD_CONCEALED_TILE));
    session.clickPaletteTile(fanwright::test::tile("1b"));  // no chow has 1b in the middle
    session.clickPaletteTile(fanwright::test::tile("2b"));
    ASSERT_EQ(session.trainer().hand().getSetCount(), 1);
    EXPECT_EQ(session.trainer().hand().getSetTile(0), fanwright::test::tile("2b"));
    // The paint drew the chow, then the palette's 34 tiles.
    EXPECT_EQ(session.drawn().size(), 3u + 34u);
    session.clickHandItem(0);
    EXPECT_EQ(session.trainer().hand().getSetCount(), 0);
    session.clickHandItem(0);  // nothing is there any more
    session.clickPaletteTile(0);
    session.clickPaletteTile(35);
    EXPECT_EQ(session.trainer().hand().getTileCount(), 0);
}

TEST(TrainerSession, ALoadedHandIsReadyToCalculate)
{
    TrainerSession session;
    session.load(handOf("ch3bpu5c1b7d8d9dwewewe1bffffwewsw"));
    EXPECT_TRUE(session.trainer().editMode());
    EXPECT_TRUE(session.view().isEnabled(IDC_CHECK));
    EXPECT_TRUE(session.view().isChecked(IDC_WALL));
    session.click(IDC_CHECK);
    EXPECT_EQ(session.view().results(), 1);
    EXPECT_GT(session.view().lastResult().total, 0);
    // Loaded again while editing, a hand whose winds are needed but not given waits for them.
    session.load(handOf("ch3bpu5c1b7d8d9dwewewe1bffffememw"));
    EXPECT_FALSE(session.view().isEnabled(IDC_CHECK));
    EXPECT_EQ(session.trainer().shownPrevalentWind(), UnsetWindMark);
    session.click(IDC_PREVALENT_NEXT);
    session.click(IDC_SEAT_NEXT);
    EXPECT_TRUE(session.view().isEnabled(IDC_CHECK));
}

TEST(TrainerSession, EnterInThePointsFieldChecks)
{
    TrainerSession session;
    session.click(IDC_NEXT);
    EXPECT_EQ(session.view().focus(), IDC_POINTS);
    session.type(L"7");
    session.enter(IDC_POINTS);
    EXPECT_EQ(session.view().results(), 1);
    EXPECT_EQ(session.view().lastResult().answer, 7);
    EXPECT_EQ(session.trainer().rightAnswers() + session.trainer().wrongAnswers(), 1);
}

}  // namespace
}  // namespace fanwright::ui::test
