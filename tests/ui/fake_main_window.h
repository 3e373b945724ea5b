// A main window made of a table of control states, a person's actions on it written as words,
// and what it shows read back as words: the trainer's tests are rows of both.
#pragma once

#include "scoring/scoring.h"
#include "test_support.h"
#include "ui/layout.h"
#include "ui/resource_ids.h"
#include "ui/trainer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <map>
#include <sstream>
#include <string>
#include <utility>
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
    bool checked = false, enabled = true;
    std::wstring caption;
    int picture = 0;  // a wind box's tile, the save button's icon
};

struct FakeMainWindow : MainWindowView {
    mutable std::map<int, Control> controls;
    std::wstring status[3];
    int focus = 0, results = 0, lastAnswer = -1, dialogs[3] = {};
    bool invalidated = false, logOpen = true;
    std::vector<int> posted;

    FakeMainWindow()  // the states the controls are created with
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

    bool isChecked(int id) const override { return controls[id].checked; }
    void setChecked(int id, bool on) override { controls[id].checked = on; }
    bool isEnabled(int id) const override { return controls[id].enabled; }
    void setEnabled(int id, bool on) override { controls[id].enabled = on; }
    void setCaption(int id, const wchar_t* text) override { controls[id].caption = text; }
    void setFocus(int id) override { focus = id; }
    bool hasFocus(int id) const override { return focus == id; }
    void redraw(int) override {}
    unsigned pointsValue() const override
    {
        return static_cast<unsigned>(std::wcstoul(controls[IDC_POINTS].caption.c_str(), {}, 10));
    }
    void setStatus(int part, const wchar_t* text) override { status[part] = text; }
    void showWindPicture(int box, int picture) override { controls[box].picture = picture; }
    void setSaveIcon(int icon) override { controls[IDC_SAVE].picture = icon; }
    void invalidate(const Rect&, bool) override { invalidated = true; }
    void postCommand(int id) override { posted.push_back(id); }
    void setCursor(CursorKind) override {}
    void enterEditLayout() override {}
    void enterTestLayout() override {}
    void showResult(int answer, int, const ScoreResult&) override
    {
        ++results;
        lastAnswer = answer;
    }
    void openSaveHandDialog() override { ++dialogs[0]; }
    void openSettingsSheet() override { ++dialogs[1]; }
    void openAboutDialog() override { ++dialogs[2]; }
    bool logFileOpen() const override { return logOpen; }
};

// The controls by the words the rows use, in groups: r the add-mode radios, c the situation
// check boxes and win-source radios, w the winds, b the answering buttons.
struct Named {
    const char* name;
    int id;
    char group = 0;
};
// clang-format off
inline constexpr Named named[] = {
    {"chow", IDC_ADD_CHOW, 'r'}, {"pung", IDC_ADD_PUNG, 'r'}, {"mkong", IDC_ADD_MELDED_KONG, 'r'},
    {"ckong", IDC_ADD_CONCEALED_KONG, 'r'}, {"tile", IDC_ADD_CONCEALED_TILE, 'r'},
    {"win", IDC_ADD_WINNING_TILE, 'r'}, {"wall", IDC_WALL, 'c'}, {"disc", IDC_DISCARD, 'c'},
    {"game", IDC_LAST_TILE_IN_GAME, 'c'}, {"kind", IDC_LAST_TILE_OF_KIND, 'c'},
    {"repl", IDC_REPLACEMENT_TILE, 'c'}, {"rob", IDC_ROBBING_THE_KONG, 'c'},
    {"winds", IDC_PREVALENT_PREVIOUS, 'w'}, {"calc", IDC_CHECK, 'b'}, {"next", IDC_NEXT, 'b'},
    {"points", IDC_POINTS, 'b'}, {"check", IDC_CHECK}, {"mode", IDC_MODE}, {"save", IDC_SAVE},
    {"settings", IDC_SETTINGS}, {"about", IDC_BANNER}, {"clear", IDC_CLEAR},
    {"p<", IDC_PREVALENT_PREVIOUS}, {"p>", IDC_PREVALENT_NEXT}, {"s<", IDC_SEAT_PREVIOUS},
    {"s>", IDC_SEAT_NEXT}};
// clang-format on

// "&Calculate" reads "calculate", "Edit &Mode >>" reads "edit".
inline std::string firstWord(const std::wstring& text)
{
    std::string word;
    for (wchar_t c : text.substr(0, text.find(L' ')))
        word += c == L'&' ? "" : std::string(1, static_cast<char>(c | 0x20));
    return word;
}

// The window, its trainer, and a person at the controls.
struct Session {
    GeneratorSettings settings;
    FakeMainWindow view;
    Trainer trainer{view, settings};

    Session() { trainer.start(); }

    // Words: a control's name clicks it, a tile name clicks it in the palette, "@x,y" clicks
    // that point, "type:N" (or type:right, type:wrong) types into the points field, "enter"
    // presses Enter, "closed-log" loses the log file.
    void run(const std::string& script)
    {
        std::istringstream words(script);
        for (std::string word; words >> word;) {
            const auto control = std::ranges::find(named, word, &Named::name);
            if (word.starts_with("type:"))
                type(word.substr(5));
            else if (word == "enter")
                command(1);
            else if (word == "closed-log")
                view.logOpen = false;
            else if (word[0] == '@')
                clickAt(std::stoi(word.substr(1)), std::stoi(word.substr(word.find(',') + 1)));
            else if (control != std::end(named))
                click(control->id);
            else
                clickAt(paletteTileX(fanwright::test::tile(word)) + 20,
                        paletteTileY(fanwright::test::tile(word)) + 25);
        }
    }

