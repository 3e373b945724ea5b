#include "ui/fan_reference.h"

#include "ui/app.h"
#include "ui/dialog_base.h"
#include "ui/fan_reference_model.h"
#include "ui/item_painter.h"
#include "ui/resource_ids.h"
#include "ui/texts.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace fanwright::ui {
namespace {

constexpr int ClientWidth = 744;
constexpr int ClientHeight = 400;
constexpr int PaneX = 312;  // the selected fan's side
constexpr int PaneWidth = 420;
constexpr int ExampleTilesY = 118;
constexpr RECT ExampleArea{PaneX, ExampleTilesY, PaneX + PaneWidth, ExampleTilesY + 25 + 16};
constexpr int NumberColumn = 40;
constexpr int PointsColumn = 44;

struct ControlRow {
    int id;
    const wchar_t* className;
    const wchar_t* caption;
    int x, y, width, height;
    DWORD style;  // besides WS_CHILD | WS_VISIBLE
    DWORD exStyle;
    FontRole font;
};

constexpr DWORD List = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP;
constexpr DWORD Label = SS_LEFT | SS_NOPREFIX;
constexpr const wchar_t* Static = L"Static";
constexpr FontRole Normal = FontRole::Normal;

// clang-format off
constexpr ControlRow Controls[] = {
    {IDC_REFERENCE_LIST, WC_LISTVIEWW, L"", 12, 12, 284, 376, List | WS_GROUP, WS_EX_CLIENTEDGE, Normal},
    {IDC_REFERENCE_NAME, Static, L"", PaneX, 12, PaneWidth, 24, Label, 0, FontRole::Points},
    {IDC_REFERENCE_POINTS, Static, L"", PaneX, 38, PaneWidth, 16, Label, 0, Normal},
    {IDC_REFERENCE_RULE, Static, L"", PaneX, 56, PaneWidth, 32, Label, 0, Normal},
    {-1, Static, L"", PaneX, 94, PaneWidth, 2, SS_ETCHEDHORZ, 0, Normal},
    {IDC_REFERENCE_EXAMPLE, Static, text::ReferenceExample, PaneX, 98, PaneWidth, 16, Label, 0, FontRole::Bold},
    {IDC_REFERENCE_WON, Static, L"", PaneX, 163, PaneWidth, 16, Label, 0, Normal},
    {IDC_REFERENCE_SCORES, Static, L"", PaneX, 181, PaneWidth, 32, Label, 0, Normal},
    {-1, Static, L"", PaneX, 221, PaneWidth, 2, SS_ETCHEDHORZ, 0, Normal},
    {IDC_REFERENCE_NEVER_LABEL, Static, L"", PaneX, 225, PaneWidth, 16, Label, 0, FontRole::Bold},
    {IDC_REFERENCE_NEVER, WC_LISTVIEWW, L"", PaneX, 243, PaneWidth, 145, List, WS_EX_CLIENTEDGE, Normal},
};
// clang-format on

const std::vector<FanRow>& rows()
{
    static const std::vector<FanRow> all = fanReferenceRows();
    return all;
}

HWND createControl(HWND parent, const ControlRow& c)
{
    HWND control = CreateWindowExW(c.exStyle, c.className, c.caption,
                                   WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.width, c.height,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                   app().instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c.font)), FALSE);
    if (c.style == SS_ETCHEDHORZ)  // an etched line widens itself by its edge; keep the width
        SetWindowPos(control, nullptr, 0, 0, c.width, c.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return control;
}

// The columns No, Name and Points; the name takes what the numbers and the scroll bar leave.
void addColumns(HWND list)
{
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(list, &client);
    const int nameWidth =
        client.right - NumberColumn - PointsColumn - GetSystemMetrics(SM_CXVSCROLL);
    const wchar_t* titles[] = {text::ReferenceNumberColumn, text::ReferenceNameColumn,
                               text::ReferencePointsColumn};
    const int widths[] = {NumberColumn, nameWidth, PointsColumn};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(titles[i]);
        column.cx = widths[i];
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
}

// One row per fan, its number kept as the row's parameter.
void fillRows(HWND list, const std::vector<int>& fans)
{
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < static_cast<int>(fans.size()); ++row) {
        const FanRow& fan =
            rows()[static_cast<std::size_t>(fans[static_cast<std::size_t>(row)] - 1)];
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(fan.number.c_str());
        item.lParam = fan.fan;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        const std::wstring* columns[] = {&fan.name, &fan.points};
        for (int c = 1; c <= 2; ++c) {
            item.iSubItem = c;
            item.pszText = const_cast<wchar_t*>(columns[c - 1]->c_str());
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
        }
    }
}

// Scrolls the list so that `row` sits in its middle, when it is out of sight or at an edge.
void showInMiddle(HWND list, int row)
{
    constexpr int Edge = 2;  // rows
    const auto top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    const auto perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    if (row >= top + Edge && row < top + perPage - Edge)
        return;
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(top), reinterpret_cast<LPARAM>(&r));
    SendMessageW(list, LVM_SCROLL, 0, (row - top - perPage / 2) * (r.bottom - r.top));
}

int selectedFan(HWND list)
{
    const auto row = static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return row >= 0 && SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))
               ? static_cast<int>(item.lParam)
               : 0;
}

