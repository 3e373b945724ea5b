// The trainer's commands and main flows: next hand, check or calculate, clear, the two mode
// switches, and the points field.
#include "ui/trainer.h"

#include "generator/generator.h"
#include "scoring/scoring.h"
#include "ui/resource_ids.h"
#include "ui/texts.h"

#include <cwchar>

namespace fanwright::ui {

namespace {

constexpr int OkCommand = 1;         // IDOK: Enter, as the dialog keyboard handling sends it
constexpr int Clicked = 0;           // BN_CLICKED, and STN_CLICKED of the banner
constexpr int EditChanged = 0x0300;  // EN_CHANGE
constexpr int HelpPart = 1;
constexpr int ScorePart = 2;

}  // namespace

Trainer::Trainer(MainWindowView& view, const GeneratorSettings& settings)
    : view_(view), settings_(settings)
{
}

TrainerState Trainer::state() const
{
    if (editMode_)
        return TrainerState::Editing;
    // An enabled points field is an answer waiting to be checked.
    return view_.isEnabled(IDC_POINTS) ? TrainerState::TestAnswering : TrainerState::TestIdle;
}

void Trainer::start()
{
    view_.setStatus(HelpPart, text::StatusWelcome);
    showScore();
    view_.setFocus(IDC_NEXT);
}

void Trainer::onCommand(int id, int code)
{
    if (id == IDC_POINTS && code == EditChanged) {
        onPointsChanged();
        return;
    }
    if (code != Clicked)
        return;
    switch (id) {
    case OkCommand:
        if (view_.hasFocus(IDC_POINTS)) {
            view_.setFocus(IDC_CHECK);
            view_.postCommand(IDC_CHECK);
        }
        break;
    case IDC_WALL:
    case IDC_DISCARD: onWinSourceClick(); break;
    case IDC_CHECK: checkOrCalculate(); break;
    case IDC_ADD_CHOW:
    case IDC_ADD_PUNG:
    case IDC_ADD_MELDED_KONG:
    case IDC_ADD_CONCEALED_KONG:
    case IDC_ADD_CONCEALED_TILE:
    case IDC_ADD_WINNING_TILE: view_.invalidate(paletteRect, false); break;
    case IDC_PREVALENT_PREVIOUS:
    case IDC_PREVALENT_NEXT:
    case IDC_SEAT_PREVIOUS:
    case IDC_SEAT_NEXT: stepWind(id); break;
    case IDC_NEXT: nextHand(); break;
    case IDC_CLEAR: clearHand(); break;
    case IDC_SAVE: saveHand(); break;
    case IDC_SETTINGS: view_.openSettingsSheet(); break;
    case IDC_MODE: editMode_ ? switchToTestMode() : switchToEditMode(); break;
    case IDC_BANNER: view_.openAboutDialog(); break;
    default: break;  // the situation check boxes keep their own state
    }
}

void Trainer::onMouseMove(int x, int y)
{
    if (editMode_)
        view_.setCursor(cursorAt(hitTable_, hand_, x, y));
}

void Trainer::onLeftButtonDown(int x, int y)
{
    if (!editMode_)
        return;
    onHandClick(x, y);
    onPaletteClick(x, y);
}

void Trainer::paint(TileCanvas& canvas, const Rect& update)
{
    paintTiles(canvas, update, hand_, hitTable_);
    if (editMode_)
        paintPalette(canvas, update, hand_, selectedAddMode());
}

void Trainer::loadHand(const Hand& hand)
{
    hand_ = hand;
    showNewHand();
    if (editMode_)
        view_.setEnabled(IDC_CHECK, readyToCalculate());
    invalidateHand(true);
}

// The situation controls from the hand; refreshed as after a concealed tile, which for a
// complete hand unchecks the add modes and opens the situation controls it allows.
void Trainer::showNewHand()
{
    hitTable_.dirty = true;
    showHandSituation();
    refreshEditControls(false, AddMode::ConcealedTile);
}

bool Trainer::readyToCalculate() const
{
    return hand_.isComplete() && winSourceChosen() && (!hand_.needsWinds() || windsChosen());
}

void Trainer::nextHand()
{
    dealHand(hand_, settings_);
    showNewHand();
    view_.setCaption(IDC_NEXT, text::NextButton);
    view_.setCaption(IDC_CHECK, text::CheckButton);
    enablePointsField(true);
    emptyPointsField();
    view_.setFocus(IDC_POINTS);
    view_.setSaveIcon(IDI_SAVE);
    invalidateHand(false);
    view_.setStatus(HelpPart, text::StatusEnterPoints);
}

// A disabled but checked box counts.
Hand Trainer::handAsShown() const
{
    Hand shown = hand_;
    shown.setFlags(view_.isChecked(IDC_LAST_TILE_IN_GAME), view_.isChecked(IDC_LAST_TILE_OF_KIND),
                   view_.isChecked(IDC_REPLACEMENT_TILE), view_.isChecked(IDC_ROBBING_THE_KONG));
    shown.setWinds(shownPrevalentWind_, shownSeatWind_);
    shown.setWinSource(readWinSource());
    return shown;
}

void Trainer::checkOrCalculate()
{
    // 1. The situation as the controls show it.
    hand_ = handAsShown();
    ScoreResult result;
    const int total = scoreHand(hand_, result);
    // 2. Only an enabled points field holds an answer; an empty one answers 0.
    int answer = 0;
    if (view_.isEnabled(IDC_POINTS)) {
        const unsigned typed = view_.pointsValue();
        answer = static_cast<int>(typed);
        if (typed == static_cast<unsigned>(total))
            ++rightAnswers_;
        else
            ++wrongAnswers_;
    }
    view_.showResult(answer, total, result);
    // 3. After the result window has closed.
    showScore();
    enablePointsField(false);
    emptyPointsField();
    view_.setCaption(IDC_CHECK, text::CalculateButton);
    if (editMode_) {
        view_.setStatus(HelpPart, text::StatusConstructHand);
    } else {
        view_.setFocus(IDC_NEXT);
        view_.setStatus(HelpPart, text::StatusPressNext);
    }
}

void Trainer::clearHand()
{
    hand_.clear();
    hitTable_.dirty = true;
    showHandSituation();
    refreshEditControls(true, AddMode::ConcealedTile);
    invalidateHand(true);
}

void Trainer::switchToEditMode()
{
    view_.enterEditLayout();
    view_.setCaption(IDC_MODE, text::TestModeButton);
    view_.setEnabled(IDC_NEXT, false);
    // A pending answer is dropped uncounted.
    emptyPointsField();
    enablePointsField(false);
    view_.setCaption(IDC_CHECK, text::CalculateButton);
    view_.setEnabled(IDC_CHECK, readyToCalculate());
    view_.setStatus(HelpPart, text::StatusConstructHand);
    view_.setFocus(IDC_CLEAR);
    editMode_ = true;
}

void Trainer::switchToTestMode()
{
    view_.enterTestLayout();
    view_.setCaption(IDC_MODE, text::EditModeButton);
    view_.setEnabled(IDC_NEXT, true);
    view_.setStatus(HelpPart, text::StatusPressNext);
    view_.setFocus(IDC_NEXT);
    editMode_ = false;
}

void Trainer::saveHand()
{
    if (hand_.isComplete() && view_.logFileOpen())
        view_.openSaveHandDialog();
}

void Trainer::onPointsChanged()
{
    if (view_.isEnabled(IDC_POINTS))
        view_.setEnabled(IDC_CHECK, view_.pointsValue() != 0);
}

void Trainer::emptyPointsField()
{
    view_.setCaption(IDC_POINTS, L"");
    // The edit control reports the change itself; applying its rule here as well keeps the
    // outcome the same for a view that does not.
    onPointsChanged();
}

void Trainer::enablePointsField(bool on)
{
    view_.setEnabled(IDC_POINTS, on);
    view_.setEnabled(IDC_POINTS_SPIN, on);
    view_.redraw(IDC_POINTS_SPIN);
}

void Trainer::showScore()
{
    wchar_t score[32];
    std::swprintf(score, sizeof score / sizeof score[0], text::ScoreFormat, rightAnswers_,
                  wrongAnswers_);
    view_.setStatus(ScorePart, score);
}

// The three hand rectangles are repainted together, so the next paint rebuilds the hit table
// whole; the palette's greying follows the hand without erasing.
void Trainer::invalidateHand(bool withPalette)
{
    view_.invalidate(setsRect, true);
    view_.invalidate(concealedRect, true);
    view_.invalidate(winningRect, true);
    if (withPalette)
        view_.invalidate(paletteRect, false);
}

}  // namespace fanwright::ui
