#include "ui/controls.h"

#include "ui/app.h"
#include "ui/layout.h"
#include "ui/texts.h"

#include <commctrl.h>

namespace fanwright::ui {
namespace {

enum class Font { None, Normal, Bold, Points, Arrow };

struct ControlRow {
    int id;
    const wchar_t* className;
    const wchar_t* caption;
    int x, y, width, height;
    DWORD style;  // besides WS_CHILD; WS_VISIBLE unless hidden at creation
    DWORD exStyle;
    Font font;
};

constexpr DWORD Shown = WS_VISIBLE;
constexpr DWORD Group = WS_GROUP | WS_TABSTOP;
constexpr DWORD Radio = BS_AUTORADIOBUTTON;
constexpr const wchar_t* Static = L"Static";
constexpr const wchar_t* Button = L"Button";

// clang-format off
constexpr ControlRow Controls[] = {
    {IDC_DECLARED_LABEL, Static, text::DeclaredSetsLabel, 20, 73, 200, 20, Shown | SS_LEFT, 0, Font::Bold},
    {IDC_CONCEALED_LABEL, Static, text::TilesInHandLabel, 20, 153, 200, 20, Shown | SS_LEFT, 0, Font::Bold},
    {IDC_WINNING_LABEL, Static, text::WinningTileLabel, 560, 153, 90, 20, Shown | SS_LEFT, 0, Font::Bold},
    {IDC_LAST_TILE_IN_GAME, Button, text::LastTileInGameBox, 20, 180, 120, 20, Shown | BS_AUTOCHECKBOX | WS_DISABLED, 0, Font::Normal},
    {IDC_LAST_TILE_OF_KIND, Button, text::LastTileOfKindBox, 20, 200, 120, 20, Shown | BS_AUTOCHECKBOX | WS_DISABLED, 0, Font::Normal},
    {IDC_REPLACEMENT_TILE, Button, text::ReplacementTileBox, 20, 220, 120, 20, Shown | BS_AUTOCHECKBOX | WS_DISABLED, 0, Font::Normal},
    {IDC_ROBBING_THE_KONG, Button, text::RobbingTheKongBox, 20, 240, 120, 20, Shown | BS_AUTOCHECKBOX | WS_DISABLED, 0, Font::Normal},
    {IDC_PREVALENT_LABEL, Static, text::PrevalentWindLabel, 160, 235, 100, 20, Shown | SS_CENTER | WS_DISABLED, 0, Font::Normal},
    {IDC_PREVALENT_PREVIOUS, Button, text::PreviousArrow, 165, 190, 20, 30, Shown | BS_PUSHBUTTON | Group | WS_DISABLED, 0, Font::Arrow},
    {IDC_PREVALENT_NEXT, Button, text::NextArrow, 235, 190, 20, 30, Shown | BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, Font::Arrow},
    {IDC_PREVALENT_BOX, Static, L"", 190, 180, 43, 53, Shown | SS_ICON, 0, Font::None},
    {IDC_SEAT_LABEL, Static, text::SeatWindLabel, 280, 235, 100, 20, Shown | SS_CENTER | WS_DISABLED, 0, Font::Normal},
    {IDC_SEAT_PREVIOUS, Button, text::PreviousArrow, 285, 190, 20, 30, Shown | BS_PUSHBUTTON | Group | WS_DISABLED, 0, Font::Arrow},
    {IDC_SEAT_NEXT, Button, text::NextArrow, 355, 190, 20, 30, Shown | BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, Font::Arrow},
    {IDC_SEAT_BOX, Static, L"", 310, 180, 43, 53, Shown | SS_ICON, 0, Font::None},
    {IDC_WALL, Button, text::WallRadio, 610, 105, 40, 20, Shown | Radio | Group | WS_DISABLED, 0, Font::Normal},
    {IDC_DISCARD, Button, text::DiscardRadio, 610, 125, 40, 20, Shown | Radio | WS_TABSTOP | WS_DISABLED, 0, Font::Normal},
    {IDC_NEXT, Button, text::NewButton, 400, 180, 70, 25, Shown | BS_DEFPUSHBUTTON | Group, 0, Font::Bold},
    {IDC_POINTS, L"Edit", L"", 480, 180, 60, 25, Shown | ES_NUMBER | ES_CENTER | WS_TABSTOP | WS_DISABLED, WS_EX_CLIENTEDGE, Font::Points},
    {IDC_POINTS_SPIN, UPDOWN_CLASSW, text::SpinCaption, 470, 180, 60, 25,
     Shown | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, Font::None},
    {IDC_CHECK, Button, text::CheckButton, 560, 180, 90, 25, Shown | BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, Font::Normal},
    {IDC_MODE, Button, text::EditModeButton, 400, 235, 140, 25, Shown | BS_PUSHBUTTON | WS_TABSTOP, 0, Font::Normal},
    {IDC_SAVE, Button, L"", 560, 215, 45, 45, Shown | BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0, Font::None},
    {IDC_SETTINGS, Button, L"", 605, 215, 45, 45, Shown | BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0, Font::None},
    {IDC_ADD_BACKGROUND, Static, L"", 400, 280, 250, 100, SS_LEFT, 0, Font::None},
    {IDC_ADD_GROUP, Button, text::AddToHandGroup, 400, 280, 250, 100, BS_GROUPBOX | WS_TABSTOP, WS_EX_NOPARENTNOTIFY, Font::Normal},
    {IDC_ADD_CHOW, Button, text::ChowRadio, 420, 300, 50, 20, Radio | Group, 0, Font::Normal},
    {IDC_ADD_PUNG, Button, text::PungRadio, 420, 320, 50, 20, Radio | WS_TABSTOP, 0, Font::Normal},
    {IDC_ADD_MELDED_KONG, Button, text::MeldedKongRadio, 535, 300, 85, 20, Radio | WS_TABSTOP, 0, Font::Normal},
    {IDC_ADD_CONCEALED_KONG, Button, text::ConcealedKongRadio, 535, 320, 100, 20, Radio | WS_TABSTOP, 0, Font::Normal},
    {IDC_ADD_CONCEALED_TILE, Button, text::ConcealedTileRadio, 420, 350, 90, 20, Radio | WS_TABSTOP, 0, Font::Normal},
    {IDC_ADD_WINNING_TILE, Button, text::WinningTileRadio, 535, 350, 90, 20, Radio | WS_TABSTOP, 0, Font::Normal},
    {IDC_CLEAR, Button, text::ClearButton, 400, 390, 70, 25, BS_PUSHBUTTON | Group, 0, Font::Normal},
    {IDC_BANNER, Static, L"", 360, 440, 300, 60, SS_ICON | SS_NOTIFY, 0, Font::None},
};
// clang-format on

HFONT fontOf(Font font)
{
    const App& a = app();
    switch (font) {
    case Font::Normal: return a.normalFont;
    case Font::Bold: return a.boldFont;
    case Font::Points: return a.pointsFont;
    case Font::Arrow: return a.arrowFont;
    case Font::None: break;
    }
    return nullptr;
}

HWND createControl(HWND parent, const ControlRow& c)
{
    HWND control = CreateWindowExW(
        c.exStyle, c.className, c.caption, WS_CHILD | c.style, c.x, c.y, c.width, c.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), app().instance, nullptr);
    if (c.font != Font::None)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(c.font)), FALSE);
    return control;
}

