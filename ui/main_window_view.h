// What the trainer needs of its window, in the window's own terms: controls by id, the status
// bar, the two wind boxes, repainting, the cursor and the modal windows. The Win32 main window
// implements it over real controls; the native tests implement it over a table of states.
#pragma once

#include "hand/tiles.h"

namespace fanwright {
struct ScoreResult;
}

namespace fanwright::ui {

// Client pixels; left and top inside, right and bottom outside, as Win32's RECT.
struct Rect {
    int left, top, right, bottom;
    bool operator==(const Rect&) const = default;
};

enum class CursorKind { Arrow, Add, Remove };

class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    // Controls by id (ui/resource_ids.h). Check state of radios and check boxes.
    virtual bool isChecked(int id) const = 0;
    virtual void setChecked(int id, bool on) = 0;
    virtual bool isEnabled(int id) const = 0;
    virtual void setEnabled(int id, bool on) = 0;
    virtual void setCaption(int id, const wchar_t* text) = 0;
    virtual void setFocus(int id) = 0;
    virtual bool hasFocus(int id) const = 0;
    // Repaints a control at once (the up-down control after its buddy changed state).
    virtual void redraw(int id) = 0;

    // The points field: its text read as an unsigned number, 0 when empty or not a number.
    virtual unsigned pointsValue() const = 0;

    // The status bar's help field (index 1) or score field (index 2).
    virtual void setStatus(int part, const wchar_t* text) = 0;
    // Tile picture 0..35 in wind box IDC_PREVALENT_BOX or IDC_SEAT_BOX.
    virtual void showWindPicture(int boxId, int picture) = 0;
    // Icon IDI_SAVE or IDI_SAVE_GREY on the save button.
    virtual void setSaveIcon(int iconId) = 0;

    virtual void invalidate(const Rect& rect, bool erase) = 0;
    virtual void postCommand(int id) = 0;
    virtual void setCursor(CursorKind cursor) = 0;

    // Grow to the edit layout or shrink to the test layout, moving the status bar and showing
    // or hiding the edit-mode controls.
    virtual void enterEditLayout() = 0;
    virtual void enterTestLayout() = 0;

    // Modal windows; each returns when it closes.
    virtual void showResult(int answer, int total, const ScoreResult& result) = 0;
    virtual void openSaveHandDialog() = 0;  // only called for a complete hand with a log open
    virtual void openSettingsSheet() = 0;
    virtual void openAboutDialog() = 0;
    virtual bool logFileOpen() const = 0;
};

// Where tiles are drawn: the Win32 painter draws image-list pictures, tests record the calls.
class TileCanvas {
public:
    virtual ~TileCanvas() = default;
    // Picture 0..35 with its top-left corner at (x, y); blended 50 % with the highlight colour
    // when `greyed`.
    virtual void drawTile(int picture, int x, int y, bool greyed) = 0;
};

}  // namespace fanwright::ui
