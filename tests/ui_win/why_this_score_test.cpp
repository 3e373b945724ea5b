// Why a hand scores what it does, in the real windows: the result window's row tips, the
// explanation window it opens on F1, a double-click or its system menu, and the fan reference
// that F1 opens from the main window. Keys are pressed through the system's input, so that F1
// comes as a person's does; modal windows are read and closed from the driver's timer.
#include "explain/explanation.h"
#include "explain/fan_descriptions.h"
#include "scoring/scoring.h"
#include "tools/cli/explain_report.h"
#include "ui/driver/window_driver.h"
#include "ui/explanation_layout.h"
#include "ui/fan_reference.h"
#include "ui/fan_reference_model.h"
#include "ui/main_window.h"
#include "ui/resource_ids.h"
#include "ui/result_tips.h"
#include "ui/texts.h"
#include "ui/wide_text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fanwright::ui {
namespace {

using driver::classOf;
using driver::textOf;

using driver::clientHeight;
using driver::clipboardText;
using driver::listCell;
using driver::listRows;
using driver::listSelection;
using driver::sendKeys;
using driver::systemMenuText;
using driver::threadWindow;

HWND explanationWindow()
{
    return threadWindow(
        [](HWND w) { return IsWindowVisible(w) && classOf(w) == text::ExplanationClass; });
}

class WhyThisScoreTest : public testing::Test, public driver::WindowDriver {
protected:
    static void SetUpTestSuite() { driver::startLikeTheProgram(); }

    void SetUp() override
    {
        window_ = std::make_unique<MainWindow>();
        ASSERT_NE(openMain(*window_), nullptr);
        SetForegroundWindow(main_);
        pump();
    }

    void TearDown() override
    {
        DestroyWindow(main_);  // and the fan reference it owns
        pump();
        EXPECT_EQ(fanReferenceWindow(), nullptr);
    }

    // Lets the system deliver what it queued, as the program's loop would.
    void settle()
    {
        for (int i = 0; i < 5; ++i) {
            pump();
            Sleep(10);
        }
    }

    HWND openReferenceByF1()
    {
        SetForegroundWindow(main_);
        SetFocus(item(IDC_NEXT));
        sendKeys({VK_F1});
        settle();
        return fanReferenceWindow();
    }

    void typeInto(HWND control, const std::wstring& characters)
    {
        for (wchar_t c : characters)
            PostMessageW(control, WM_CHAR, c, 1);
        pump();
    }

    // Edit mode: the concealed tiles, then the winning tile, won on a discard.
    void buildConcealed(const std::vector<TileId>& tiles, TileId winning)
    {
        click(IDC_MODE);
        click(IDC_CLEAR);
        click(IDC_ADD_CONCEALED_TILE);
        for (TileId t : tiles)
            clickPalette(t);
        clickPalette(winning);
        click(IDC_DISCARD);
    }

