#include "ui/save_hand_dialog.h"

namespace fanwright::ui {

void openSaveHandDialog(HINSTANCE, Hand&, HANDLE) {}  // built next

}  // namespace fanwright::ui
