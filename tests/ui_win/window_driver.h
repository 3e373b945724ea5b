// Drives the real main window in this process as a person would: button clicks, mouse clicks at
// client points, typed characters and Enter through the dialog keyboard handling.
#pragma once

#include "hand/tiles.h"

#include <windows.h>

#include <string>

namespace fanwright::ui {

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
            if (message.message == WM_QUIT || IsDialogMessageW(main_, &message))
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
    void clickPalette(TileId t)
    {
        clickAt(20 + 40 * ((t - 1) % 9) + 20, 280 + 50 * ((t - 1) / 9) + 25);
    }

    void type(const std::wstring& characters, int id)
    {
        for (wchar_t c : characters)
            SendMessageW(item(id), WM_CHAR, c, 1);
        pump();
    }

    // A key as the keyboard delivers it to the focused control, through the dialog handling.
    void pressKey(WPARAM key) { deliver(WM_KEYDOWN, key, 1); }
    void pressEnter() { pressKey(VK_RETURN); }
    // Alt with a letter, for the mnemonics.
    void pressAlt(wchar_t letter) { deliver(WM_SYSCHAR, letter, 1 | (1 << 29)); }

protected:
    HWND main_ = nullptr;

private:
    void deliver(UINT message, WPARAM wParam, LPARAM lParam)
    {
        MSG m{GetFocus(), message, wParam, lParam, 0, {}};
        if (!IsDialogMessageW(main_, &m))
            DispatchMessageW(&m);
        pump();
    }
};

}  // namespace fanwright::ui
