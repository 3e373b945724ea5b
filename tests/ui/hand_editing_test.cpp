// Building hands by clicks in edit mode: each row clicks add-mode radios, palette tiles, hand
// tiles and situation controls from an empty hand, then reads back what the window shows.
#include "fake_main_window.h"

#include "ui/texts.h"

#include <gtest/gtest.h>

#include <span>
#include <sstream>
#include <string>

namespace fanwright::ui::test {
namespace {

struct Named {
    const char* name;
    int id;
};

const Named radios[] = {{"chow", IDC_ADD_CHOW},           {"pung", IDC_ADD_PUNG},
                        {"mkong", IDC_ADD_MELDED_KONG},   {"ckong", IDC_ADD_CONCEALED_KONG},
                        {"tile", IDC_ADD_CONCEALED_TILE}, {"win", IDC_ADD_WINNING_TILE}};
const Named situation[] = {{"wall", IDC_WALL},
                           {"disc", IDC_DISCARD},
                           {"game", IDC_LAST_TILE_IN_GAME},
                           {"kind", IDC_LAST_TILE_OF_KIND},
                           {"repl", IDC_REPLACEMENT_TILE},
                           {"rob", IDC_ROBBING_THE_KONG},
                           {"winds", IDC_PREVALENT_PREVIOUS},
                           {"calc", IDC_CHECK}};
// What a word of a row clicks, besides the radios and the first six situation controls.
const Named buttons[] = {{"p<", IDC_PREVALENT_PREVIOUS},
                         {"p>", IDC_PREVALENT_NEXT},
                         {"s<", IDC_SEAT_PREVIOUS},
                         {"s>", IDC_SEAT_NEXT},
                         {"clear", IDC_CLEAR}};

int find(std::span<const Named> table, const std::string& word)
{
    for (const Named& n : table) {
        if (word == n.name)
            return n.id;
    }
    return 0;
}

struct Editor {
    GeneratorSettings settings;
    FakeMainWindow view;
    Trainer trainer{view, settings};

    Editor()
    {
        trainer.start();
        view.click(trainer, IDC_MODE);
    }

    // Words: a radio or situation name clicks it, a tile name clicks it in the palette,
    // "@x,y" clicks that point, and p< p> s< s> clear click those buttons.
    void run(const std::string& script)
    {
        std::istringstream words(script);
        for (std::string word; words >> word;) {
            if (word[0] == '@') {
                const auto comma = word.find(',');
                view.clickAt(trainer, std::stoi(word.substr(1, comma - 1)),
                             std::stoi(word.substr(comma + 1)));
            } else if (const int id = idOf(word); id != 0) {
                view.click(trainer, id);
            } else {
                const TileId t = tileOf(word);
                ASSERT_NE(t, NoTile) << word;
                view.clickAt(trainer, paletteTileX(t) + 20, paletteTileY(t) + 25);
            }
        }
    }

    static int idOf(const std::string& word)
    {
        const int id = find(radios, word) + find(buttons, word);
        return id != 0 ? id : find(std::span(situation).first(6), word);
    }

    static TileId tileOf(const std::string& name)
    {
        for (TileId t = FirstTile; t <= LastTile; ++t) {
            if (tileName(t) == name)
                return t;
        }
        return NoTile;
    }

