// Drives the program's real windows in this process as a person would: clicks, typing and keys
// through the dialog keyboard handling of the main window and the fan reference, as the
// program's loop does, and modal windows from a thread timer inside their own message loop. Used
// by the Wine tests and the screenshot tool, not the program.
#pragma once

#include "hand/tiles.h"

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace fanwright::ui {
class MainWindow;
}

namespace fanwright::driver {

// What the windows need of the program's start-up.
void startLikeTheProgram();

std::wstring textOf(HWND window);
std::wstring classOf(HWND window);

// The thread's visible dialog (a property sheet's frame is one too); nullptr for none.
HWND findDialog();

// The thread's first top-level window that `wanted` accepts, nullptr for none.
HWND threadWindow(const std::function<bool(HWND)>& wanted);

// Keys pressed and released through the system's input queue, as the keyboard sends them.
void sendKeys(std::initializer_list<WORD> keys);

// What a window shows: its client height, an item of its system menu, the clipboard's text.
int clientHeight(HWND window);
std::wstring systemMenuText(HWND window, UINT command);
std::wstring clipboardText();

// A report list view: its rows, a cell's text, the first selected row (-1 none).
int listRows(HWND list);
std::wstring listCell(HWND list, int row, int column);
int listSelection(HWND list);

// Tip `id` of the tooltip control `tips` over `owner`.
struct ToolTip {
    RECT rect;
    std::wstring text;
};
ToolTip toolTipOf(HWND tips, HWND owner, UINT_PTR id);

using Step = std::function<void(HWND dialog)>;

// Runs `open`, which returns once its modal window has closed. Every 20 ms one step acts on the
// open window, and the last step must close it; one still open 2 s later gets WM_CLOSE and then
// is destroyed, so that no test can hang. True when the steps closed it.
bool runModal(const std::function<void()>& open, std::vector<Step> steps);

// Whether a runModal is in progress, so that other timers leave its window alone.
bool runningModal();

// The main window, driven through its controls and client points.
class WindowDriver {
public:
    WindowDriver() = default;
    explicit WindowDriver(HWND main) : main_(main) {}

    // Creates the main window, shows it at normal size and lets it paint; nullptr on failure.
    HWND openMain(ui::MainWindow& window);

    HWND item(int id) const { return GetDlgItem(main_, id); }

    // Runs what is queued, as the program's loop would (a quit message is dropped).
    void pump();

    void click(int id);
    void clickAt(int x, int y);
    // The middle of tile t's palette cell.
    void clickPalette(TileId t) { clickAt(40 + 40 * ((t - 1) % 9), 305 + 50 * ((t - 1) / 9)); }
    void type(const std::wstring& characters, int id);

    // A key as the keyboard delivers it to the focused control, through the dialog handling.
    void pressKey(WPARAM key) { deliver(WM_KEYDOWN, key, 1); }
    // Alt with a letter, for the mnemonics.
    void pressAlt(wchar_t letter) { deliver(WM_SYSCHAR, letter, 1 | (1 << 29)); }

protected:
    HWND main_ = nullptr;

private:
    void deliver(UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace fanwright::driver
