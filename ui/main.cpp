// fanwright.exe: the Win32 program.
#include "ui/placeholder_window.h"

#include <commctrl.h>
#include <windows.h>

namespace {

// Runs the message loop; IsDialogMessage turns Esc and Enter into IDCANCEL and IDOK commands
// and lets Tab move the focus, as in a dialog.
int runMessageLoop(HWND window)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    HWND window = fanwright::ui::createPlaceholderWindow(instance);
    if (window == nullptr)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    return runMessageLoop(window);
}
