#include "ui/settings_sheet.h"

namespace fanwright::ui {

void openSettingsSheet(HINSTANCE, HWND, GeneratorSettings&) {}  // built next

}  // namespace fanwright::ui
