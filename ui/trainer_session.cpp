#include "ui/trainer_session.h"

#include "ui/layout.h"
#include "ui/resource_ids.h"

#include <cwchar>
#include <utility>

namespace fanwright::ui {

namespace {

constexpr int OkCommand = 1;         // IDOK
constexpr int EditChanged = 0x0300;  // EN_CHANGE
constexpr Rect wholeClient{0, 0, ClientWidth, TestLayoutHeight + EditLayoutGrowth};

struct Recorder final : TileCanvas {
    std::vector<DrawnTile>& drawn;
    explicit Recorder(std::vector<DrawnTile>& into) : drawn(into) { drawn.clear(); }
    void drawTile(int picture, int x, int y, bool greyed) override
    {
        drawn.push_back({picture, x, y, greyed});
    }
};

bool inRange(int id, int first, int last) { return first <= id && id <= last; }

}  // namespace

ControlTable::ControlTable()
{
    for (int id : {IDC_LAST_TILE_IN_GAME, IDC_LAST_TILE_OF_KIND, IDC_REPLACEMENT_TILE,
                   IDC_ROBBING_THE_KONG, IDC_PREVALENT_LABEL, IDC_PREVALENT_PREVIOUS,
                   IDC_PREVALENT_NEXT, IDC_SEAT_LABEL, IDC_SEAT_PREVIOUS, IDC_SEAT_NEXT, IDC_WALL,
                   IDC_DISCARD, IDC_POINTS, IDC_POINTS_SPIN, IDC_CHECK})
        controls_[id].enabled = false;
    controls_[IDC_NEXT].caption = L"&New";
    controls_[IDC_CHECK].caption = L"&Check";
    controls_[IDC_MODE].caption = L"Edit &Mode >>";
    controls_[IDC_SAVE].picture = IDI_SAVE_GREY;
}

// A numeric field: the digits it starts with, 0 when there are none.
unsigned ControlTable::pointsValue() const
{
    return static_cast<unsigned>(std::wcstoul(controls_[IDC_POINTS].caption.c_str(), nullptr, 10));
}

void ControlTable::setSaveIcon(int icon) { controls_[IDC_SAVE].picture = icon; }

void ControlTable::showResult(int answer, int total, const ScoreResult& result)
{
    ++results_;
    lastResult_ = {answer, total, result, hand_ != nullptr ? *hand_ : Hand{}};
}

TrainerSession::TrainerSession()
{
    view_.hand_ = &trainer_.hand();
    trainer_.start();
    repaint();
}

void TrainerSession::click(int id)
{
    if (!view_.isEnabled(id))
        return;
    view_.setFocus(id);
    const bool source = id == IDC_WALL || id == IDC_DISCARD;
    if (source || inRange(id, IDC_ADD_CHOW, IDC_ADD_WINNING_TILE)) {
        const int first = source ? IDC_WALL : IDC_ADD_CHOW;
        const int last = source ? IDC_DISCARD : IDC_ADD_WINNING_TILE;
        for (int other = first; other <= last; ++other)
            view_.setChecked(other, other == id);
    } else if (inRange(id, IDC_LAST_TILE_IN_GAME, IDC_ROBBING_THE_KONG)) {
        view_.setChecked(id, !view_.isChecked(id));
    }
    command(id);
}

void TrainerSession::type(const std::wstring& text)
{
    if (!view_.isEnabled(IDC_POINTS))
        return;
    view_.setCaption(IDC_POINTS, text.c_str());
    trainer_.onCommand(IDC_POINTS, EditChanged);
    repaint();
}

void TrainerSession::enter(int focusId)
{
    view_.setFocus(focusId);
    command(OkCommand);
}

void TrainerSession::clickPaletteTile(TileId tile)
{
    if (FirstTile <= tile && tile <= LastTile)
        clickAt(paletteTileX(tile) + 20, paletteTileY(tile) + 25);
}

// The middle of an item lies in no other: neighbours overlap by 3 pixels only.
void TrainerSession::clickHandItem(int index)
{
    const HitTable& hits = trainer_.hitTable();
    if (index < 0 || index >= hits.count)
        return;
    const HitRect& r = hits.rects[static_cast<std::size_t>(index)];
    clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void TrainerSession::load(const Hand& hand)
{
    trainer_.loadHand(hand);
    repaint();
    if (!trainer_.editMode())
        click(IDC_MODE);
}

// A command, then what it posted (Enter posts "&Check"), then the repaint.
void TrainerSession::command(int id)
{
    trainer_.onCommand(id, 0);
    while (!view_.posted_.empty()) {
        const int posted = view_.posted_.front();
        view_.posted_.erase(view_.posted_.begin());
        trainer_.onCommand(posted, 0);
    }
    repaint();
}

void TrainerSession::clickAt(int x, int y)
{
    trainer_.onLeftButtonDown(x, y);
    repaint();
}

// The whole client area each time, so that the hit table is rebuilt after every change.
void TrainerSession::repaint()
{
    Recorder recorder(drawn_);
    trainer_.paint(recorder, wholeClient);
}

}  // namespace fanwright::ui
