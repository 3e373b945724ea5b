// Building a hand by clicks in edit mode, and the situation controls that a complete hand opens:
// which radios and boxes are enabled, which add mode comes next, the win source and the winds.
#include "ui/resource_ids.h"
#include "ui/texts.h"
#include "ui/trainer.h"

#include <array>

namespace fanwright::ui {

namespace {

constexpr int HelpPart = 1;

struct ModeRadio {
    AddMode mode;
    int id;
};

// In the order they are tested: the first checked one is the add mode.
constexpr std::array<ModeRadio, 6> modeRadios = {{
    {AddMode::Chow, IDC_ADD_CHOW},
    {AddMode::Pung, IDC_ADD_PUNG},
    {AddMode::MeldedKong, IDC_ADD_MELDED_KONG},
    {AddMode::ConcealedKong, IDC_ADD_CONCEALED_KONG},
    {AddMode::ConcealedTile, IDC_ADD_CONCEALED_TILE},
    {AddMode::WinningTile, IDC_ADD_WINNING_TILE},
}};

constexpr std::array<int, 4> situationBoxes = {IDC_LAST_TILE_IN_GAME, IDC_LAST_TILE_OF_KIND,
                                               IDC_REPLACEMENT_TILE, IDC_ROBBING_THE_KONG};

constexpr std::array<int, 6> windControls = {IDC_PREVALENT_LABEL, IDC_PREVALENT_PREVIOUS,
                                             IDC_PREVALENT_NEXT,  IDC_SEAT_LABEL,
                                             IDC_SEAT_PREVIOUS,   IDC_SEAT_NEXT};

// Stepping wraps through the four winds; from a blank box or the warning tile, "next" gives
// east and "previous" north.
int steppedWind(int shown, bool forward)
{
    if (forward)
        return isWind(shown) && shown != North ? shown + 1 : East;
    return isWind(shown) && shown != East ? shown - 1 : North;
}

bool isRealWind(int shown) { return shown != NoTile && shown != UnsetWindMark; }

}  // namespace

AddMode Trainer::selectedAddMode() const
{
    for (const ModeRadio& radio : modeRadios) {
        if (view_.isChecked(radio.id))
            return radio.mode;
    }
    return AddMode::NoMode;
}

void Trainer::selectAddMode(AddMode mode)
{
    int chosen = 0;
    for (const ModeRadio& radio : modeRadios) {
        if (radio.mode == mode)
            chosen = radio.id;
    }
    for (const ModeRadio& radio : modeRadios)
        view_.setChecked(radio.id, radio.id == chosen);
    if (chosen != 0)
        view_.setFocus(chosen);
}

void Trainer::showPrevalentWind(int picture)
{
    shownPrevalentWind_ = picture;
    view_.showWindPicture(IDC_PREVALENT_BOX, picture);
}

void Trainer::showSeatWind(int picture)
{
    shownSeatWind_ = picture;
    view_.showWindPicture(IDC_SEAT_BOX, picture);
}

bool Trainer::windsChosen() const
{
    return isRealWind(shownPrevalentWind_) && isRealWind(shownSeatWind_);
}

bool Trainer::winSourceChosen() const
{
    return view_.isChecked(IDC_WALL) || view_.isChecked(IDC_DISCARD);
}

WinSource Trainer::readWinSource() const
{
    if (view_.isChecked(IDC_WALL))
        return SelfDrawn;
    return view_.isChecked(IDC_DISCARD) ? Discard : NotChosen;
}

void Trainer::setCalculateEnabled(bool on)
{
    view_.setEnabled(IDC_CHECK, on);
    view_.setSaveIcon(on ? IDI_SAVE : IDI_SAVE_GREY);
}

void Trainer::showHandSituation()
{
    view_.setChecked(IDC_WALL, hand_.getWinSource() == SelfDrawn);
    view_.setChecked(IDC_DISCARD, hand_.getWinSource() == Discard);
    view_.setChecked(IDC_LAST_TILE_IN_GAME, hand_.isLastTileInGame());
    view_.setChecked(IDC_LAST_TILE_OF_KIND, hand_.isLastTileOfKind());
    view_.setChecked(IDC_REPLACEMENT_TILE, hand_.isReplacementTile());
    view_.setChecked(IDC_ROBBING_THE_KONG, hand_.isRobbingTheKong());
    showPrevalentWind(hand_.getPrevalentWind());
    showSeatWind(hand_.getSeatWind());
}

// The hand's win source stays; only the radios are unchecked.
void Trainer::resetSituationControls()
{
    view_.setChecked(IDC_WALL, false);
    view_.setChecked(IDC_DISCARD, false);
    for (int id : situationBoxes)
        view_.setChecked(id, false);
    hand_.setWinds(NoTile, NoTile);
    view_.setEnabled(IDC_WALL, false);
    view_.setEnabled(IDC_DISCARD, false);
    for (int id : situationBoxes)
        view_.setEnabled(id, false);
    view_.setEnabled(IDC_CHECK, false);  // the save icon stays as it is
    enableWindControls(false);
    hand_.setWinds(NoTile, NoTile);
    showPrevalentWind(NoTile);
    showSeatWind(NoTile);
}

void Trainer::enableSituationControls()
{
    view_.setEnabled(IDC_WALL, true);
    view_.setEnabled(IDC_DISCARD, true);
    view_.setEnabled(IDC_LAST_TILE_IN_GAME, true);
    // When forced, the box is checked and stays disabled.
    view_.setEnabled(IDC_LAST_TILE_OF_KIND, hand_.allowsLastTileOfKind());
    if (hand_.forcesLastTileOfKind())
        view_.setChecked(IDC_LAST_TILE_OF_KIND, true);
    view_.setEnabled(IDC_REPLACEMENT_TILE, hand_.allowsReplacementTile());
    view_.setEnabled(IDC_ROBBING_THE_KONG, hand_.allowsRobbingTheKong());
    const bool windsNeeded = hand_.needsWinds();
    enableWindControls(windsNeeded);
    if (windsNeeded) {
        const TileId prevalent = hand_.getPrevalentWind();
        const TileId seat = hand_.getSeatWind();
        showPrevalentWind(prevalent != NoTile ? prevalent : UnsetWindMark);
        showSeatWind(seat != NoTile ? seat : UnsetWindMark);
    } else {
        showPrevalentWind(NoTile);
        showSeatWind(NoTile);
    }
    view_.setStatus(HelpPart, text::StatusDefineSituation);
    view_.setFocus(IDC_WALL);
}

void Trainer::enableWindControls(bool on)
{
    for (int id : windControls)
        view_.setEnabled(id, on);
}

// Run after every change of the hand; `kind` is what was just added or removed.
void Trainer::refreshEditControls(bool resetSituation, AddMode kind)
{
    const bool canSet = hand_.canAddSet();
    for (int id : {IDC_ADD_CHOW, IDC_ADD_PUNG, IDC_ADD_MELDED_KONG, IDC_ADD_CONCEALED_KONG})
        view_.setEnabled(id, canSet);
    const bool canTile = hand_.canAddConcealedTile();
    view_.setEnabled(IDC_ADD_CONCEALED_TILE, canTile);
    const bool canWin = hand_.canSetWinningTile();
    view_.setEnabled(IDC_ADD_WINNING_TILE, canWin);

    if (resetSituation) {
        selectAddMode(kind);
        resetSituationControls();
    } else if (!canSet && !canTile && !canWin) {
        selectAddMode(AddMode::NoMode);
        enableSituationControls();
    } else if (kind == AddMode::WinningTile) {
        selectAddMode(AddMode::ConcealedTile);
    } else if (kind == AddMode::ConcealedTile && !canTile) {
        selectAddMode(AddMode::WinningTile);
    } else if (!canSet) {
        // A chosen set mode stays while sets still fit.
        selectAddMode(canTile ? AddMode::ConcealedTile : AddMode::WinningTile);
    }
}

// With a complete hand no radio is checked, so every palette click is ignored.
void Trainer::onPaletteClick(int x, int y)
{
    if (!isOnPalette(x, y))
        return;
    const TileId t = paletteTileAt(x, y);
    const AddMode mode = selectedAddMode();
    if (mode == AddMode::ConcealedTile || mode == AddMode::WinningTile) {
        if (!hand_.canAddTile(t))
            return;
        if (mode == AddMode::ConcealedTile)
            hand_.addConcealedTile(t);
        else
            hand_.setWinningTile(t);
    } else {
        const auto kind = static_cast<SetKind>(mode);
        if (mode == AddMode::NoMode || !hand_.canAddSetOf(kind, t))
            return;
        hand_.addSet(kind, t);  // a chow by the clicked middle tile
    }
    hitTable_.dirty = true;
    refreshEditControls(false, mode);
    invalidateHand(true);
}

// On overlapping tiles the one drawn on top, the later one, is removed.
void Trainer::onHandClick(int x, int y)
{
    const HitRect* hit = hitTable_.lastAt(x, y);
    if (hit == nullptr)
        return;
    const HitRect item = *hit;
    if (item.kind == AddMode::WinningTile)
        hand_.clearWinningTile();
    else if (item.kind == AddMode::ConcealedTile)
        hand_.removeConcealedTile(item.tile);
    else
        hand_.removeSet(static_cast<SetKind>(item.kind), item.tile);
    hitTable_.dirty = true;
    refreshEditControls(true, item.kind);
    view_.setSaveIcon(IDI_SAVE_GREY);
    invalidateHand(true);
}

void Trainer::onWinSourceClick()
{
    hand_.setWinSource(readWinSource());
    const bool replacement = hand_.allowsReplacementTile();
    if (!replacement)
        view_.setChecked(IDC_REPLACEMENT_TILE, false);
    view_.setEnabled(IDC_REPLACEMENT_TILE, replacement);
    const bool robbing = hand_.allowsRobbingTheKong();
    if (!robbing)
        view_.setChecked(IDC_ROBBING_THE_KONG, false);
    view_.setEnabled(IDC_ROBBING_THE_KONG, robbing);
    if (!winSourceChosen())
        return;
    // Without real winds where they are needed, 1009 keeps its state.
    if (!hand_.needsWinds() || windsChosen())
        setCalculateEnabled(true);
}

// The hand's own winds are written only at calculation, from the shown ones.
void Trainer::stepWind(int id)
{
    const bool forward = id == IDC_PREVALENT_NEXT || id == IDC_SEAT_NEXT;
    if (id == IDC_PREVALENT_PREVIOUS || id == IDC_PREVALENT_NEXT)
        showPrevalentWind(steppedWind(shownPrevalentWind_, forward));
    else
        showSeatWind(steppedWind(shownSeatWind_, forward));
    setCalculateEnabled(windsChosen() && winSourceChosen());
}

}  // namespace fanwright::ui
