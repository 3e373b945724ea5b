// The real main window, created in this process and driven as a person would: button clicks,
// mouse clicks at tile positions, typing and keys through the dialog keyboard handling. Each
// result window it opens is read while open, against its portable layout, and then closed.
#include "ui/main_window.h"
#include "scoring/scoring.h"
#include "ui/app.h"
#include "ui/driver/window_driver.h"
#include "ui/layout.h"
#include "ui/resource_ids.h"
#include "ui/result_layout.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <ranges>
#include <string>
#include <utility>
#include <vector>

namespace fanwright::ui {

inline void PrintTo(const ResultItem& item, std::ostream* out)
{
    *out << "{kind " << static_cast<int>(item.kind) << " at " << item.x << "," << item.y << " "
         << item.width << "x" << item.height << " " << testing::PrintToString(item.text) << " font "
         << static_cast<int>(item.font) << " picture " << item.picture << "}";
}

namespace {

using driver::classOf;
using driver::textOf;

// --- The result window read back into the terms of its portable layout ----------------------

// The colours of a bitmap, or of an icon's colour bitmap, top row first; empty for none.
std::vector<COLORREF> pixelsOf(HANDLE picture, UINT type)
{
    ICONINFO icon{};
    if (type == IMAGE_ICON && GetIconInfo(static_cast<HICON>(picture), &icon))
        picture = icon.hbmColor;
    BITMAP b{};
    std::vector<COLORREF> pixels;
    if (picture != nullptr && GetObjectW(picture, sizeof b, &b) != 0) {
        BITMAPINFOHEADER info{sizeof info, b.bmWidth, -b.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        pixels.resize(static_cast<std::size_t>(b.bmWidth * b.bmHeight));
        HDC dc = GetDC(nullptr);
        GetDIBits(dc, static_cast<HBITMAP>(picture), 0, static_cast<UINT>(b.bmHeight),
                  pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
    }
    DeleteObject(icon.hbmColor);
    DeleteObject(icon.hbmMask);
    return pixels;
}

// Which of the resources `ids` the static shows, told by its pixels, so that a wrong tile or
// icon shows as a wrong number; -1 for none.
int pictureShownBy(HWND control, UINT type, auto ids, int width = 0, int height = 0)
{
    const auto shown =
        pixelsOf(reinterpret_cast<HANDLE>(SendMessageW(control, STM_GETIMAGE, type, 0)), type);
    for (int id : ids) {
        HANDLE loaded = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), type, width,
                                   height, LR_DEFAULTCOLOR);
        const bool same = !shown.empty() && pixelsOf(loaded, type) == shown;
        type == IMAGE_ICON ? DestroyIcon(static_cast<HICON>(loaded)) : DeleteObject(loaded);
        if (same)
            return id;
    }
    return -1;
}

constexpr auto Unknown = static_cast<ResultItemKind>(-1);

// A static by its type; a button only as the default push button with command 1.
ResultItemKind kindOf(HWND control)
{
    const std::wstring name = classOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (_wcsicmp(name.c_str(), L"Button") == 0) {
        const bool ok = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && GetDlgCtrlID(control) == IDOK;
        return ok ? ResultItemKind::OkButton : Unknown;
    }
    if (_wcsicmp(name.c_str(), L"Static") != 0)
        return Unknown;
    switch (style & SS_TYPEMASK) {
    case SS_LEFT: return ResultItemKind::Text;
    case SS_CENTER: return ResultItemKind::CentredText;
    case SS_ICON: return ResultItemKind::Icon;
    case SS_BITMAP: return ResultItemKind::Tile;
    case SS_ETCHEDHORZ: return ResultItemKind::Separator;
    default: return Unknown;
    }
}

ResultItem itemOf(HWND dialog, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    ResultItem item{kindOf(control), r.left, r.top, r.right - r.left, r.bottom - r.top};
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    switch (item.kind) {
    case ResultItemKind::Icon:
        item.picture =
            pictureShownBy(control, IMAGE_ICON, std::array{IDI_PLAIN, IDI_RIGHT, IDI_WRONG},
                           item.width, item.height);
        break;
    case ResultItemKind::Tile:  // by TileId
        item.picture = pictureShownBy(
            control, IMAGE_BITMAP, std::views::iota(IDB_SMALL_TILE_FIRST, IDB_SMALL_TILE_LAST + 1));
        item.picture -= item.picture >= 0 ? IDB_SMALL_TILE_FIRST : 0;
        break;
    case ResultItemKind::Separator: break;
    default:
        item.text = textOf(control);
        item.font = font == app().pointsFont ? FontRole::Points
                    : font == app().boldFont ? FontRole::Bold
                    : font == app().linkFont ? FontRole::Link
                                             : FontRole::Normal;
        break;
    }
    return item;
}

ResultLayout readResultWindow(HWND dialog)
{
    ResultLayout shown;
    shown.title = textOf(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    shown.clientWidth = client.right;
    shown.clientHeight = client.bottom;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        shown.items.push_back(itemOf(dialog, c));
    return shown;
}

// A modal window that no step of the test expects would wait for a person: fail and close it.
void CALLBACK closeUnexpectedModal(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = driver::findDialog();
    if (dialog == nullptr || driver::runningModal())
        return;
    ADD_FAILURE() << "a modal window opened unasked";
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

Rect rectOf(HWND window, HWND relativeTo = nullptr)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

// Every way a person closes the result window.
enum class CloseBy { OkClick, EnterKey, EscapeKey, EscapeCharacter, CloseBox };

void close(HWND dialog, CloseBy how)
{
    switch (how) {
    case CloseBy::OkClick: SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0); break;
    case CloseBy::EnterKey:  // the dialog keyboard handling turns these into commands
    case CloseBy::EscapeKey:
        PostMessageW(GetFocus(), WM_KEYDOWN, how == CloseBy::EnterKey ? VK_RETURN : VK_ESCAPE, 0);
        break;
    case CloseBy::EscapeCharacter: PostMessageW(dialog, WM_CHAR, 27, 0); break;
    case CloseBy::CloseBox: PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
}

// In a building step: the add mode the last click left, such as the winning tile's after 13.
constexpr int KeepMode = 0;

class MainWindowTest : public testing::Test, public driver::WindowDriver {
protected:
    static void SetUpTestSuite() { driver::startLikeTheProgram(); }

    void SetUp() override
    {
        window_ = std::make_unique<MainWindow>();
        ASSERT_NE(openMain(*window_), nullptr);
        guard_ = SetTimer(nullptr, 0, 200, closeUnexpectedModal);
        pump();
    }

    void TearDown() override
    {
        KillTimer(nullptr, guard_);
        DestroyWindow(main_);
        pump();  // and the quit message the window posted
    }

    // Does what opens the result window, reads the window while it is open, closes it `how`, and
    // expects it to show the layout the trainer's hand gives for `answer`.
    ResultLayout expectResult(const std::function<void()>& action, int answer, CloseBy how)
    {
        ResultLayout shown;
        RECT outer{}, work;
        EXPECT_TRUE(driver::runModal(action, {[&](HWND dialog) {
                                         shown = readResultWindow(dialog);
                                         GetWindowRect(dialog, &outer);
                                         EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
                                         close(dialog, how);
                                     }}))
            << "the result window opened and closed";
        ScoreResult result;
        const int points = total(result);
        const ResultLayout expected = layoutResult(answer, points, result);
        EXPECT_EQ(shown.title, expected.title);
        EXPECT_EQ(shown.clientWidth, expected.clientWidth);
        EXPECT_EQ(shown.clientHeight, expected.clientHeight);
        EXPECT_EQ(shown.items, expected.items);
        // The client size plus the dialog frame and caption, centred in the work area.
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const LONG width = shown.clientWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME);
        const LONG height = shown.clientHeight + 2 * GetSystemMetrics(SM_CYDLGFRAME) +
                            GetSystemMetrics(SM_CYCAPTION);
        const LONG left = work.left + (work.right - work.left - width) / 2;
        const LONG top = work.top + (work.bottom - work.top - height) / 2;
        EXPECT_EQ((std::array{outer.left, outer.top, outer.right, outer.bottom}),
                  (std::array{left, top, left + width, top + height}));
        return shown;
    }

    // Edit mode, an empty hand, then each add mode with the palette tiles clicked in it.
    void build(const std::vector<std::pair<int, std::vector<TileId>>>& steps)
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

    void typePoints(const std::wstring& digits) { type(digits, IDC_POINTS); }

    int total(ScoreResult& result)
    {
        Hand hand = window_->trainer().hand();
        return scoreHand(hand, result);
    }

    Rect box(int id) const { return rectOf(item(id), main_); }
    int statusHeight() const { return box(IDC_STATUS).bottom - box(IDC_STATUS).top; }
    int clientHeight() const
    {
        RECT r;
        GetClientRect(main_, &r);
        return r.bottom;
    }

    std::wstring status(int part) const
    {
        wchar_t buffer[256] = {};
        SendMessageW(item(IDC_STATUS), SB_GETTEXTW, static_cast<WPARAM>(part),
                     reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }

    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    bool visible(int id) const { return IsWindowVisible(item(id)) != FALSE; }
    bool focused(int id) const { return GetFocus() == item(id); }

    std::unique_ptr<MainWindow> window_;
    UINT_PTR guard_ = 0;
};

// --- As created ------------------------------------------------------------------------------

enum : DWORD { Hidden = 1, Disabled = 2 };
constexpr DWORD GroupStop = WS_GROUP | WS_TABSTOP;

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* caption;
    Rect box;
    DWORD style;  // the control's own style bits with WS_GROUP and WS_TABSTOP
    DWORD state;
    HFONT App::*font;
};

// clang-format off
const ExpectedControl Expected[] = {
    {1036, L"Static", L"Declared Sets", {20, 73, 220, 93}, SS_LEFT, 0, &App::boldFont},
    {1037, L"Static", L"Tiles in Hand", {20, 153, 220, 173}, SS_LEFT, 0, &App::boldFont},
    {1038, L"Static", L"Winning Tile", {560, 153, 650, 173}, SS_LEFT, 0, &App::boldFont},
    {1003, L"Button", L"Last Tile in &Game", {20, 180, 140, 200}, BS_AUTOCHECKBOX, Disabled, &App::normalFont},
    {1004, L"Button", L"Last Tile of its &Kind", {20, 200, 140, 220}, BS_AUTOCHECKBOX, Disabled, &App::normalFont},
    {1005, L"Button", L"Re&placement Tile", {20, 220, 140, 240}, BS_AUTOCHECKBOX, Disabled, &App::normalFont},
    {1006, L"Button", L"Ro&bbing the Kong", {20, 240, 140, 260}, BS_AUTOCHECKBOX, Disabled, &App::normalFont},
    {1025, L"Static", L"&Prevalent Wind", {160, 235, 260, 255}, SS_CENTER, Disabled, &App::normalFont},
    {1016, L"Button", L"3", {165, 190, 185, 220}, BS_PUSHBUTTON | GroupStop, Disabled, &App::arrowFont},
    {1017, L"Button", L"4", {235, 190, 255, 220}, BS_PUSHBUTTON | WS_TABSTOP, Disabled, &App::arrowFont},
    {1041, L"Static", L"", {190, 180, 233, 233}, SS_ICON, 0, nullptr},
    {1026, L"Static", L"Sea&t Wind", {280, 235, 380, 255}, SS_CENTER, Disabled, &App::normalFont},
    {1020, L"Button", L"3", {285, 190, 305, 220}, BS_PUSHBUTTON | GroupStop, Disabled, &App::arrowFont},
    {1021, L"Button", L"4", {355, 190, 375, 220}, BS_PUSHBUTTON | WS_TABSTOP, Disabled, &App::arrowFont},
    {1042, L"Static", L"", {310, 180, 353, 233}, SS_ICON, 0, nullptr},
    {1001, L"Button", L"&Wall", {610, 105, 650, 125}, BS_AUTORADIOBUTTON | GroupStop, Disabled, &App::normalFont},
    {1002, L"Button", L"&Disc.", {610, 125, 650, 145}, BS_AUTORADIOBUTTON | WS_TABSTOP, Disabled, &App::normalFont},
    {1027, L"Button", L"&New", {400, 180, 470, 205}, BS_DEFPUSHBUTTON | GroupStop, 0, &App::boldFont},
    {1033, L"Edit", L"", {480, 180, 540, 205}, ES_NUMBER | ES_CENTER | WS_TABSTOP, Disabled, &App::pointsFont},
    {1034, L"msctls_updown32", L"Spin1", {470, 180, 530, 205},
     UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, nullptr},
    {1009, L"Button", L"&Check", {560, 180, 650, 205}, BS_PUSHBUTTON | WS_TABSTOP, Disabled, &App::normalFont},
    {1032, L"Button", L"Edit &Mode >>", {400, 235, 540, 260}, BS_PUSHBUTTON | WS_TABSTOP, 0, &App::normalFont},
    {1029, L"Button", L"", {560, 215, 605, 260}, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0, nullptr},
    {1031, L"Button", L"", {605, 215, 650, 260}, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0, nullptr},
    {1039, L"Static", L"", {400, 280, 650, 380}, SS_LEFT, Hidden, nullptr},
    {1040, L"Button", L" Add to hand: ", {400, 280, 650, 380}, BS_GROUPBOX | WS_TABSTOP, Hidden, &App::normalFont},
    {1010, L"Button", L"C&how", {420, 300, 470, 320}, BS_AUTORADIOBUTTON | GroupStop, Hidden, &App::normalFont},
    {1011, L"Button", L"&Pung", {420, 320, 470, 340}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1012, L"Button", L"Melded &Kong", {535, 300, 620, 320}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1013, L"Button", L"&Concealed Kong", {535, 320, 635, 340}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1014, L"Button", L"Concealed &Tile", {420, 350, 510, 370}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1015, L"Button", L"&Winning Tile", {535, 350, 625, 370}, BS_AUTORADIOBUTTON | WS_TABSTOP, Hidden, &App::normalFont},
    {1028, L"Button", L"Clea&r", {400, 390, 470, 415}, BS_PUSHBUTTON | GroupStop, Hidden, &App::normalFont},
    {1044, L"Static", L"", {360, 440, 660, 500}, SS_ICON | SS_NOTIFY, Hidden, nullptr},
};
// clang-format on

const std::pair<int, const wchar_t*> Tips[] = {{1027, L"Generate new random hand"},
                                               {1033, L"Enter points here"},
                                               {1032, L"Switch between test & edit mode"},
                                               {1009, L"Calculate number of points in the hand"},
                                               {1029, L"Save hand to log-file"},
                                               {1031, L"Open settings dialog"},
                                               {1028, L"Clear entire hand"},
                                               {1044, L"About Fanwright\u2026"},
                                               {1010, L"Add a Chow (click middle rank tile)"}};

TEST_F(MainWindowTest, ControlsTipsAndPicturesAsCreated)
{
    HWND child = GetWindow(main_, GW_CHILD);
    for (const ExpectedControl& c : Expected) {
        SCOPED_TRACE(c.id);
        ASSERT_EQ(GetDlgCtrlID(child), c.id) << "creation order";
        child = GetWindow(child, GW_HWNDNEXT);
        HWND control = item(c.id);
        EXPECT_EQ(_wcsicmp(classOf(control).c_str(), c.className), 0) << classOf(control).c_str();
        EXPECT_EQ(textOf(control), c.caption);
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & (0xFFFF | GroupStop), c.style);
        EXPECT_EQ(visible(c.id), (c.state & Hidden) == 0);
        EXPECT_EQ(enabled(c.id), (c.state & Disabled) == 0);
        if (c.font != nullptr) {
            EXPECT_EQ(SendMessageW(control, WM_GETFONT, 0, 0),
                      reinterpret_cast<LRESULT>(app().*c.font));
        }
        if (c.id != IDC_POINTS && c.id != IDC_POINTS_SPIN) {
            EXPECT_EQ(box(c.id), c.box);
        }
    }
    EXPECT_EQ(GetDlgCtrlID(child), IDC_STATUS) << "the status bar comes last";
    // The up-down takes the right end of its buddy, over the buddy's sunken edge.
    const Rect field = box(IDC_POINTS), arrows = box(IDC_POINTS_SPIN);
    EXPECT_EQ((std::array{field.left, field.top, field.bottom}), (std::array{480, 180, 205}));
    EXPECT_NEAR(field.right, arrows.left, 2);
    EXPECT_NEAR(arrows.right, 540, 2);
    HWND spin = item(IDC_POINTS_SPIN);
    EXPECT_EQ(SendMessageW(spin, UDM_GETBUDDY, 0, 0), reinterpret_cast<LRESULT>(item(IDC_POINTS)));
    EXPECT_EQ(SendMessageW(spin, UDM_GETBASE, 0, 0), 10);
    EXPECT_EQ(SendMessageW(spin, UDM_GETRANGE, 0, 0), MAKELONG(200, 0));
    for (int id : {IDC_PREVALENT_BOX, IDC_SEAT_BOX, IDC_BANNER})
        EXPECT_NE(SendMessageW(item(id), STM_GETICON, 0, 0), 0) << id;
    for (int id : {IDC_SAVE, IDC_SETTINGS})
        EXPECT_NE(SendMessageW(item(id), BM_GETIMAGE, IMAGE_ICON, 0), 0) << id;
    EXPECT_NE(GetWindowLongW(item(1040), GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY, 0);
    EXPECT_NE(GetWindowLongW(item(1033), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);

    // The one tooltip control of this thread.
    HWND tips = driver::threadWindow([](HWND w) { return classOf(w) == TOOLTIPS_CLASSW; });
    ASSERT_NE(tips, nullptr);
    const LONG tipStyle = TTS_ALWAYSTIP | TTS_NOPREFIX;
    EXPECT_EQ(GetWindowLongW(tips, GWL_STYLE) & tipStyle, tipStyle);
    EXPECT_EQ(SendMessageW(tips, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 300);
    EXPECT_EQ(SendMessageW(tips, TTM_GETMAXTIPWIDTH, 0, 0), 200);
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 9);
    for (const auto& [id, text] : Tips) {
        const auto tool = reinterpret_cast<UINT_PTR>(item(id));
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = main_;
        info.uId = tool;
        ASSERT_TRUE(SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) << id;
        EXPECT_EQ(info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), TTF_IDISHWND | TTF_SUBCLASS);
        EXPECT_EQ(driver::toolTipOf(tips, main_, tool).text, text);
    }
}

TEST_F(MainWindowTest, WindowStatusBarAndKeyboardAsStarted)
{
    EXPECT_EQ(classOf(main_), L"DazUrevEzi");
    EXPECT_EQ(textOf(main_), L"Fanwright version 1.0");
    EXPECT_EQ(GetClassLongPtrW(main_, GCL_CBWNDEXTRA), ULONG_PTR{30});
    EXPECT_EQ(GetClassLongPtrW(main_, GCL_STYLE), ULONG_PTR{0});
    const LONG style = GetWindowLongW(main_, GWL_STYLE);
    const LONG wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    EXPECT_EQ(style & (wanted | WS_THICKFRAME | WS_MAXIMIZEBOX), wanted);
    EXPECT_NE(GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    // The controls, the status bar glued below them, centred in the work area with it.
    const int h = statusHeight();
    EXPECT_EQ(box(IDC_STATUS), (Rect{0, TestLayoutHeight, ClientWidth, TestLayoutHeight + h}));
    EXPECT_EQ(clientHeight(), 278 + h);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const Rect centred = initialWindowRect(
        GetSystemMetrics(SM_CXFIXEDFRAME), GetSystemMetrics(SM_CYFIXEDFRAME),
        GetSystemMetrics(SM_CYCAPTION), {work.left, work.top, work.right, work.bottom});
    EXPECT_EQ(rectOf(main_), windowWithStatusBar(centred, h));

    std::array<int, 3> edges{};
    EXPECT_EQ(SendMessageW(item(IDC_STATUS), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(&edges)), 3);
    EXPECT_EQ(edges, statusBarPartEdges(ClientWidth));
    EXPECT_EQ(status(0) + L"|" + status(1) + L"|" + status(2), L"|Welcome to Fanwright!|Score 0:0");

    // Tab runs through the enabled, visible tab stops in creation order; Escape does nothing;
    // Alt and a mnemonic click its button.
    EXPECT_TRUE(focused(IDC_NEXT));
    HWND at = item(IDC_NEXT);
    for (int id : {IDC_MODE, IDC_SAVE, IDC_SETTINGS, IDC_NEXT}) {
        at = GetNextDlgTabItem(main_, at, FALSE);
        EXPECT_EQ(GetDlgCtrlID(at), id);
    }
    pressKey(VK_TAB);
    EXPECT_TRUE(focused(IDC_MODE));
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(main_));
    EXPECT_FALSE(window_->trainer().editMode());
    pressAlt(L'm');
    EXPECT_TRUE(window_->trainer().editMode());
    EXPECT_TRUE(focused(IDC_CLEAR));
}

// --- The two layouts -------------------------------------------------------------------------

TEST_F(MainWindowTest, SwitchingLayoutsKeepsTheStatusBarGluedBelowAndTheWindowInPlace)
{
    const int h = statusHeight();
    const Rect start = rectOf(main_);
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        click(IDC_MODE);
        const bool edit = round % 2 == 0;
        const int controlsHeight = edit ? TestLayoutHeight + EditLayoutGrowth : TestLayoutHeight;
        EXPECT_EQ(clientHeight(), controlsHeight + h);
        EXPECT_EQ(box(IDC_STATUS), (Rect{0, controlsHeight, ClientWidth, controlsHeight + h}));
        for (const ExpectedControl& c : Expected) {
            if (c.state & Hidden) {
                EXPECT_EQ(visible(c.id), edit) << c.id;
            }
        }
        EXPECT_EQ(textOf(item(IDC_MODE)), edit ? L"Test &Mode <<" : L"Edit &Mode >>");
    }
    EXPECT_EQ(rectOf(main_), start);
}

TEST_F(MainWindowTest, EditLayoutMovesOnlyWhenTheWorkAreaAsksIt)
{
    RECT area, smaller;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const Rect before = rectOf(main_);  // a work area too short for the edit layout
    smaller = {area.left, before.top - 10, area.right, before.bottom + EditLayoutGrowth - 20};
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETWORKAREA, 0, &smaller, 0));
    click(IDC_MODE);
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &area, 0);
    EXPECT_EQ(rectOf(main_), editLayoutWindowRect(before, {smaller.left, smaller.top, smaller.right,
                                                           smaller.bottom}));
    EXPECT_NE(rectOf(main_).top, before.top);
}