    // What the window shows under one key, in the words the rows use.
    std::string observe(const std::string& key)
    {
        auto names = [&](auto& table, auto test) {
            std::string list;
            for (const Named& n : table) {
                if (!test(n.id))
                    continue;
                if (!list.empty())
                    list += ',';
                list += n.name;
            }
            return list;
        };
        const auto& c = view.controls;
        if (key == "hand") {
            Hand copy = trainer.hand();
            return copy.toLogText();
        }
        if (key == "mode")
            return names(radios, [&](int id) { return c.count(id) && c.at(id).checked; });
        if (key == "radios")
            return names(radios, [&](int id) { return view.isEnabled(id); });
        if (key == "on")
            return names(situation, [&](int id) { return view.isEnabled(id); });
        if (key == "checked")
            return names(situation, [&](int id) { return view.isChecked(id); });
        if (key == "boxes")
            return std::to_string(view.windPictures[IDC_PREVALENT_BOX]) + "," +
                   std::to_string(view.windPictures[IDC_SEAT_BOX]);
        if (key == "save")
            return view.saveIcon == IDI_SAVE ? "on" : "grey";
        if (key == "focus")
            return std::to_string(view.focus);
        if (key == "status")
            return view.status[1] == text::StatusDefineSituation ? "define" : "other";
        return "unknown key " + key;
    }
};

struct EditRow {
    const char* script;
    const char* expected;  // key=value pairs; only these keys are compared
};

const EditRow editRows[] = {
    // Chows by their middle tile; 1s, 9s and honours are no middles.
    {"chow 1b 9b we", "hand=emffffememn mode=chow"},
    {"chow 2b", "hand=ch2bemffffememn mode=chow radios=chow,pung,mkong,ckong,tile,win"},
    // Copy limits: a second pung of a tile is refused, a fourth copy accepted, a fifth not;
    // a kong needs a tile not yet held.
    {"pung 5c 5c", "hand=pu5cemffffememn"},
    {"pung 5c tile 5c 5c", "hand=pu5c5cemffffememn mode=tile"},
    {"chow 3b mkong 2b 3b 5b", "hand=ch3bmk5bemffffememn mode=mkong"},
    {"tile 5b ckong 5b", "hand=5bemffffememn mode=ckong"},
    // Mode changes as the hand fills up.
    {"pung 1b 2b 3b 4b", "mode=tile radios=tile,win"},
    {"pung 1b 2b 3b 4b tile 5b", "mode=win radios=win"},
    {"win 7d", "hand=7dffffememn mode=tile"},
    {"pung 1b 2b 3b 4b tile 5b 5b 7d",
     "hand=pu1bpu2bpu3bpu4b5b5bffffememn mode= radios= on=wall,disc,game checked= boxes=0,0 "
     "focus=1001 status=define"},
    {"pung 1b 2b 3b 4b tile 5b 5b wall", "on=wall,disc,game,calc checked=wall save=on"},
    {"pung 1b 2b 3b 4b tile 5b 9b", "on=wall,disc,game,kind"},
    // The winning tile as the fourth visible copy: "Last Tile of its Kind" is forced.
    {"pung 5c 1b 2b chow 3d tile dr win 5c", "on=wall,disc,game checked=kind"},
    // Winds matter with a wind pung, unless every wind is a pung.
    {"pung we 1b 2b 3b tile 5b 5b", "on=wall,disc,game,winds boxes=35,35"},
    {"pung we 1b 2b 3b tile 5b 5b wall p>", "on=wall,disc,game,winds boxes=28,35 save=grey"},
    {"pung we 1b 2b 3b tile 5b 5b p< s> s>", "on=wall,disc,game,winds boxes=31,29"},
    {"pung we 1b 2b 3b tile 5b 5b wall p< s> p> s< s<",
     "on=wall,disc,game,winds,calc boxes=28,30 save=on"},
    {"pung we ws ww wn tile dr dr", "on=wall,disc,game boxes=0,0"},
    // Replacement needs a kong and the wall; robbing a discard and the only copy.
    {"mkong 1b pung 2b 3b 4b tile 5b 9b wall", "on=wall,disc,game,kind,repl,calc"},
    {"mkong 1b pung 2b 3b 4b tile 5b 9b wall repl disc",
     "on=wall,disc,game,kind,rob,calc checked=disc"},
    {"mkong 1b pung 2b 3b 4b tile 5b 5b disc", "on=wall,disc,game,calc"},
    // Removals: the clicked set or tile goes, its kind becomes the add mode.
    {"pung 5c chow 3b @230,45", "hand=pu5cemffffememn mode=chow"},
    {"pung 5c chow 3b @150,45", "hand=pu5cch3bemffffememn"},
    {"tile 1b 2b @61,120", "hand=1bemffffememn mode=tile"},
    {"mkong 5b @60,16", "hand=mk5bemffffememn"},
    {"mkong 5b @60,20", "hand=emffffememn mode=mkong"},
    {"pung 1b 2b 3b 4b tile 5b 5b wall @40,125",
     "hand=pu1bpu2bpu3bpu4b5bffffememw mode=tile on= checked= boxes=0,0 save=grey"},
    {"pung 1b 2b 3b 4b tile 5b 5b wall @580,125", "mode=win radios=win on= save=grey"},
    {"pung we 1b 2b 3b tile 5b 5b wall p> s> clear",
     "hand=emffffememn mode=tile radios=chow,pung,mkong,ckong,tile,win on= checked= boxes=0,0"},
};

TEST(HandEditing, ClicksBuildTheHandAndSetTheControls)
{
    for (const EditRow& row : editRows) {
        SCOPED_TRACE(row.script);
        Editor editor;
        editor.run(row.script);
        std::istringstream pairs(row.expected);
        for (std::string pair; pairs >> pair;) {
            const auto eq = pair.find('=');
            EXPECT_EQ(editor.observe(pair.substr(0, eq)), pair.substr(eq + 1))
                << "key " << pair.substr(0, eq);
        }
    }
}

}  // namespace
}  // namespace fanwright::ui::test
