#include "ui/about_dialog.h"

namespace fanwright::ui {

void showAboutDialog(HWND) {}  // built next

}  // namespace fanwright::ui
