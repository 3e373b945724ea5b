// The property sheet that edits the generator settings (one page, "Random hand").
#pragma once

#include "generator/settings.h"

#include <windows.h>

namespace fanwright::ui {

// Modal over `owner`; OK stores the page's values into `settings`, Cancel leaves them.
void openSettingsSheet(HINSTANCE instance, HWND owner, GeneratorSettings& settings);

}  // namespace fanwright::ui