void setButtonIcon(HWND parent, int id, int icon)
{
    SendDlgItemMessageW(
        parent, id, BM_SETIMAGE, IMAGE_ICON,
        reinterpret_cast<LPARAM>(LoadIconW(app().instance, MAKEINTRESOURCEW(icon))));
}

HWND createStatusControl(HWND parent)
{
    return CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS)),
                           app().instance, nullptr);
}

int heightOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

}  // namespace

void createControls(HWND parent, const TileImages& images)
{
    for (const ControlRow& row : Controls)
        createControl(parent, row);
    SendDlgItemMessageW(parent, IDC_POINTS_SPIN, UDM_SETBASE, 10, 0);
    SendDlgItemMessageW(parent, IDC_POINTS_SPIN, UDM_SETRANGE32, 0, 200);
    SetDlgItemTextW(parent, IDC_POINTS, L"");
    setButtonIcon(parent, IDC_SAVE, IDI_SAVE_GREY);
    setButtonIcon(parent, IDC_SETTINGS, IDI_TOOLS);
    showImageIcon(GetDlgItem(parent, IDC_PREVALENT_BOX), images.tiles, 0);
    showImageIcon(GetDlgItem(parent, IDC_SEAT_BOX), images.tiles, 0);
    showImageIcon(GetDlgItem(parent, IDC_BANNER), images.banner, 0);
}

HWND createStatusBar(HWND parent)
{
    HWND probe = createStatusControl(parent);
    int height = heightOf(probe);
    DestroyWindow(probe);

    RECT w;
    GetWindowRect(parent, &w);
    Rect grown = windowWithStatusBar({w.left, w.top, w.right, w.bottom}, height);
    SetWindowPos(parent, nullptr, grown.left, grown.top, grown.right - grown.left,
                 grown.bottom - grown.top, SWP_NOZORDER | SWP_NOACTIVATE);

    HWND status = createStatusControl(parent);
    RECT client;
    GetClientRect(parent, &client);
    std::array<int, 3> parts = statusBarPartEdges(client.right);
    SendMessageW(status, SB_SETPARTS, parts.size(), reinterpret_cast<LPARAM>(parts.data()));
    return status;
}

HWND createTooltips(HWND parent)
{
    HWND tips = CreateWindowExW(
        0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, app().instance, nullptr);
    SendMessageW(tips, TTM_SETDELAYTIME, TTDT_AUTOMATIC, 300);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 200);

    struct Tip {
        int id;
        const wchar_t* text;
    };
    constexpr Tip Tips[] = {{IDC_NEXT, text::NewTip},     {IDC_POINTS, text::PointsTip},
                            {IDC_MODE, text::ModeTip},    {IDC_CHECK, text::CheckTip},
                            {IDC_SAVE, text::SaveTip},    {IDC_SETTINGS, text::SettingsTip},
                            {IDC_CLEAR, text::ClearTip},  {IDC_BANNER, text::AboutTip},
                            {IDC_ADD_CHOW, text::ChowTip}};
    for (const Tip& tip : Tips) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = parent;
        info.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(parent, tip.id));
        info.lpszText = const_cast<wchar_t*>(tip.text);
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    return tips;
}

}  // namespace fanwright::ui