class FanReference : public Dialog {
public:
    void open(HWND owner, int fan)
    {
        firstFan_ = fan;
        createModeless(app().instance, IDD_FAN_REFERENCE, owner);
    }
    void select(int fan);

protected:
    INT_PTR onInit() override;
    INT_PTR onCommand(int id, int code, HWND control) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK listProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self);
    void place();
    INT_PTR onNotify(const NMHDR& header);
    INT_PTR onPaint();
    void showFan(int fan);
    void jumpFromNeverList();

    int firstFan_ = 1;
    TypeAhead typeAhead_;
    FanPage page_;
};

INT_PTR FanReference::onInit()
{
    place();
    for (const ControlRow& row : Controls)
        createControl(window(), row);
    for (int id : {IDC_REFERENCE_LIST, IDC_REFERENCE_NEVER})
        addColumns(item(id));
    std::vector<int> all;
    for (const FanRow& row : rows())
        all.push_back(row.fan);
    fillRows(item(IDC_REFERENCE_LIST), all);
    SetWindowSubclass(item(IDC_REFERENCE_LIST), listProcedure, 0,
                      reinterpret_cast<DWORD_PTR>(this));
    select(firstFan_);
    SetFocus(item(IDC_REFERENCE_LIST));
    return FALSE;  // the focus is set
}

// The client's size in the window's own frame, in the middle of the work area.
void FanReference::place()
{
    RECT r{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(window(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window(), GWL_EXSTYLE)));
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetWindowPos(window(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void FanReference::select(int fan)
{
    HWND list = item(IDC_REFERENCE_LIST);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(fan - 1),
                 reinterpret_cast<LPARAM>(&state));
    showInMiddle(list, fan - 1);
}

INT_PTR FanReference::onCommand(int id, int, HWND)
{
    if (id == IDCANCEL)
        DestroyWindow(window());
    else if (id == IDOK && GetFocus() == item(IDC_REFERENCE_NEVER))  // Enter on a fan
        jumpFromNeverList();
    return TRUE;
}

INT_PTR FanReference::onMessage(UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_NOTIFY: return onNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_PAINT: return onPaint();
    case WM_CLOSE: DestroyWindow(window()); return TRUE;
    default: return FALSE;
    }
}

INT_PTR FanReference::onNotify(const NMHDR& header)
{
    if (header.idFrom == IDC_REFERENCE_LIST && header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uNewState & ~change.uOldState & LVIS_SELECTED) != 0)
            showFan(static_cast<int>(change.lParam));
    } else if (header.idFrom == IDC_REFERENCE_NEVER && header.code == LVN_ITEMACTIVATE) {
        jumpFromNeverList();
    }
    return TRUE;
}

INT_PTR FanReference::onPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window(), &paint);
    paintItems(dc, page_.example, 0, 0, paint.rcPaint);
    EndPaint(window(), &paint);
    return TRUE;
}

void FanReference::showFan(int fan)
{
    page_ = fanPage(fan, PaneX, ExampleTilesY);
    const std::pair<int, const std::wstring*> texts[] = {
        {IDC_REFERENCE_NAME, &page_.title},    {IDC_REFERENCE_POINTS, &page_.subtitle},
        {IDC_REFERENCE_RULE, &page_.rule},     {IDC_REFERENCE_WON, &page_.won},
        {IDC_REFERENCE_SCORES, &page_.scores}, {IDC_REFERENCE_NEVER_LABEL, &page_.neverLabel}};
    for (const auto& [id, text] : texts)
        SetDlgItemTextW(window(), id, text->c_str());
    fillRows(item(IDC_REFERENCE_NEVER), page_.neverBeside);
    InvalidateRect(window(), &ExampleArea, TRUE);
}

void FanReference::jumpFromNeverList()
{
    if (const int fan = selectedFan(item(IDC_REFERENCE_NEVER)); fan != 0) {
        select(fan);
        SetFocus(item(IDC_REFERENCE_LIST));
    }
}

// Typing a name selects its fan; Esc closes the reference in any message loop, not only in the
// program's, which gives the reference its dialog keys.
LRESULT CALLBACK FanReference::listProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR data)
{
    auto* self = reinterpret_cast<FanReference*>(data);
    if (message == WM_CHAR) {
        const std::wstring_view typed = self->typeAhead_.type(
            static_cast<wchar_t>(wParam), static_cast<unsigned>(GetMessageTime()));
        if (!typed.empty()) {
            if (const int row = rowForTyped(typed); row >= 0)
                self->select(row + 1);
            return 0;
        }
    } else if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        PostMessageW(self->window(), WM_COMMAND, IDCANCEL, 0);
        return 0;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, listProcedure, 0);
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

FanReference& reference()
{
    static FanReference instance;
    return instance;
}

}  // namespace

void showFanReference(HWND owner, int fan)
{
    FanReference& r = reference();
    if (r.window() == nullptr)
        r.open(owner, fan == 0 ? 1 : fan);
    else if (fan != 0)
        r.select(fan);
    HWND window = r.window();
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window);
}

HWND fanReferenceWindow() { return reference().window(); }

bool handleDialogKeys(HWND mainWindow, MSG& message)
{
    if (IsDialogMessageW(mainWindow, &message))
        return true;
    HWND reference = fanReferenceWindow();
    return reference != nullptr && IsDialogMessageW(reference, &message);
}

}  // namespace fanwright::ui
