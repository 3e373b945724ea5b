// "About Fanwright": banner, name and version, and two links.
#pragma once

#include <windows.h>

namespace fanwright::ui {

void showAboutDialog(HWND owner);

}  // namespace fanwright::ui
