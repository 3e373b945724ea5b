// "About Fanwright": banner, name and version, and two links.
#pragma once

#include <windows.h>

namespace fanwright::ui {

// Runs the dialog modally over `owner`; returns when it is closed.
void showAboutDialog(HWND owner);

// How a clicked link is opened: by default the shell's "open". Tests put a recorder in its
// place so that nothing is launched; returns the opener it replaces.
using LinkOpener = void (*)(HWND dialog, const wchar_t* address);
LinkOpener replaceLinkOpener(LinkOpener opener);

}  // namespace fanwright::ui