    // A click takes the focus; radios check themselves and clear their group, boxes toggle.
    // Disabled controls take no clicks.
    void click(int id)
    {
        if (!view.isEnabled(id))
            return;
        view.focus = id;
        const bool source = id == IDC_WALL || id == IDC_DISCARD;
        if (source || (id >= IDC_ADD_CHOW && id <= IDC_ADD_WINNING_TILE)) {
            for (int other = source ? IDC_WALL : IDC_ADD_CHOW;
                 other <= (source ? IDC_DISCARD : IDC_ADD_WINNING_TILE); ++other)
                view.setChecked(other, other == id);
        } else if (id >= IDC_LAST_TILE_IN_GAME && id <= IDC_ROBBING_THE_KONG) {
            view.setChecked(id, !view.isChecked(id));
        }
        command(id);
    }

    void type(const std::string& value)
    {
        Hand copy = trainer.hand();
        ScoreResult result;
        const int total = scoreHand(copy, result);
        const int n = value == "right" ? total : value == "wrong" ? total + 1 : std::stoi(value);
        if (!view.isEnabled(IDC_POINTS))
            return;
        view.setCaption(IDC_POINTS, std::to_wstring(n).c_str());
        trainer.onCommand(IDC_POINTS, 0x0300);
    }

    // A command, then what it posted, then the repaint of whatever it invalidated.
    void command(int id)
    {
        trainer.onCommand(id, 0);
        for (; !view.posted.empty(); view.posted.erase(view.posted.begin()))
            trainer.onCommand(view.posted.front(), 0);
        clickAt(-1, -1);
    }

    // A click off every tile does nothing but repaint.
    void clickAt(int x, int y)
    {
        trainer.onLeftButtonDown(x, y);
        RecordingCanvas canvas;
        if (std::exchange(view.invalidated, false))
            trainer.paint(canvas, {0, 0, 670, 503});
    }

    // What the window shows under one key, in the words the rows use.
    std::string observe(const std::string& key)
    {
        const auto names = [&](const char* groups, bool Control::*state) {
            std::string list;
            for (const Named& n : named) {
                if (n.group != 0 && std::strchr(groups, n.group) && view.controls[n.id].*state)
                    list.append(list.empty() ? "" : ",").append(n.name);
            }
            return list;
        };
        const auto caption = [&](int id) { return firstWord(view.controls[id].caption); };
        const auto number = [&](int n) { return std::to_string(n); };
        const TrainerState state = trainer.state();
        const std::map<std::string, std::string> shown = {
            {"state", state == TrainerState::TestIdle  ? "idle"
                      : state == TrainerState::Editing ? "editing"
                                                       : "answering"},
            {"hand", Hand(trainer.hand()).toLogText()},
            {"mode", names("r", &Control::checked)},
            {"radios", names("r", &Control::enabled)},
            {"on", names("cw", &Control::enabled)},
            {"checked", names("c", &Control::checked)},
            {"buttons", names("b", &Control::enabled)},
            {"captions", caption(IDC_CHECK) + "," + caption(IDC_NEXT) + "," + caption(IDC_MODE)},
            {"boxes", number(view.controls[IDC_PREVALENT_BOX].picture) + "," +
                          number(view.controls[IDC_SEAT_BOX].picture)},
            {"save", view.controls[IDC_SAVE].picture == IDI_SAVE ? "on" : "grey"},
            {"focus", number(view.focus)},
            {"typed", caption(IDC_POINTS)},
            {"help", firstWord(view.status[1])},
            {"score", firstWord(view.status[2].substr(view.status[2].find(L' ') + 1))},
            {"results", number(view.results)},
            {"answer", number(view.lastAnswer)},
            {"dialogs", number(view.dialogs[0]) + "," + number(view.dialogs[1]) + "," +
                            number(view.dialogs[2])},
        };
        const auto found = shown.find(key);
        return found != shown.end() ? found->second : "unknown key";
    }

    // Compares every key=value pair of `expected` with what the window shows.
    void expect(const std::string& expected)
    {
        std::istringstream pairs(expected);
        for (std::string pair; pairs >> pair;) {
            const auto eq = pair.find('=');
            EXPECT_EQ(observe(pair.substr(0, eq)), pair.substr(eq + 1)) << pair.substr(0, eq);
        }
    }
};

// A person's actions and what the window then shows, as key=value pairs read by observe.
struct Row {
    const char* script;
    const char* expected;
};

// Runs each row in a fresh session dealing from the same seed, after `before` (a step every
// row shares).
template <class Rows>
void expectRows(const Rows& rows, const char* before)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.script);
        seedRandom(20240611u);
        Session s;
        s.run(before);
        s.run(row.script);
        s.expect(row.expected);
    }
}

}  // namespace fanwright::ui::test
