// The real result window under the dialog manager: read back while it is open, against its
// layout and its place, then closed each way a person can close it.
#include "ui/result_window.h"

#include "test_support.h"
#include "ui/modal_driver.h"
#include "ui_win/result_reader.h"

#include <gtest/gtest.h>

namespace fanwright::ui {
namespace {

enum class CloseBy { EscapeCharacter, EscapeKey, OkClick, EnterKey, CloseBox };

void close(HWND dialog, CloseBy how)
{
    switch (how) {
    case CloseBy::EscapeCharacter: PostMessageW(dialog, WM_CHAR, 27, 0); break;
    case CloseBy::EscapeKey:  // the dialog keyboard handling turns these into commands
    case CloseBy::EnterKey:
        PostMessageW(GetFocus(), WM_KEYDOWN, how == CloseBy::EnterKey ? VK_RETURN : VK_ESCAPE, 0);
        break;
    case CloseBy::OkClick: SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); break;
    case CloseBy::CloseBox: PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
}

TEST(ResultWindow, ShowsItsLayoutSizedAndCentredAndClosesAsAPersonWould)
{
    test::startLikeTheProgram();
    const char* sixteen = "3b4b5b9b9b3c4c5c6c7c8c3d5d4dffffememw";
    struct Row {
        const char* code;
        int answer;
        CloseBy closeBy;
    } rows[] = {
        {"1b1b1b2b3b4b5b6b7b8b9b9b9b1cffffememw", 0, CloseBy::EscapeKey},  // invalid
        {sixteen, 16, CloseBy::OkClick},
        {sixteen, 12, CloseBy::EscapeCharacter},
        {sixteen, 0, CloseBy::CloseBox},
        {"ck4c1b2b3b6b7b8b3d4d5d9d9dfftfememw", 0, CloseBy::EnterKey},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.code << " answered " << row.answer);
        Hand hand = test::handOf(row.code);
        ScoreResult result;
        const int total = scoreHand(hand, result);
        const ResultLayout expected = layoutResult(row.answer, total, result);
        auto look = [&](HWND dialog) {
            expectShows(readResultWindow(dialog), expected);
            expectSizedAndCentred(dialog, expected);
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
            close(dialog, row.closeBy);
        };
        EXPECT_TRUE(test::runModal(
            [&] { showResult(app().instance, nullptr, row.answer, total, result); }, {look}));
    }
}

}  // namespace
}  // namespace fanwright::ui