// --- Driven as a person would, the result window read while open ---------------------------

TEST_F(MainWindowTest, TestRoundsShowAndCountRightWrongAndEmptyAnswers)
{
    click(IDC_NEXT);
    EXPECT_EQ(textOf(item(IDC_NEXT)), L"&Next");
    EXPECT_TRUE(focused(IDC_POINTS));
    typePoints(L"0");
    EXPECT_FALSE(enabled(IDC_CHECK)) << "0 is no answer";
    SetWindowTextW(item(IDC_POINTS), L"");

    ScoreResult result;
    const int right = total(result);  // through Enter in the field
    typePoints(std::to_wstring(right));
    EXPECT_TRUE(enabled(IDC_CHECK));
    EXPECT_EQ(expectResult([&] { pressKey(VK_RETURN); }, right, CloseBy::EnterKey).title, L"OK");
    EXPECT_EQ(status(2), L"Score 1:0");
    EXPECT_TRUE(focused(IDC_NEXT));
    EXPECT_FALSE(enabled(IDC_POINTS));
    EXPECT_EQ(textOf(item(IDC_POINTS)), L"");
    EXPECT_EQ(textOf(item(IDC_CHECK)), L"&Calculate");

    click(IDC_NEXT);  // wrong, through the button
    const int wrong = total(result) + 1;
    typePoints(std::to_wstring(wrong));
    expectResult([&] { click(IDC_CHECK); }, wrong, CloseBy::EscapeKey);
    EXPECT_EQ(status(2), L"Score 1:1");

    click(IDC_NEXT);  // Enter on an empty field: counted wrong, shown as no answer
    EXPECT_TRUE(focused(IDC_POINTS));
    expectResult([&] { pressKey(VK_RETURN); }, 0, CloseBy::EscapeCharacter);
    EXPECT_EQ(status(2), L"Score 1:2");

    expectResult([&] { click(IDC_CHECK); }, 0, CloseBy::CloseBox);  // again: nothing counted
    EXPECT_EQ(status(2), L"Score 1:2");
}

