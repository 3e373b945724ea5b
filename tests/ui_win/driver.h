// Drives the program's real windows in this process as a person would: clicks, typing and keys
// through the dialog keyboard handling on the main window, and modal windows from a thread timer
// inside their own message loop. Shared by the Wine tests and the screenshot tool.
#pragma once

#include "hand/tiles.h"
#include "ui/app.h"
#include "ui/fan_reference.h"
#include "ui/result_window.h"

#include <commctrl.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace fanwright::test {

// What the windows need of the program's start-up.
inline void startLikeTheProgram()
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

inline std::wstring textOf(HWND window)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

inline std::wstring classOf(HWND window)
{
    wchar_t buffer[64] = {};
    GetClassNameW(window, buffer, 64);
    return buffer;
}

// The thread's visible dialog (a property sheet's frame is one too); nullptr for none.
inline HWND findDialog()
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

using Step = std::function<void(HWND dialog)>;

struct ModalRun {
    std::vector<Step> steps;
    std::size_t next = 0;
    int ticks = 0;
    bool forced = false;
};

// The run in progress, for the timer; nullptr between runs.
inline ModalRun* modalRun = nullptr;

// Runs `open`, which returns once its modal window has closed. Every 20 ms one step acts on the
// open window, and the last step must close it; one still open 2 s later gets WM_CLOSE and then
// is destroyed, so that no test can hang. True when the steps closed it.
inline bool runModal(const std::function<void()>& open, std::vector<Step> steps)
{
    ModalRun run{std::move(steps)};
    modalRun = &run;
    auto tick = [](HWND, UINT, UINT_PTR, DWORD) {
        ModalRun& r = *modalRun;
        HWND dialog = findDialog();
        if (dialog == nullptr)
            return;
        if (++r.ticks < 100) {
            if (r.next < r.steps.size())
                r.steps[r.next++](dialog);
            return;
        }
        r.forced = true;
        if (r.ticks < 150)
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        else
            DestroyWindow(dialog);
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, tick);
    open();
    KillTimer(nullptr, timer);
    modalRun = nullptr;
    return !run.forced && run.next == run.steps.size();
}

// The main window, driven through its controls and client points.
class WindowDriver {
public:
    WindowDriver() = default;
    explicit WindowDriver(HWND main) : main_(main) {}

    HWND item(int id) const { return GetDlgItem(main_, id); }

    // Runs what is queued, as the program's loop would (a quit message is dropped).
    void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT || ui::handleDialogKeys(main_, message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    void click(int id)
    {
        SendMessageW(item(id), BM_CLICK, 0, 0);
        pump();
    }

    void clickAt(int x, int y)
    {
        SendMessageW(main_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(main_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        UpdateWindow(main_);  // the paint rebuilds the table of clickable tiles
        pump();
    }

    // The middle of tile t's palette cell.
    void clickPalette(TileId t) { clickAt(40 + 40 * ((t - 1) % 9), 305 + 50 * ((t - 1) / 9)); }

    void type(const std::wstring& characters, int id)
    {
        for (wchar_t c : characters)
            SendMessageW(item(id), WM_CHAR, c, 1);
        pump();
    }

    // A key as the keyboard delivers it to the focused control, through the dialog handling.
    void pressKey(WPARAM key) { deliver(WM_KEYDOWN, key, 1); }
    // Alt with a letter, for the mnemonics.
    void pressAlt(wchar_t letter) { deliver(WM_SYSCHAR, letter, 1 | (1 << 29)); }

protected:
    HWND main_ = nullptr;

private:
    void deliver(UINT message, WPARAM wParam, LPARAM lParam)
    {
        MSG m{GetFocus(), message, wParam, lParam, 0, {}};
        if (!ui::handleDialogKeys(main_, m))
            DispatchMessageW(&m);
        pump();
    }
};

}  // namespace fanwright::test
