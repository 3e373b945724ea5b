// The fan reference: a modeless window listing the 81 fans; beside the selected one, its rule,
// an example hand and what it scores, and the fans never counted beside it. One at a time.
#pragma once

#include <windows.h>

namespace fanwright::ui {

// Opens the reference over `owner` at `fan` (0: the fan it shows, the first when new), or
// brings the open one to the front.
void showFanReference(HWND owner, int fan = 0);

// The open reference, nullptr when there is none.
HWND fanReferenceWindow();

// A step of the program's message loop: the main window's dialog keys first, then the
// reference's. True when one of them took the message.
bool handleDialogKeys(HWND mainWindow, MSG& message);

}  // namespace fanwright::ui
