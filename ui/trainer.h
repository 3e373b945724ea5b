// The trainer behind the main window: the current hand, the mode, the answer counters and the
// shown winds, and every rule that decides what a command, a click or a paint does. It acts on
// the window only through MainWindowView, so it is built and tested without Windows.
#pragma once

#include "generator/settings.h"
#include "hand/hand.h"
#include "ui/main_window_view.h"

namespace fanwright::ui {

enum class TrainerState { TestIdle, TestAnswering, Editing };

class Trainer {
public:
    // `settings` is the program's own copy: read at each deal, edited by the settings sheet.
    Trainer(MainWindowView& view, const GeneratorSettings& settings);

    // After the controls exist: status texts, score text, focus on "&New".
    void start();

    // WM_COMMAND, its whole wParam split into id and notification code.
    void onCommand(int id, int code);
    // Edit mode only (ignored in test mode).
    void onMouseMove(int x, int y);
    void onLeftButtonDown(int x, int y);
    // WM_PAINT: the hand, and in edit mode the palette, where they meet `update`.
    void paint(TileCanvas& canvas, const Rect& update);

    const Hand& hand() const { return hand_; }
    Hand& hand() { return hand_; }  // for the save dialog and tests
    TrainerState state() const;
    bool editMode() const { return editMode_; }
    int rightAnswers() const { return rightAnswers_; }
    int wrongAnswers() const { return wrongAnswers_; }
    int shownPrevalentWind() const { return shownPrevalentWind_; }
    int shownSeatWind() const { return shownSeatWind_; }

private:
    MainWindowView& view_;
    const GeneratorSettings& settings_;
    Hand hand_;
    bool editMode_ = false;
    int rightAnswers_ = 0;
    int wrongAnswers_ = 0;
    int shownPrevalentWind_ = 0;
    int shownSeatWind_ = 0;
    // The rest (hit rectangles and their dirty flag, ...) is the implementer's.
};

}  // namespace fanwright::ui
