// The trainer behind a window made of a table of control states, for a face that draws the
// window itself (the browser page): a person's clicks, typing and Enter reach the trainer as
// the Win32 controls would pass them on, and what the window would show is read back here.
#pragma once

#include "generator/settings.h"
#include "scoring/scoring.h"
#include "ui/main_window_view.h"
#include "ui/trainer.h"

#include <map>
#include <string>
#include <vector>

namespace fanwright::ui {

// A control's state as the window keeps it.
struct ControlState {
    bool checked = false;
    bool enabled = true;
    std::wstring caption;
    int picture = 0;  // a wind box's tile, the save button's icon
};

// A picture the trainer painted, in paint order.
struct DrawnTile {
    int picture, x, y;
    bool greyed;
};

// What the last check or calculation showed: the result window's input.
struct ShownResult {
    int answer = 0;
    int total = 0;
    ScoreResult result;
    Hand hand;  // the hand as scored, its situation copied in from the controls
};

class ControlTable final : public MainWindowView {
public:
    ControlTable();  // the states the main window creates its controls with

    const ControlState& control(int id) const { return controls_[id]; }
    int focus() const { return focus_; }
    const std::wstring& status(int part) const { return status_[part]; }
    // How often each modal window was asked for: the page opens its own.
    int results() const { return results_; }
    int saveRequests() const { return dialogs_[0]; }
    int settingsRequests() const { return dialogs_[1]; }
    int aboutRequests() const { return dialogs_[2]; }
    const ShownResult& lastResult() const { return lastResult_; }

    bool isChecked(int id) const override { return controls_[id].checked; }
    void setChecked(int id, bool on) override { controls_[id].checked = on; }
    bool isEnabled(int id) const override { return controls_[id].enabled; }
    void setEnabled(int id, bool on) override { controls_[id].enabled = on; }
    void setCaption(int id, const wchar_t* text) override { controls_[id].caption = text; }
    void setFocus(int id) override { focus_ = id; }
    bool hasFocus(int id) const override { return focus_ == id; }
    void redraw(int) override {}
    unsigned pointsValue() const override;
    void setStatus(int part, const wchar_t* text) override { status_[part] = text; }
    void showWindPicture(int box, int picture) override { controls_[box].picture = picture; }
    void setSaveIcon(int icon) override;
    void invalidate(const Rect&, bool) override {}
    void postCommand(int id) override { posted_.push_back(id); }
    void setCursor(CursorKind) override {}
    void enterEditLayout() override {}
    void enterTestLayout() override {}
    void showResult(int answer, int total, const ScoreResult& result) override;
    void openSaveHandDialog() override { ++dialogs_[0]; }
    void openSettingsSheet() override { ++dialogs_[1]; }
    void openAboutDialog() override { ++dialogs_[2]; }
    bool logFileOpen() const override { return true; }  // the page keeps its log itself

private:
    friend class TrainerSession;
    mutable std::map<int, ControlState> controls_;
    std::wstring status_[3];
    int focus_ = 0;
    int results_ = 0;
    int dialogs_[3] = {};
    std::vector<int> posted_;
    ShownResult lastResult_;
    const Hand* hand_ = nullptr;  // the trainer's, copied into a shown result
};

class TrainerSession {
public:
    TrainerSession();

    // A click on a control by id: refused when it is disabled; it takes the focus, a radio
    // checks itself and clears its group, a check box toggles; then the command, what it
    // posted, and the repaint.
    void click(int id);
    // Replaces the points field's text, as typing into it does.
    void type(const std::wstring& text);
    // Enter, with the focus on `focusId` (the dialog keyboard handling sends IDOK).
    void enter(int focusId);
    // A click on palette tile `tile`, or on the clickable item `index` of the painted hand
    // (declared sets, concealed tiles, the winning tile, in that order).
    void clickPaletteTile(TileId tile);
    void clickHandItem(int index);
    // Shows `hand` in edit mode, as a dealt hand is shown, ready for "&Calculate".
    void load(const Hand& hand);

    const Trainer& trainer() const { return trainer_; }
    const ControlTable& view() const { return view_; }
    const GeneratorSettings& settings() const { return settings_; }
    GeneratorSettings& settings() { return settings_; }
    // The last paint: the hand, then in edit mode the 34 palette tiles.
    const std::vector<DrawnTile>& drawn() const { return drawn_; }

private:
    void command(int id);
    void clickAt(int x, int y);
    void repaint();

    GeneratorSettings settings_;
    ControlTable view_;
    Trainer trainer_{view_, settings_};
    std::vector<DrawnTile> drawn_;
};

}  // namespace fanwright::ui
