// Drives a modal dialog from inside its own message loop: a thread timer runs one step per tick
// on the open dialog, and the last step must close it. A dialog still open seconds later gets
// WM_CLOSE and then is destroyed, so that no test can hang.
#pragma once

#include "ui/app.h"
#include "ui/result_window.h"

#include <commctrl.h>
#include <windows.h>

#include <functional>
#include <vector>

namespace fanwright::test {

using Step = std::function<void(HWND dialog)>;

struct ModalDriver {
    std::vector<Step> steps;
    std::size_t next = 0;
    int ticks = 0;
    bool forced = false;

    static ModalDriver*& current()
    {
        static ModalDriver* driver = nullptr;
        return driver;
    }

    // The thread's visible dialog (a property sheet's frame is one too).
    static HWND findDialog()
    {
        HWND found = nullptr;
        auto isDialog = [](HWND window, LPARAM result) {
            wchar_t name[8] = {};
            GetClassNameW(window, name, 8);
            if (!IsWindowVisible(window) || lstrcmpW(name, L"#32770") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        };
        EnumThreadWindows(GetCurrentThreadId(), isDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD)
    {
        ModalDriver& d = *current();
        HWND dialog = findDialog();
        if (dialog == nullptr)
            return;
        if (++d.ticks < 100) {
            if (d.next < d.steps.size())
                d.steps[d.next++](dialog);
            return;
        }
        d.forced = true;
        if (d.ticks < 150)
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        else
            DestroyWindow(dialog);
    }
};

// Runs `open`, which returns once its dialog has closed; true when the steps closed it.
inline bool runModal(const std::function<void()>& open, std::vector<Step> steps)
{
    ModalDriver driver{std::move(steps)};
    ModalDriver::current() = &driver;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, ModalDriver::tick);
    open();
    KillTimer(nullptr, timer);
    ModalDriver::current() = nullptr;
    return !driver.forced && driver.next == driver.steps.size();
}

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

}  // namespace fanwright::test
