// A main window made of a table of control states, and a person's actions on it: what the
// trainer's tests drive instead of real controls.
#pragma once

#include "hand/scoring.h"
#include "ui/layout.h"
#include "ui/resource_ids.h"
#include "ui/trainer.h"

#include <map>
#include <string>
#include <vector>

namespace fanwright::ui::test {

struct Drawn {
    int picture, x, y;
    bool greyed;
    bool operator==(const Drawn&) const = default;
};

struct RecordingCanvas : TileCanvas {
    std::vector<Drawn> drawn;
    void drawTile(int picture, int x, int y, bool greyed) override
    {
        drawn.push_back({picture, x, y, greyed});
    }
};

struct Control {
    bool checked = false;
    bool enabled = true;
    std::wstring caption;
};

class FakeMainWindow : public MainWindowView {
public:
    std::map<int, Control> controls;
    int focus = 0;
    std::wstring status[3];
    std::map<int, int> windPictures;
    int saveIcon = IDI_SAVE_GREY;
    std::vector<Rect> invalidated;
    std::vector<int> posted;
    CursorKind cursor = CursorKind::Arrow;
    bool editLayout = false;
    bool logOpen = true;
    int results = 0, lastAnswer = -1, lastTotal = -1, saveDialogs = 0, settingsSheets = 0,
        aboutDialogs = 0;

    // The states the controls are created with.
    FakeMainWindow()
    {
        for (int id : {IDC_LAST_TILE_IN_GAME, IDC_LAST_TILE_OF_KIND, IDC_REPLACEMENT_TILE,
                       IDC_ROBBING_THE_KONG, IDC_PREVALENT_LABEL, IDC_PREVALENT_PREVIOUS,
                       IDC_PREVALENT_NEXT, IDC_SEAT_LABEL, IDC_SEAT_PREVIOUS, IDC_SEAT_NEXT,
                       IDC_WALL, IDC_DISCARD, IDC_POINTS, IDC_POINTS_SPIN, IDC_CHECK})
            controls[id].enabled = false;
        controls[IDC_NEXT].caption = L"&New";
        controls[IDC_CHECK].caption = L"&Check";
        controls[IDC_MODE].caption = L"Edit &Mode >>";
    }

    bool isChecked(int id) const override { return control(id).checked; }
    void setChecked(int id, bool on) override { controls[id].checked = on; }
    bool isEnabled(int id) const override { return control(id).enabled; }
    void setEnabled(int id, bool on) override { controls[id].enabled = on; }
    void setCaption(int id, const wchar_t* text) override { controls[id].caption = text; }
    void setFocus(int id) override { focus = id; }
    bool hasFocus(int id) const override { return focus == id; }
    void redraw(int) override {}
    unsigned pointsValue() const override
    {
        const std::wstring& text = control(IDC_POINTS).caption;
        if (text.empty() || text.find_first_not_of(L"0123456789") != std::wstring::npos)
            return 0;
        return static_cast<unsigned>(std::stoul(text));
    }
    void setStatus(int part, const wchar_t* text) override { status[part] = text; }
    void showWindPicture(int boxId, int picture) override { windPictures[boxId] = picture; }
    void setSaveIcon(int iconId) override { saveIcon = iconId; }
    void invalidate(const Rect& rect, bool) override { invalidated.push_back(rect); }
    void postCommand(int id) override { posted.push_back(id); }
    void setCursor(CursorKind kind) override { cursor = kind; }
    void enterEditLayout() override { editLayout = true; }
    void enterTestLayout() override { editLayout = false; }
    void showResult(int answer, int total, const ScoreResult&) override
    {
        ++results;
        lastAnswer = answer;
        lastTotal = total;
    }
    void openSaveHandDialog() override { ++saveDialogs; }
    void openSettingsSheet() override { ++settingsSheets; }
    void openAboutDialog() override { ++aboutDialogs; }
    bool logFileOpen() const override { return logOpen; }

    // A click on a button: it takes the focus; radios check themselves and clear their group,
    // boxes toggle. Disabled controls take no clicks.
    void click(Trainer& trainer, int id)
    {
        if (!controls[id].enabled)
            return;
        focus = id;
        const bool winSource = id == IDC_WALL || id == IDC_DISCARD;
        const bool addMode = id >= IDC_ADD_CHOW && id <= IDC_ADD_WINNING_TILE;
        if (winSource || addMode) {
            for (int other = winSource ? IDC_WALL : IDC_ADD_CHOW;
                 other <= (winSource ? IDC_DISCARD : IDC_ADD_WINNING_TILE); ++other)
                controls[other].checked = other == id;
        } else if (id >= IDC_LAST_TILE_IN_GAME && id <= IDC_ROBBING_THE_KONG) {
            controls[id].checked = !controls[id].checked;
        }
        command(trainer, id);
    }

    void type(Trainer& trainer, const wchar_t* text)
    {
        if (!controls[IDC_POINTS].enabled)
            return;
        controls[IDC_POINTS].caption = text;
        trainer.onCommand(IDC_POINTS, 0x0300);
    }

    // A command, then what it posted, then the repaint of whatever it invalidated.
    void command(Trainer& trainer, int id)
    {
        trainer.onCommand(id, 0);
        while (!posted.empty()) {
            const int next = posted.front();
            posted.erase(posted.begin());
            trainer.onCommand(next, 0);
        }
        repaint(trainer);
    }

    void clickAt(Trainer& trainer, int x, int y)
    {
        trainer.onLeftButtonDown(x, y);
        repaint(trainer);
    }

    void repaint(Trainer& trainer)
    {
        if (invalidated.empty())
            return;
        RecordingCanvas canvas;
        trainer.paint(canvas, {0, 0, 670, 503});
        invalidated.clear();
    }

private:
    Control control(int id) const
    {
        const auto found = controls.find(id);
        return found == controls.end() ? Control{} : found->second;
    }
};

}  // namespace fanwright::ui::test
