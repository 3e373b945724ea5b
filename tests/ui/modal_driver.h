// Drives a modal dialog the way a person would, from inside its own message loop: a thread
// timer runs one step per tick on the open dialog; after the last step the dialog must close
// by itself. A dialog still open well after that is closed by force, so no test can hang.
#pragma once

#include "ui/app.h"

#include <commctrl.h>
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

namespace fanwright::test {

using Step = std::function<void(HWND dialog)>;

class ModalDriver {
public:
    // Runs `open`, which returns once the dialog has closed; true when it closed without force.
    static bool run(const std::function<void()>& open, std::vector<Step> steps)
    {
        state() = State{std::move(steps)};
        const UINT_PTR timer = SetTimer(nullptr, 0, TickMs, tick);
        open();
        KillTimer(nullptr, timer);
        return !state().forced && state().next == state().steps.size();
    }

    // The thread's visible top-level dialog (a property sheet's frame is one too).
    static HWND findDialog()
    {
        HWND found = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM result) {
                wchar_t name[16] = {};
                GetClassNameW(window, name, 16);
                if (IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0) {
                    *reinterpret_cast<HWND*>(result) = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

private:
    static constexpr UINT TickMs = 20;
    static constexpr int CloseAfterTicks = 100;    // then WM_CLOSE, as the close box would
    static constexpr int DestroyAfterTicks = 150;  // then the window goes

    struct State {
        std::vector<Step> steps;
        std::size_t next = 0;
        int ticks = 0;
        bool forced = false;
    };
    static State& state()
    {
        static State s;
        return s;
    }

    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD)
    {
        State& s = state();
        ++s.ticks;
        HWND dialog = findDialog();
        if (dialog != nullptr && s.next < s.steps.size() && s.ticks < CloseAfterTicks) {
            s.steps[s.next++](dialog);
            return;
        }
        if (dialog == nullptr || s.ticks < CloseAfterTicks)
            return;
        s.forced = true;
        if (s.ticks < DestroyAfterTicks)
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        else
            DestroyWindow(dialog);
    }
};

// What every window test needs of the program's start-up.
inline void startLikeTheProgram()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                        ICC_UPDOWN_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    ui::App& a = ui::app();
    if (a.instance == nullptr) {
        a.instance = GetModuleHandleW(nullptr);
        ui::createFonts();
        ui::loadCursors();
    }
}

}  // namespace fanwright::test