TEST_F(MainWindowTest, EditedHandsShowTheirFansAndReadingInTheResultWindow)
{
    const struct {
        std::string built;     // the hand the clicks make
        const wchar_t* shows;  // a text the result window must hold
        int winSource;
        CloseBy closeBy;
        std::vector<std::pair<int, std::vector<TileId>>> steps;
    } rows[] = {
        // clang-format off
        {"ch3bpu5c2c3c6d7d8dwewe1cffffememd", L"Chicken Hand", IDC_DISCARD, CloseBy::EscapeKey,
         {{IDC_ADD_CHOW, {3}}, {IDC_ADD_PUNG, {14}},
          {IDC_ADD_CONCEALED_TILE, {11, 12, 24, 25, 26, 28, 28}}, {KeepMode, {10}}}},
        // The melded kong comes last of the four sets, 80 wide over four pictures.
        {"mk4cch2bch7b3d4d5d9d9dffffememw", L"Kong", IDC_WALL, CloseBy::EscapeCharacter,
         {{IDC_ADD_MELDED_KONG, {13}}, {IDC_ADD_CHOW, {2, 7}},
          {IDC_ADD_CONCEALED_TILE, {21, 22, 23, 27}}, {KeepMode, {27}}}},
        {"1b4b7b2c5c8c8c9c3d6d9dwewe7cffffememd", L"Knitted Straight", IDC_DISCARD, CloseBy::CloseBox,
         {{IDC_ADD_CONCEALED_TILE, {1, 4, 7, 11, 14, 17, 17, 18, 21, 24, 27, 28, 28}},
          {KeepMode, {16}}}},
        // Four chows and no pair: no reading, no pictures, a zero total, nothing counted.
        {"ch2bch5bch5cch8d1b9dffffememd", L"Invalid hand!", IDC_DISCARD, CloseBy::OkClick,
         {{IDC_ADD_CHOW, {2, 5, 14, 26}}, {IDC_ADD_CONCEALED_TILE, {1}}, {KeepMode, {27}}}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shows);
        build(row.steps);
        click(row.winSource);
        EXPECT_EQ(std::string(window_->trainer().hand().toLogText()), row.built);
        ASSERT_TRUE(enabled(IDC_CHECK));
        const ResultLayout shown = expectResult([&] { click(IDC_CHECK); }, 0, row.closeBy);
        EXPECT_TRUE(std::ranges::any_of(shown.items,
                                        [&](const ResultItem& i) { return i.text == row.shows; }));
        EXPECT_TRUE(window_->trainer().editMode());
        EXPECT_EQ(status(2), L"Score 0:0");
    }
    clickAt(590, 119);  // on the winning tile: taken off the painted hand again
    EXPECT_EQ(window_->trainer().hand().getTileCount(), 13);
}

}  // namespace
}  // namespace fanwright::ui
