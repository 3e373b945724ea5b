// What the program makes at start-up and keeps until exit: the module handle, the generator
// settings it runs with, the fonts, the cursors and the hand-log file. One instance, app().
#pragma once

#include "generator/settings.h"

#include <windows.h>

namespace fanwright::ui {

struct App {
    HINSTANCE instance = nullptr;
    GeneratorSettings settings;  // loaded at start-up, edited by the settings sheet, saved at exit

    HFONT pointsFont = nullptr;  // Arial 16 bold: the points field, the result's verdict
    HFONT normalFont = nullptr;  // MS Sans Serif 8: most controls
    HFONT boldFont = nullptr;    // MS Sans Serif 8 bold: section labels, "&New"
    HFONT linkFont = nullptr;    // MS Sans Serif 8 underlined: links, the result's headings
    HFONT arrowFont = nullptr;   // Marlett 16: the wind step buttons' triangles

    HCURSOR arrowCursor = nullptr;
    HCURSOR addCursor = nullptr;
    HCURSOR removeCursor = nullptr;
    HCURSOR linkCursor = nullptr;

    HANDLE logFile = INVALID_HANDLE_VALUE;  // invalid: saving does nothing
};

App& app();

// Start-up steps 5 and 6: the five fonts in their fixed order, then the four cursors.
void createFonts();
void loadCursors();
// Exit: every font but linkFont, which lives until the process ends.
void deleteFonts();

}  // namespace fanwright::ui
