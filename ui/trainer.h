// The trainer behind the main window: the current hand, the mode, the answer counters and the
// shown winds, and every rule that decides what a command, a click or a paint does. It acts on
// the window only through MainWindowView, so it is built and tested without Windows.
#pragma once

#include "generator/settings.h"
#include "hand/hand.h"
#include "ui/layout.h"
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
    // Puts `hand` on screen as a dealt hand is put there; in edit mode "&Calculate" then
    // follows the rule of the switch to edit mode. For faces that open a given hand.
    void loadHand(const Hand& hand);

    const Hand& hand() const { return hand_; }
    // The hand with the situation the controls show, as a check or calculation scores it.
    Hand handAsShown() const;
    Hand& hand() { return hand_; }  // for the save dialog and tests
    TrainerState state() const;
    bool editMode() const { return editMode_; }
    int rightAnswers() const { return rightAnswers_; }
    int wrongAnswers() const { return wrongAnswers_; }
    int shownPrevalentWind() const { return shownPrevalentWind_; }
    int shownSeatWind() const { return shownSeatWind_; }
    // The clickable items recorded by the last paint that rebuilt them.
    const HitTable& hitTable() const { return hitTable_; }
    // The add mode the radios 1010..1015 show: the first checked one, NoMode when none is.
    AddMode selectedAddMode() const;

private:
    MainWindowView& view_;
    const GeneratorSettings& settings_;
    Hand hand_;
    bool editMode_ = false;
    int rightAnswers_ = 0;
    int wrongAnswers_ = 0;
    int shownPrevalentWind_ = 0;
    int shownSeatWind_ = 0;
    HitTable hitTable_;

    // The main flows (trainer.cpp).
    void nextHand();
    void showNewHand();
    bool readyToCalculate() const;
    void checkOrCalculate();
    void clearHand();
    void switchToEditMode();
    void switchToTestMode();
    void saveHand();
    void onPointsChanged();
    void emptyPointsField();
    void enablePointsField(bool on);
    void showScore();
    void invalidateHand(bool withPalette);

    // Editing the hand and its situation (hand_editing.cpp).
    void selectAddMode(AddMode mode);
    void showPrevalentWind(int picture);
    void showSeatWind(int picture);
    bool windsChosen() const;
    bool winSourceChosen() const;
    WinSource readWinSource() const;
    void setCalculateEnabled(bool on);
    void showHandSituation();
    void resetSituationControls();
    void enableSituationControls();
    void enableWindControls(bool on);
    void refreshEditControls(bool resetSituation, AddMode kind);
    void onPaletteClick(int x, int y);
    void onHandClick(int x, int y);
    void onWinSourceClick();
    void stepWind(int id);
};

}  // namespace fanwright::ui
