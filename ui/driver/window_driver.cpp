#include "ui/driver/window_driver.h"

#include "ui/app.h"
#include "ui/fan_reference.h"
#include "ui/main_window.h"
#include "ui/result_window.h"

#include <commctrl.h>

#include <cstddef>
#include <utility>

namespace fanwright::driver {

namespace {

struct ModalRun {
    std::vector<Step> steps;
    std::size_t next = 0;
    int ticks = 0;
    bool forced = false;
};

// The run in progress, for the timer; nullptr between runs.
ModalRun* modalRun = nullptr;

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD)
{
    ModalRun& run = *modalRun;
    HWND dialog = findDialog();
    if (dialog == nullptr)
        return;
    if (++run.ticks < 100) {
        if (run.next < run.steps.size())
            run.steps[run.next++](dialog);
        return;
    }
    run.forced = true;
    if (run.ticks < 150)
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    else
        DestroyWindow(dialog);
}

}  // namespace

void startLikeTheProgram()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (ui::app().instance == nullptr) {
        ui::app().instance = GetModuleHandleW(nullptr);
        ui::createFonts();
        ui::loadCursors();
        ui::loadSmallTileBitmaps();
    }
}

std::wstring textOf(HWND window)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

std::wstring classOf(HWND window)
{
    wchar_t buffer[64] = {};
    GetClassNameW(window, buffer, 64);
    return buffer;
}

HWND findDialog()
{
    HWND found = nullptr;
    auto isDialog = [](HWND window, LPARAM result) {
        if (!IsWindowVisible(window) || classOf(window) != L"#32770")
            return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    };
    EnumThreadWindows(GetCurrentThreadId(), isDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND threadWindow(const std::function<bool(HWND)>& wanted)
{
    std::pair<const std::function<bool(HWND)>*, HWND> search{&wanted, nullptr};
    auto visit = [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<decltype(search)*>(data);
        s.second = (*s.first)(window) ? window : nullptr;
        return s.second == nullptr;
    };
    EnumThreadWindows(GetCurrentThreadId(), visit, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

void sendKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    for (auto key = keys.end(); key != keys.begin();)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {*--key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

int clientHeight(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    return r.bottom;
}

std::wstring systemMenuText(HWND window, UINT command)
{
    wchar_t buffer[128] = {};
    GetMenuStringW(GetSystemMenu(window, FALSE), command, buffer, 128, MF_BYCOMMAND);
    return buffer;
}

std::wstring clipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

int listRows(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring listCell(HWND list, int row, int column)
{
    wchar_t buffer[128] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 128;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

int listSelection(HWND list)
{
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

ToolTip toolTipOf(HWND tips, HWND owner, UINT_PTR id)
{
    wchar_t buffer[1024] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.uId = id;
    SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
    info.lpszText = buffer;
    SendMessageW(tips, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&info));
    return {info.rect, buffer};
}

bool runModal(const std::function<void()>& open, std::vector<Step> steps)
{
    ModalRun run{std::move(steps)};
    modalRun = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, tick);
    open();
    KillTimer(nullptr, timer);
    modalRun = nullptr;
    return !run.forced && run.next == run.steps.size();
}

bool runningModal() { return modalRun != nullptr; }

HWND WindowDriver::openMain(ui::MainWindow& window)
{
    main_ = window.create();
    if (main_ == nullptr)
        return nullptr;
    ShowWindow(main_, SW_SHOWNORMAL);
    UpdateWindow(main_);
    pump();
    return main_;
}

void WindowDriver::pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT || ui::handleDialogKeys(main_, message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void WindowDriver::click(int id)
{
    SendMessageW(item(id), BM_CLICK, 0, 0);
    pump();
}

void WindowDriver::clickAt(int x, int y)
{
    SendMessageW(main_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(main_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    UpdateWindow(main_);  // the paint rebuilds the table of clickable tiles
    pump();
}

void WindowDriver::type(const std::wstring& characters, int id)
{
    for (wchar_t c : characters)
        SendMessageW(item(id), WM_CHAR, c, 1);
    pump();
}

void WindowDriver::deliver(UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG m{GetFocus(), message, wParam, lParam, 0, {}};
    if (!ui::handleDialogKeys(main_, m))
        DispatchMessageW(&m);
    pump();
}

}  // namespace fanwright::driver
