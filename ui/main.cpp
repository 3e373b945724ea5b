// fanwright.exe: start-up, the message loop and the way out.
#include "generator/hand_log_file.h"
#include "generator/random.h"
#include "generator/settings_registry.h"
#include "ui/app.h"
#include "ui/fan_reference.h"
#include "ui/main_window.h"
#include "ui/result_window.h"

#include <windows.h>

#include <commctrl.h>

namespace {

using namespace fanwright;
using namespace fanwright::ui;

void initCommonControls()
{
    // Image lists, up-down, status bar and tooltips; trackbar and property sheet for settings.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

// Maximised or restored starts open at the normal size: the window has no maximize box.
int showCommand(int requested)
{
    return requested == SW_SHOWMAXIMIZED || requested == SW_RESTORE ? SW_SHOWNORMAL : requested;
}

// IsDialogMessage turns Enter into IDOK and lets Tab, the arrow keys and mnemonics move the
// focus, as in a dialog: first for the main window, then for the fan reference.
void runMessageLoop(HWND window)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (handleDialogKeys(window, message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    App& a = app();
    a.instance = instance;
    initCommonControls();
    loadSettings(a.settings);
    seedRandom();
    loadSmallTileBitmaps();
    createFonts();
    loadCursors();
    a.logFile = openHandLog();

    MainWindow mainWindow;
    if (HWND window = mainWindow.create()) {
        ShowWindow(window, showCommand(show));
        UpdateWindow(window);
        runMessageLoop(window);
    }

    deleteFonts();
    saveSettings(a.settings);
    freeSmallTileBitmaps();
    closeHandLog(a.logFile);
    return 0;
}
