// The hand log, "Fanwright.log" in the current directory (Windows only): opened once at
// start-up, held open at its end for the whole run, one line appended and flushed per save.
#pragma once

#include <windows.h>

namespace fanwright {

// Opens or creates the file for reading and writing, shared for reading only, positioned at
// its end. INVALID_HANDLE_VALUE when it cannot be opened (another copy holds it, no access).
HANDLE openHandLog();

// Closes the file when it is open.
void closeHandLog(HANDLE file);

}  // namespace fanwright
