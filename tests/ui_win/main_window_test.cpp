// The real main window, created in this process and driven as a person would: button clicks,
// mouse clicks at tile positions, typing and Enter through the dialog keyboard handling. The
// result window it opens is read while open and then closed, from a timer in its own loop.
#include "ui/main_window.h"
#include "scoring/scoring.h"
#include "ui/app.h"
#include "ui/modal_driver.h"
#include "ui/resource_ids.h"
#include "ui_win/result_reader.h"
#include "ui_win/window_driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace fanwright::ui {
namespace {

// Client rectangle of a child as x, y, width, height.
struct Box {
    int x, y, width, height;
    bool operator==(const Box&) const = default;
};

void PrintTo(const Box& b, std::ostream* out)
{
    *out << "{" << b.x << ", " << b.y << ", " << b.width << ", " << b.height << "}";
}

std::wstring textOf(HWND window)
{
    wchar_t buffer[256] = L"";
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

std::wstring classOf(HWND window)
{
    wchar_t buffer[64] = L"";
    GetClassNameW(window, buffer, 64);
    return buffer;
}

// A modal window that no step of the test expects would wait for a person: fail and close it.
void CALLBACK closeUnexpectedModal(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = test::ModalDriver::findDialog();
    if (dialog == nullptr || test::ModalDriver::current() != nullptr)
        return;
    ADD_FAILURE() << "a modal window opened unasked";
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

// In a building step: the add mode the last click left, such as the winning tile's after 13.
constexpr int KeepMode = 0;

class MainWindowTest : public testing::Test, public WindowDriver {
protected:
    static void SetUpTestSuite() { test::startLikeTheProgram(); }

    void SetUp() override
    {
        window_ = std::make_unique<MainWindow>();
        main_ = window_->create();
        ASSERT_NE(main_, nullptr);
        ShowWindow(main_, SW_SHOWNORMAL);
        UpdateWindow(main_);
        guard_ = SetTimer(nullptr, 0, 200, closeUnexpectedModal);
        pump();
    }

    void TearDown() override
    {
        KillTimer(nullptr, guard_);
        DestroyWindow(main_);
        pump();  // and the quit message the window posted
    }

    // Does what opens the result window, reads the window while it is open and closes it with
    // its OK button. Also the layout the scored hand should give for `answer`.
    std::pair<ResultLayout, ResultLayout> resultOf(const std::function<void()>& action,
                                                   int answer = 0)
    {
        ResultLayout shown;
        auto read = [&](HWND dialog) {
            shown = readResultWindow(dialog);
            expectSizedAndCentred(dialog, shown);
            SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
        };
        EXPECT_TRUE(test::runModal(action, {read})) << "the result window opened and closed";
        Hand hand = window_->trainer().hand();
        ScoreResult result;
        const int points = scoreHand(hand, result);
        return {shown, layoutResult(answer, points, result)};
    }

    // Edit mode, an empty hand, then each add mode with the palette tiles clicked in it.
    void build(std::initializer_list<std::pair<int, std::vector<TileId>>> steps)
    {
        if (!window_->trainer().editMode())
            click(IDC_MODE);
        click(IDC_CLEAR);
        for (const auto& [mode, tiles] : steps) {
            if (mode != KeepMode)
                click(mode);
            for (TileId t : tiles)
                clickPalette(t);
        }
    }

    void type(const std::wstring& digits) { WindowDriver::type(digits, IDC_POINTS); }

    Box box(int id) const
    {
        RECT r;
        GetWindowRect(item(id), &r);
        MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }

    SIZE clientSize() const
    {
        RECT r;
        GetClientRect(main_, &r);
        return {r.right, r.bottom};
    }

    RECT windowRect() const
    {
        RECT r;
        GetWindowRect(main_, &r);
        return r;
    }

    int statusHeight() const { return box(IDC_STATUS).height; }

    std::wstring status(int part) const
    {
        wchar_t buffer[256] = L"";
        SendMessageW(item(IDC_STATUS), SB_GETTEXTW, static_cast<WPARAM>(part),
                     reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }

    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    bool visible(int id) const { return IsWindowVisible(item(id)) != FALSE; }
    bool checked(int id) const { return IsDlgButtonChecked(main_, id) == BST_CHECKED; }
    bool focused(int id) const { return GetFocus() == item(id); }

    int total()
    {
        Hand hand = window_->trainer().hand();
        ScoreResult result;
        return scoreHand(hand, result);
    }

    std::unique_ptr<MainWindow> window_;
    UINT_PTR guard_ = 0;
};

// --- The controls as created -----------------------------------------------------------------

enum : DWORD { Hidden = 1, Disabled = 2 };

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* caption;
    Box box;
    DWORD style;  // the control's own style bits with WS_GROUP and WS_TABSTOP
    DWORD state;
    HFONT App::*font;
};

constexpr DWORD GroupStop = WS_GROUP | WS_TABSTOP;

// clang-format off
const ExpectedControl Expected[] = {
    {1036, L"Static", L"Declared Sets", {20, 73, 200, 20}, SS_LEFT, 0, &App::boldFont},
    {1037, L"Static", L"Tiles in Hand", {20, 153, 200, 20}, SS_LEFT, 0, &App::boldFont},
    {1038, L"Static", L"Winning Tile", {560, 153, 90, 20}, SS_LEFT, 0, &App::boldFont},
    {1003, L"Button", L"Last Tile in &Game", {20, 180, 120, 20}, BS_AUTOCHECKBOX, Disabled, &App::normalFont},
    {1004, L"Button", L"Last Tile of its &Kind", {20, 200, 120, 20}, BS_AUTOCHECKBOX, Disabled, &App::normalFont},
    {1005, L"Button", L"Re&placement Tile", {20, 220, 120, 20}, BS_AUTOCHECKBOX, Disabled, &App::normalFont},
    {1006, L"Button", L"Ro&bbing the Kong", {20, 240, 120, 20}, BS_AUTOCHECKBOX, Disabled, &App::normalFont},
    {1025, L"Static", L"&Prevalent Wind", {160, 235, 100, 20}, SS_CENTER, Disabled, &App::normalFont},
    {1016, L"Button", L"3", {165, 190, 20, 30}, BS_PUSHBUTTON | GroupStop, Disabled, &App::arrowFont},
    {1017, L"Button", L"4", {235, 190, 20, 30}, BS_PUSHBUTTON | WS_TABSTOP, Disabled, &App::arrowFont},
    {1041, L"Static", L"", {190, 180, 43, 53}, SS_ICON, 0, nullptr},
    {1026, L"Static", L"Sea&t Wind", {280, 235, 100, 20}, SS_CENTER, Disabled, &App::normalFont},
    {1020, L"Button", L"3", {285, 190, 20, 30}, BS_PUSHBUTTON | GroupStop, Disabled, &App::arrowFont},
    {1021, L"Button", L"4", {355, 190, 20, 30}, BS_PUSHBUTTON | WS_TABSTOP, Disabled, &App::arrowFont},
    {1042, L"Static", L"", {310, 180, 43, 53}, SS_ICON, 0, nullptr},
    {1001, L"Button", L"&Wall", {610, 105, 40, 20}, BS_AUTORADIOBUTTON | GroupStop, Disabled, &App::normalFont},
    {1002, L"Button", L"&Disc.", {610, 125, 40, 20}, BS_AUTORADIOBUTTON | WS_TABSTOP, Disabled, &App::normalFont},
    {1027, L"Button", L"&New", {400, 180, 70, 25}, BS_DEFPUSHBUTTON | GroupStop, 0, &App::boldFont},
    {1033, L"Edit", L"", {480, 180, 60, 25}, ES_NUMBER | ES_CENTER | WS_TABSTOP, Disabled, &App::pointsFont},
    {1034, L"msctls_updown32", L"Spin1", {470, 180, 60, 25},
     UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, nullptr},
    {1009, L"Button", L"&Check", {560, 180, 90, 25}, BS_PUSHBUTTON | WS_TABSTOP, Disabled, &App::normalFont},
    {1032, L"Button", L"Edit &Mode >>", {400, 235, 140, 25}, BS_PUSHBUTTON | WS_TABSTOP, 0, &App::normalFont},
    {1029, L"Button", L"", {560, 215, 45, 45}, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0, nullptr},
    {1031, L"Button", L"", {605, 215, 45, 45}, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0, nullptr},
    {1039, L"Static", L"", {400, 280, 250, 100}, SS_LEFT, Hidden, nullptr},
    {1040, L"Button", L" Add to hand: ", {400, 280, 250, 100}, BS_GROUPBOX | WS_TABSTOP, Hidden, &App::normalFont},
    {1010, L"Button", L"C&how", {420, 300, 50, 20}, BS_AUTORADIOBUTTON | GroupStop, Hidden, &App::normalFont},
    {1011, L"Button", L"&Pung", {420, 320, 50, 20}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1012, L"Button", L"Melded &Kong", {535, 300, 85, 20}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1013, L"Button", L"&Concealed Kong", {535, 320, 100, 20}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1014, L"Button", L"Concealed &Tile", {420, 350, 90, 20}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1015, L"Button", L"&Winning Tile", {535, 350, 90, 20}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1028, L"Button", L"Clea&r", {400, 390, 70, 25}, BS_PUSHBUTTON | GroupStop, Hidden, &App::normalFont},
    {1044, L"Static", L"", {360, 440, 300, 60}, SS_ICON | SS_NOTIFY, Hidden, nullptr},
};
// clang-format on

TEST_F(MainWindowTest, ControlsHaveTheirClassCaptionStyleStateAndFontInCreationOrder)
{
    HWND child = GetWindow(main_, GW_CHILD);
    for (const ExpectedControl& c : Expected) {
        SCOPED_TRACE(c.id);
        ASSERT_EQ(GetDlgCtrlID(child), c.id) << "creation order";
        child = GetWindow(child, GW_HWNDNEXT);
        HWND control = item(c.id);
        EXPECT_EQ(_wcsicmp(classOf(control).c_str(), c.className), 0) << classOf(control).c_str();
        EXPECT_EQ(textOf(control), c.caption);
        LONG style = GetWindowLongW(control, GWL_STYLE);
        EXPECT_EQ(style & (0xFFFF | GroupStop), c.style);
        EXPECT_EQ(visible(c.id), (c.state & Hidden) == 0);
        EXPECT_EQ(enabled(c.id), (c.state & Disabled) == 0);
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        if (c.font != nullptr) {
            EXPECT_EQ(font, app().*c.font);
        }
    }
    EXPECT_EQ(GetDlgCtrlID(child), IDC_STATUS) << "the status bar comes last";
    for (int id : {IDC_PREVALENT_BOX, IDC_SEAT_BOX, IDC_BANNER})
        EXPECT_NE(SendMessageW(item(id), STM_GETICON, 0, 0), 0) << id;
    for (int id : {IDC_SAVE, IDC_SETTINGS})
        EXPECT_NE(SendMessageW(item(id), BM_GETIMAGE, IMAGE_ICON, 0), 0) << id;
    EXPECT_EQ(GetWindowLongW(item(1040), GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY, WS_EX_NOPARENTNOTIFY);
    EXPECT_EQ(GetWindowLongW(item(1033), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
}

TEST_F(MainWindowTest, ControlsSitAtTheirPixelRectangles)
{
    for (const ExpectedControl& c : Expected) {
        SCOPED_TRACE(c.id);
        if (c.id != IDC_POINTS && c.id != IDC_POINTS_SPIN) {
            EXPECT_EQ(box(c.id), c.box);
        }
    }
    // The up-down takes the right end of its buddy, over the buddy's sunken edge; it steps the
    // field in base 10 from 0 to 200.
    Box field = box(IDC_POINTS), spin = box(IDC_POINTS_SPIN);
    EXPECT_EQ(field.x, 480);
    EXPECT_EQ(field.y, 180);
    EXPECT_EQ(field.height, 25);
    EXPECT_NEAR(spin.x + spin.width, 540, 2);
    EXPECT_NEAR(spin.x, field.x + field.width, 2);
    EXPECT_EQ(SendMessageW(item(IDC_POINTS_SPIN), UDM_GETBUDDY, 0, 0),
              reinterpret_cast<LRESULT>(item(IDC_POINTS)));
    EXPECT_EQ(SendMessageW(item(IDC_POINTS_SPIN), UDM_GETBASE, 0, 0), 10);
    EXPECT_EQ(SendMessageW(item(IDC_POINTS_SPIN), UDM_GETRANGE, 0, 0), MAKELONG(200, 0));
}

TEST_F(MainWindowTest, WindowHasItsClassStylesSizeAndPlace)
{
    EXPECT_EQ(classOf(main_), L"DazUrevEzi");
    EXPECT_EQ(textOf(main_), L"Fanwright version 1.0");
    EXPECT_EQ(GetClassLongPtrW(main_, GCL_CBWNDEXTRA), ULONG_PTR{30});
    EXPECT_EQ(GetClassLongPtrW(main_, GCL_STYLE), ULONG_PTR{0});
    LONG style = GetWindowLongW(main_, GWL_STYLE);
    for (LONG bit : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_CLIPCHILDREN})
        EXPECT_EQ(style & bit, bit);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    // 670 x 278 of controls, the status bar below, centred in the work area with it.
    int h = statusHeight();
    EXPECT_EQ(clientSize().cx, 670);
    EXPECT_EQ(clientSize().cy, 278 + h);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT r = windowRect();
    int height = 278 + GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFIXEDFRAME);
    EXPECT_EQ(r.bottom - r.top, height + h);
    EXPECT_EQ(r.left, work.left + (work.right - work.left - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, work.top + (work.bottom - work.top - height) / 2 - h / 2);
}

TEST_F(MainWindowTest, StartsInTestModeWithWelcomeScoreAndFocusOnNew)
{
    EXPECT_TRUE(focused(IDC_NEXT));
    EXPECT_EQ(status(0), L"");
    EXPECT_EQ(status(1), L"Welcome to Fanwright!");
    EXPECT_EQ(status(2), L"Score 0:0");
    int edges[3] = {};
    EXPECT_EQ(SendMessageW(item(IDC_STATUS), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 167);
    EXPECT_EQ(edges[1], 503);
    EXPECT_EQ(edges[2], 670);
    EXPECT_EQ(box(IDC_STATUS), (Box{0, 278, 670, statusHeight()}));

    // Tab runs through the enabled, visible tab stops in creation order.
    const int cycle[] = {IDC_MODE, IDC_SAVE, IDC_SETTINGS, IDC_NEXT};
    HWND at = item(IDC_NEXT);
    for (int id : cycle) {
        at = GetNextDlgTabItem(main_, at, FALSE);
        EXPECT_EQ(GetDlgCtrlID(at), id);
    }
}

struct ExpectedTip {
    int id;
    const wchar_t* text;
};

TEST_F(MainWindowTest, TooltipsNameTheNineControls)
{
    HWND tips = nullptr;  // the one tooltip control of this thread
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM found) {
            if (classOf(w) == TOOLTIPS_CLASSW)
                *reinterpret_cast<HWND*>(found) = w;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    ASSERT_NE(tips, nullptr);
    LONG style = GetWindowLongW(tips, GWL_STYLE);
    EXPECT_EQ(style & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
    EXPECT_EQ(SendMessageW(tips, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 300);
    EXPECT_EQ(SendMessageW(tips, TTM_GETMAXTIPWIDTH, 0, 0), 200);
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 9);

    const ExpectedTip expected[] = {{1027, L"Generate new random hand"},
                                    {1033, L"Enter points here"},
                                    {1032, L"Switch between test & edit mode"},
                                    {1009, L"Calculate number of points in the hand"},
                                    {1029, L"Save hand to log-file"},
                                    {1031, L"Open settings dialog"},
                                    {1028, L"Clear entire hand"},
                                    {1044, L"About Fanwright\u2026"},
                                    {1010, L"Add a Chow (click middle rank tile)"}};
    for (const ExpectedTip& tip : expected) {
        SCOPED_TRACE(tip.id);
        wchar_t buffer[128] = L"";
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.hwnd = main_;
        info.uId = reinterpret_cast<UINT_PTR>(item(tip.id));
        info.lpszText = buffer;
        ASSERT_TRUE(SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)));
        EXPECT_EQ(info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), TTF_IDISHWND | TTF_SUBCLASS);
        SendMessageW(tips, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(std::wstring(buffer), tip.text);
    }
}

TEST_F(MainWindowTest, KeyboardMovesFocusClicksMnemonicsAndIgnoresEscape)
{
    pressKey(VK_TAB);
    EXPECT_TRUE(focused(IDC_MODE));
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(main_));
    EXPECT_EQ(window_->trainer().state(), TrainerState::TestIdle);
    pressAlt(L'm');
    EXPECT_EQ(window_->trainer().state(), TrainerState::Editing);
    EXPECT_TRUE(focused(IDC_CLEAR));
}

// --- The two layouts -------------------------------------------------------------------------

constexpr int EditOnly[] = {1039, 1040, 1010, 1011, 1012, 1013, 1014, 1015, 1028, 1044};

TEST_F(MainWindowTest, SwitchingLayoutsGrowsAndShrinksWithTheStatusBarGluedBelow)
{
    int h = statusHeight();
    RECT start = windowRect();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        click(IDC_MODE);
        EXPECT_EQ(clientSize().cy, 503 + h);
        EXPECT_EQ(box(IDC_STATUS), (Box{0, 503, 670, h}));
        for (int id : EditOnly)
            EXPECT_TRUE(visible(id)) << id;
        EXPECT_EQ(textOf(item(IDC_MODE)), L"Test &Mode <<");

        click(IDC_MODE);
        EXPECT_EQ(clientSize().cy, 278 + h);
        EXPECT_EQ(box(IDC_STATUS), (Box{0, 278, 670, h}));
        for (int id : EditOnly)
            EXPECT_FALSE(visible(id)) << id;
        EXPECT_EQ(textOf(item(IDC_MODE)), L"Edit &Mode >>");
        RECT now = windowRect();
        EXPECT_TRUE(EqualRect(&now, &start));
    }
}

TEST_F(MainWindowTest, EditLayoutStaysPutRecentresOrGoesToTheTopByTheWorkArea)
{
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT r = windowRect();
    int width = r.right - r.left, height = r.bottom - r.top, grown = height + 225;

    // Room below: only the height changes.
    SetWindowPos(main_, nullptr, 30, work.top + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    click(IDC_MODE);
    EXPECT_EQ(windowRect().top, work.top + 10);
    EXPECT_EQ(windowRect().left, 30);
    EXPECT_EQ(windowRect().bottom - windowRect().top, grown);
    click(IDC_MODE);

    // No room below, but the work area is tall enough: centred vertically, left edge kept.
    SetWindowPos(main_, nullptr, 30, work.bottom - height - 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    click(IDC_MODE);
    int workHeight = work.bottom - work.top;
    EXPECT_EQ(windowRect().top, work.top + (workHeight - grown) / 2);
    EXPECT_EQ(windowRect().left, 30);
    EXPECT_EQ(windowRect().right - windowRect().left, width);
    click(IDC_MODE);

    // A work area lower than the edit layout: the top goes to 0.
    RECT small{work.left, work.top + 100, work.right, work.top + 100 + grown - 1};
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &small, 0));
    SetWindowPos(main_, nullptr, 30, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    click(IDC_MODE);
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &work, 0);
    EXPECT_EQ(windowRect().top, 0);
    EXPECT_EQ(windowRect().bottom, grown);
}

// --- Driven as a person would, the result window read while open ---------------------------

std::wstring pointsText(int points) { return std::to_wstring(points); }

TEST_F(MainWindowTest, TestRoundsShowAndCountRightWrongAndEmptyAnswers)
{
    click(IDC_NEXT);
    EXPECT_EQ(textOf(item(IDC_NEXT)), L"&Next");
    EXPECT_TRUE(focused(IDC_POINTS));
    type(L"0");
    EXPECT_FALSE(enabled(IDC_CHECK)) << "0 is no answer";
    SetWindowTextW(item(IDC_POINTS), L"");

    // Right, through Enter in the field.
    const int first = total();
    type(pointsText(first));
    EXPECT_TRUE(enabled(IDC_CHECK));
    auto [right, rightLayout] = resultOf([&] { pressEnter(); }, first);
    expectShows(right, rightLayout);
    EXPECT_EQ(right.title, L"OK");
    EXPECT_EQ(textAt(right, 64, 20), L"Right answer!");
    EXPECT_EQ(status(2), L"Score 1:0");
    EXPECT_TRUE(focused(IDC_NEXT));
    EXPECT_FALSE(enabled(IDC_POINTS));
    EXPECT_EQ(textOf(item(IDC_POINTS)), L"");
    EXPECT_EQ(textOf(item(IDC_CHECK)), L"&Calculate");

    // Wrong, through the button.
    click(IDC_NEXT);
    const int second = total();
    type(pointsText(second + 1));
    auto [wrong, wrongLayout] = resultOf([&] { click(IDC_CHECK); }, second + 1);
    expectShows(wrong, wrongLayout);
    EXPECT_EQ(wrong.title, L"ERROR!");
    EXPECT_EQ(textAt(wrong, 64, 20), L"This hand has " + pointsText(second) + L" (not " +
                                         pointsText(second + 1) + L") point(s).");
    EXPECT_EQ(status(2), L"Score 1:1");

    // Enter on an empty field checks with answer 0: counted wrong, shown as no answer.
    click(IDC_NEXT);
    const int third = total();
    EXPECT_TRUE(focused(IDC_POINTS));
    auto [empty, emptyLayout] = resultOf([&] { pressEnter(); });
    expectShows(empty, emptyLayout);
    EXPECT_EQ(empty.title, L"Result");
    EXPECT_EQ(textAt(empty, 64, 20), L"This hand has " + pointsText(third) + L" point(s).");
    EXPECT_EQ(status(2), L"Score 1:2");
    EXPECT_EQ(window_->trainer().state(), TrainerState::TestIdle);

    // Calculating again shows the result and counts nothing.
    auto [again, againLayout] = resultOf([&] { click(IDC_CHECK); });
    EXPECT_EQ(again.title, L"Result");
    EXPECT_EQ(status(2), L"Score 1:2");
}

TEST_F(MainWindowTest, SwitchingToEditModeDropsAPendingAnswer)
{
    click(IDC_NEXT);
    type(L"12");
    click(IDC_MODE);
    EXPECT_EQ(status(2), L"Score 0:0");
    EXPECT_EQ(textOf(item(IDC_POINTS)), L"");
    EXPECT_FALSE(enabled(IDC_POINTS));
    EXPECT_FALSE(enabled(IDC_NEXT));
    EXPECT_TRUE(focused(IDC_CLEAR));

    // Back in test mode the generated hand stays and "Calculate" shows it without counting.
    click(IDC_MODE);
    EXPECT_TRUE(focused(IDC_NEXT));
    EXPECT_EQ(window_->trainer().hand().getTileCount(), 14);
    auto [shown, layout] = resultOf([&] { click(IDC_CHECK); });
    expectShows(shown, layout);
    EXPECT_EQ(shown.title, L"Result");
    EXPECT_EQ(status(2), L"Score 0:0");
}

TEST_F(MainWindowTest, HandBuiltClickByClickIsCompletedAndCalculated)
{
    click(IDC_MODE);
    click(IDC_CLEAR);
    EXPECT_TRUE(checked(IDC_ADD_CONCEALED_TILE));
    click(IDC_ADD_CHOW);
    clickPalette(2);   // 1-2-3 bamboo
    clickPalette(14);  // 4-5-6 characters
    clickPalette(26);  // 7-8-9 dots
    EXPECT_TRUE(checked(IDC_ADD_CHOW)) << "a set mode stays while sets fit";
    click(IDC_ADD_CONCEALED_TILE);
    clickPalette(32);  // red dragons
    clickPalette(32);
    EXPECT_FALSE(enabled(IDC_ADD_CHOW)) << "no fourth set fits";
    clickPalette(32);
    clickPalette(23);  // 5 dots
    EXPECT_TRUE(checked(IDC_ADD_WINNING_TILE));
    clickPalette(23);

    const Hand& hand = window_->trainer().hand();
    EXPECT_EQ(hand.getTileCount(), 14);
    EXPECT_EQ(status(1), L"Define winning tile type and winds (if neccessary)");
    EXPECT_FALSE(enabled(IDC_CHECK)) << "no win source yet";
    EXPECT_TRUE(enabled(IDC_WALL));
    click(IDC_WALL);
    EXPECT_TRUE(enabled(IDC_CHECK));
    auto [shown, layout] = resultOf([&] { click(IDC_CHECK); });
    expectShows(shown, layout);
    EXPECT_EQ(status(1), L"You can construct any arbitrary hand here.");
    EXPECT_EQ(status(2), L"Score 0:0");

    // A click on the winning tile takes it off again, and the palette offers it back.
    clickAt(560 + 30, 99 + 20);
    EXPECT_EQ(hand.getTileCount(), 13);
    EXPECT_TRUE(checked(IDC_ADD_WINNING_TILE));
    EXPECT_FALSE(enabled(IDC_CHECK));
    // Concealed tiles 5d dr dr dr at x = 20, 60, 100, 140: the 3 overlapping pixels belong to
    // the later tile, which is drawn on top.
    clickAt(61, 99 + 20);
    EXPECT_EQ(hand.countConcealed(32), 2);
    EXPECT_EQ(hand.countConcealed(23), 1);
}

// A reading label at x over its tiles: each picture 20 further right, 25 above the label.
void expectSet(const ResultLayout& shown, int x, const wchar_t* label, int width,
               std::initializer_list<TileId> tiles)
{
    SCOPED_TRACE(testing::Message() << "set at " << x);
    const ResultItem labelItem{ResultItemKind::CentredText, x, 156, width, 16, label};
    EXPECT_NE(std::ranges::find(shown.items, labelItem), shown.items.end());
    for (TileId t : tiles) {
        const ResultItem tile{ResultItemKind::Tile, x, 131, 20, 25, {}, {}, t};
        EXPECT_NE(std::ranges::find(shown.items, tile), shown.items.end()) << "tile " << t;
        x += 20;
    }
}

TEST_F(MainWindowTest, EditedHandsShowTheirFansAndReadingInTheResultWindow)
{
    // Chicken Hand: chow 2-3-4b, pung 5c, 2c 3c 6d 7d 8d, pair of east, 1c from a discard.
    build({{IDC_ADD_CHOW, {3}},
           {IDC_ADD_PUNG, {14}},
           {IDC_ADD_CONCEALED_TILE, {11, 12, 24, 25, 26, 28, 28}},
           {KeepMode, {10}}});
    click(IDC_DISCARD);
    auto [chicken, chickenLayout] = resultOf([&] { click(IDC_CHECK); });
    expectShows(chicken, chickenLayout);
    EXPECT_EQ(chicken.title, L"Result");
    EXPECT_EQ(textAt(chicken, 64, 20), L"This hand has 8 point(s).");
    EXPECT_EQ(chicken.clientHeight, 282 + 16) << "one fan row";
    for (auto [x, y, text] : {std::tuple{20, 214, L"43"},
                              {70, 214, L"Chicken Hand"},
                              {320, 214, L"1"},
                              {370, 214, L"8"},
                              {20, 230, L"Total"},
                              {320, 230, L"1"},
                              {370, 230, L"8"},
                              {350, 262, L"OK"}})
        EXPECT_EQ(textAt(chicken, x, y), text) << x << "," << y;

    // A melded kong of 4c with chows 1-2-3b, 6-7-8b, concealed 3d 4d 5d and 9d, won on 9d
    // from the wall: the kong comes last of the four sets, 80 wide over four pictures.
    build({{IDC_ADD_MELDED_KONG, {13}},
           {IDC_ADD_CHOW, {2, 7}},
           {IDC_ADD_CONCEALED_TILE, {21, 22, 23, 27}},
           {KeepMode, {27}}});
    click(IDC_WALL);
    auto [kong, kongLayout] = resultOf([&] { click(IDC_CHECK); });
    expectShows(kong, kongLayout);
    expectSet(kong, 20, L"Chow", 60, {1, 2, 3});
    expectSet(kong, 230, L"Kong", 80, {13, 13, 13, 13});
    expectSet(kong, 320, L"Pair", 40, {27, 27});
    EXPECT_EQ(textAt(kong, 370, 278), L"4") << "melded kong, no honors, single wait, self-drawn";

    // A Knitted Straight with chow 7-8-9c and a pair of east, won on 7c from a discard: three
    // "Knitted" sets, each of three tiles three apart.
    build({{IDC_ADD_CONCEALED_TILE, {1, 4, 7, 11, 14, 17, 17, 18, 21, 24, 27, 28, 28}},
           {KeepMode, {16}}});
    click(IDC_DISCARD);
    auto [knitted, knittedLayout] = resultOf([&] { click(IDC_CHECK); });
    expectShows(knitted, knittedLayout);
    expectSet(knitted, 20, L"Chow", 60, {16, 17, 18});
    expectSet(knitted, 90, L"Knitted", 60, {1, 4, 7});
    expectSet(knitted, 160, L"Knitted", 60, {11, 14, 17});
    expectSet(knitted, 230, L"Knitted", 60, {21, 24, 27});
    EXPECT_EQ(textAt(knitted, 70, 214), L"Knitted Straight");
}

TEST_F(MainWindowTest, InvalidHandIsShownAsAnErrorWithoutCounting)
{
    build({{IDC_ADD_CHOW, {2, 5, 14, 26}}, {IDC_ADD_CONCEALED_TILE, {1}}, {KeepMode, {27}}});
    click(IDC_DISCARD);
    ASSERT_TRUE(enabled(IDC_CHECK));
    auto [shown, layout] = resultOf([&] { click(IDC_CHECK); });
    expectShows(shown, layout);
    EXPECT_EQ(shown.title, L"ERROR!");
    EXPECT_EQ(textAt(shown, 64, 20), L"Invalid hand!");
    EXPECT_EQ(shown.clientHeight, 282);
    EXPECT_EQ(std::ranges::count(shown.items, ResultItemKind::Tile, &ResultItem::kind), 0);
    for (auto [x, text] : {std::pair{20, L"Total"}, {320, L"0"}, {370, L"0"}})
        EXPECT_EQ(textAt(shown, x, 214), text);
    EXPECT_EQ(window_->trainer().state(), TrainerState::Editing);
    EXPECT_EQ(status(2), L"Score 0:0");
}

}  // namespace
}  // namespace fanwright::ui
