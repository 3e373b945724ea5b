// "Save hand to log-file": asks for a comment and appends the hand's line to the log.
#pragma once

#include "hand/hand.h"

#include <windows.h>

namespace fanwright::ui {

// Modal, with no owner window; the line is built from `hand` when "&Save" is pressed.
void openSaveHandDialog(HINSTANCE instance, Hand& hand, HANDLE logFile);

}  // namespace fanwright::ui
