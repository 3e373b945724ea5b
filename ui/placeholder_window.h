// The placeholder main window: a fixed-size window that says what Fanwright is and that the
// trainer window is still to come. Closes on OK, Enter, Esc and the close box.
#pragma once

#include <windows.h>

namespace fanwright::ui {

// Registers the window class (once per process) and creates the window, hidden.
// Returns nullptr on failure.
HWND createPlaceholderWindow(HINSTANCE instance);

}  // namespace fanwright::ui