    std::unique_ptr<MainWindow> window_;
};

// --- The fan reference -----------------------------------------------------------------------

TEST_F(WhyThisScoreTest, F1OpensTheFanReferenceAndF1AgainBringsTheSameOneToTheFront)
{
    EXPECT_EQ(systemMenuText(main_, IDM_FAN_REFERENCE), L"Fan reference\u2026\tF1");
    HWND reference = openReferenceByF1();
    ASSERT_NE(reference, nullptr) << "F1 in the main window";
    EXPECT_TRUE(IsWindowVisible(reference));
    EXPECT_EQ(GetWindow(reference, GW_OWNER), main_);
    EXPECT_EQ(textOf(reference), L"Fan reference");
    EXPECT_EQ(GetForegroundWindow(), reference);
    EXPECT_TRUE(IsWindowEnabled(main_)) << "modeless";

    HWND list = GetDlgItem(reference, IDC_REFERENCE_LIST);
    EXPECT_EQ(classOf(list), WC_LISTVIEWW);
    EXPECT_NE(GetWindowLongW(list, GWL_STYLE) & LVS_REPORT, 0);
    ASSERT_EQ(listRows(list), 81);
    const std::vector<FanRow> rows = fanReferenceRows();
    for (int row = 0; row < 81; ++row) {
        const FanRow& fan = rows[static_cast<std::size_t>(row)];
        EXPECT_EQ(
            listCell(list, row, 0) + L"|" + listCell(list, row, 1) + L"|" + listCell(list, row, 2),
            fan.number + L"|" + fan.name + L"|" + fan.points);
    }
    EXPECT_EQ(listSelection(list), 0);
    EXPECT_EQ(textOf(GetDlgItem(reference, IDC_REFERENCE_NAME)), L"Big Four Winds");
    EXPECT_EQ(textOf(GetDlgItem(reference, IDC_REFERENCE_POINTS)), L"Fan 1 of 81, 88 points");

    SetForegroundWindow(main_);  // back to the trainer, and F1 again
    SetFocus(item(IDC_MODE));
    ASSERT_NE(GetForegroundWindow(), reference);
    sendKeys({VK_F1});
    settle();
    EXPECT_EQ(fanReferenceWindow(), reference) << "the same window";
    EXPECT_EQ(GetForegroundWindow(), reference);

    sendKeys({VK_ESCAPE});  // through the reference's dialog keys
    settle();
    EXPECT_EQ(fanReferenceWindow(), nullptr);
    EXPECT_FALSE(IsWindow(reference));

    SendMessageW(main_, WM_SYSCOMMAND, IDM_FAN_REFERENCE, 0);  // the system menu's item
    pump();
    ASSERT_NE(fanReferenceWindow(), nullptr);
    SendMessageW(fanReferenceWindow(), WM_CLOSE, 0, 0);  // the close box
    EXPECT_EQ(fanReferenceWindow(), nullptr);
}

TEST_F(WhyThisScoreTest, TypingANameSelectsItsFanAndAFanNeverCountedBesideItIsAJumpAway)
{
    HWND reference = openReferenceByF1();
    ASSERT_NE(reference, nullptr);
    HWND list = GetDlgItem(reference, IDC_REFERENCE_LIST);
    ASSERT_EQ(GetFocus(), list);
    typeInto(list, L"Seven");
    EXPECT_EQ(listCell(list, listSelection(list), 1), L"Seven Pairs");
    auto shown = [&](int id) { return textOf(GetDlgItem(reference, id)); };
    EXPECT_EQ(shown(IDC_REFERENCE_NAME), L"Seven Pairs");
    EXPECT_EQ(shown(IDC_REFERENCE_RULE), widened(fanDescription(SevenPairsFan).rule));
    EXPECT_EQ(shown(IDC_REFERENCE_SCORES).rfind(L"This example scores 24: Seven Pairs 24", 0), 0u)
        << shown(IDC_REFERENCE_SCORES);
    EXPECT_EQ(shown(IDC_REFERENCE_NEVER_LABEL), L"Never counted beside:");

    // The fans never counted beside it; a double-click on one selects it in the list.
    HWND never = GetDlgItem(reference, IDC_REFERENCE_NEVER);
    const FanPage page = fanPage(SevenPairsFan, 0, 0);
    ASSERT_EQ(listRows(never), static_cast<int>(page.neverBeside.size()));
    EXPECT_EQ(listCell(never, 2, 1), L"Nine Gates");
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(never, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM(r.left + 50, (r.top + r.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageW(never, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    settle();
    EXPECT_EQ(listSelection(list), page.neverBeside[2] - 1);
    EXPECT_EQ(GetFocus(), list);

    Sleep(TypeAhead::Pause + 100);  // after a pause a new name begins
    typeInto(list, L"all");
    EXPECT_EQ(listCell(list, listSelection(list), 1), L"All Chows");
    typeInto(list, L" t");
    EXPECT_EQ(listCell(list, listSelection(list), 1), L"All Terminals");
}

// --- The result window and the explanation window --------------------------------------------

// Read twice, as Seven Pairs (kept; it excludes Concealed Hand) and as four chows (No Honors
// excluded by All Chows).
const std::vector<TileId> SevenPairsHand = {1, 1, 4, 4, 5, 6, 6, 20, 20, 21, 21, 22, 22};
constexpr TileId SevenPairsWinning = 5;

TEST_F(WhyThisScoreTest, ResultRowsTellWhyAndF1DoubleClickOrTheMenuOpenTheExplanation)
{
    buildConcealed(SevenPairsHand, SevenPairsWinning);
    Hand hand = window_->trainer().hand();
    ASSERT_EQ(std::string(hand.toLogText()), "1b1b4b4b5b6b6b2d2d3d3d4d4d5bffffememd");
    ScoreResult result;
    Hand scored = hand;
    scoreHand(scored, result);
    const Explanation explanation = explainHand(hand);
    const std::wstring commandLine = widened(cli::explanationText(hand.toLogText(), explanation));
    const ExplanationLayout layout = layoutExplanation(explanation);

    HWND dialog = nullptr;
    const driver::Step wait = [](HWND) {};
    const std::vector<driver::Step> steps = {
        [&](HWND shown) {
            dialog = shown;
            HWND tips = threadWindow([&](HWND w) {
                return classOf(w) == TOOLTIPS_CLASSW && GetWindow(w, GW_OWNER) == dialog;
            });
            ASSERT_NE(tips, nullptr);
            const std::vector<RowTip> expected = resultRowTips(result, explanation);
            ASSERT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 4) << "three fans and the total";
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const driver::ToolTip tip = driver::toolTipOf(tips, dialog, i + 1);
                const RECT& r = tip.rect;
                EXPECT_EQ(tip.text, expected[i].text);
                EXPECT_EQ((Rect{r.left, r.top, r.right, r.bottom}), expected[i].box);
            }
            EXPECT_EQ(driver::toolTipOf(tips, dialog, 1).text,
                      L"Seven pairs and no declared set; four tiles of a kind may make two of "
                      L"them.\r\nNot counted beside it: Concealed Hand");
            EXPECT_EQ(systemMenuText(dialog, IDM_WHY_THIS_SCORE), L"Why this score?\tF1");
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
            sendKeys({VK_F1});
        },
        wait,
        [&](HWND) {
            HWND why = explanationWindow();
            ASSERT_NE(why, nullptr) << "F1 in the result window";
            EXPECT_EQ(GetWindow(why, GW_OWNER), dialog);
            EXPECT_NE(GetWindowLongW(why, GWL_STYLE) & WS_THICKFRAME, 0) << "resizable";
            EXPECT_EQ(GetForegroundWindow(), why);
            sendKeys({VK_CONTROL, 'C'});
        },
        wait,
        [&](HWND) {
            const std::wstring copied = clipboardText();
            EXPECT_EQ(copied, withCrLf(commandLine)) << "Windows line ends";
            std::wstring lines = copied;
            std::erase(lines, L'\r');
            EXPECT_EQ(lines, commandLine) << "what `fanwright-cli explain` prints";

            // Shorter than its content, it scrolls: the bar spans the content, a page the client.
            HWND why = explanationWindow();
            RECT outer;
            GetWindowRect(why, &outer);
            SetWindowPos(why, nullptr, 0, 0, outer.right - outer.left, 300,
                         SWP_NOMOVE | SWP_NOZORDER);
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_ALL;
            GetScrollInfo(why, SB_VERT, &info);
            EXPECT_EQ(info.nMax + 1, layout.height);
            EXPECT_EQ(static_cast<int>(info.nPage), clientHeight(why));
            sendKeys({VK_NEXT});
        },
        wait,
        [&](HWND) {
            HWND why = explanationWindow();
            const int page = clientHeight(why);
            const int paged = scrolledTo(ScrollMove::PageDown, 0, page, layout.height);
            EXPECT_EQ(GetScrollPos(why, SB_VERT), paged);
            SendMessageW(why, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
            EXPECT_EQ(GetScrollPos(why, SB_VERT),
                      wheelScrolled(paged, WHEEL_DELTA, page, layout.height));
            sendKeys({VK_ESCAPE});
        },
        wait,
        [&](HWND) {
            EXPECT_EQ(explanationWindow(), nullptr) << "Esc closes it";
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_NE(GetClassLongPtrW(dialog, GCL_STYLE) & CS_DBLCLKS, 0u) << "double-clicks come";
            PostMessageW(dialog, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(200, 100));
        },
        [&](HWND) {
            HWND why = explanationWindow();
            ASSERT_NE(why, nullptr) << "a double-click in the result window";
            // A click on a fan's name opens the reference at that fan.
            const ResultItem* link = nullptr;
            for (const ResultItem& item : layout.items)
                link = link == nullptr && item.kind == ResultItemKind::FanLink ? &item : link;
            ASSERT_NE(link, nullptr);
            SendMessageW(why, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(link->x + 4, link->y + 4));
            ASSERT_NE(fanReferenceWindow(), nullptr);
            HWND list = GetDlgItem(fanReferenceWindow(), IDC_REFERENCE_LIST);
            EXPECT_EQ(listSelection(list), link->picture - 1);
            SendMessageW(fanReferenceWindow(), WM_CLOSE, 0, 0);
            SendMessageW(why, WM_KEYDOWN, VK_ESCAPE, 0);
            EXPECT_EQ(explanationWindow(), nullptr);
            PostMessageW(dialog, WM_SYSCOMMAND, IDM_WHY_THIS_SCORE, 0);
        },
        [&](HWND) {
            ASSERT_NE(explanationWindow(), nullptr) << "the system menu's item";
            SetForegroundWindow(dialog);
            SetFocus(GetDlgItem(dialog, IDOK));
            sendKeys({VK_ESCAPE});  // the result window's, with its explanation open
        },
    };
    EXPECT_TRUE(driver::runModal([&] { click(IDC_CHECK); }, steps));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(explanationWindow(), nullptr) << "closed with the result window";
}

}  // namespace
}  // namespace fanwright::ui
