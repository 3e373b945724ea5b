// Building hands by clicks in edit mode: each row clicks add-mode radios, palette tiles, hand
// tiles and situation controls from an empty hand, then reads back what the window shows.
#include "fake_main_window.h"

#include <gtest/gtest.h>

namespace fanwright::ui::test {
namespace {

const Row editRows[] = {
    // Chows by their middle tile; 1s, 9s and honours are no middles.
    {"chow 1b 9b we", "hand=emffffememn mode=chow"},
    {"chow 2b", "hand=ch2bemffffememn mode=chow radios=chow,pung,mkong,ckong,tile,win"},
    // Copy limits: no second pung of a tile, four copies at most, a kong only of a new tile.
    {"pung 5c 5c", "hand=pu5cemffffememn"},
    {"pung 5c tile 5c 5c", "hand=pu5c5cemffffememn mode=tile"},
    {"chow 3b mkong 2b 3b 5b", "hand=ch3bmk5bemffffememn mode=mkong"},
    {"tile 5b ckong 5b", "hand=5bemffffememn mode=ckong"},
    // The add mode follows the hand as it fills up.
    {"pung 1b 2b 3b 4b", "mode=tile radios=tile,win"},
    {"pung 1b 2b 3b 4b tile 5b", "mode=win radios=win"},
    {"win 7d", "hand=7dffffememn mode=tile"},
    {"pung 1b 2b 3b 4b tile 5b 5b 7d",
     "hand=pu1bpu2bpu3bpu4b5b5bffffememn mode= radios= "
     "on=wall,disc,game checked= boxes=0,0 focus=1001 "
     "help=define buttons="},
    {"pung 1b 2b 3b 4b tile 5b 5b wall", "buttons=calc checked=wall save=on"},
    {"pung 1b 2b 3b 4b tile 5b 9b", "on=wall,disc,game,kind"},
    // The winning tile as the fourth visible copy forces "Last Tile of its Kind".
    {"pung 5c 1b 2b chow 3d tile dr win 5c", "on=wall,disc,game checked=kind"},
    // Winds matter with a wind pung, unless every wind is a pung.
    {"pung we 1b 2b 3b tile 5b 5b", "on=wall,disc,game,winds boxes=35,35"},
    {"pung we 1b 2b 3b tile 5b 5b wall p>", "boxes=28,35 buttons= save=grey"},
    {"pung we 1b 2b 3b tile 5b 5b p< s> s>", "boxes=31,29 buttons="},
    {"pung we 1b 2b 3b tile 5b 5b wall p< s> p> s< s<", "boxes=28,30 buttons=calc save=on"},
    {"pung we ws ww wn tile dr dr", "on=wall,disc,game boxes=0,0"},
    // Replacement needs a kong and the wall; robbing a discard of the only copy.
    {"mkong 1b pung 2b 3b 4b tile 5b 9b wall", "on=wall,disc,game,kind,repl"},
    {"mkong 1b pung 2b 3b 4b tile 5b 9b wall repl disc",
     "on=wall,disc,game,kind,rob "
     "checked=disc"},
    {"mkong 1b pung 2b 3b 4b tile 5b 5b disc", "on=wall,disc,game buttons=calc"},
    // Removals: the clicked set or tile goes, its kind becomes the add mode; a kong's raised
    // tile above y 20 and the gap between sets hit nothing; on an overlap the right tile goes.
    {"pung 5c chow 3b @230,45", "hand=pu5cemffffememn mode=chow"},
    {"pung 5c chow 3b @144,45", "hand=pu5cch3bemffffememn"},
    {"pung 5c chow 3b @143,73", "hand=ch3bemffffememn mode=pung"},
    {"tile 1b 2b @61,120", "hand=1bemffffememn mode=tile"},
    {"mkong 5b @60,16", "hand=mk5bemffffememn"},
    {"mkong 5b @60,20", "hand=emffffememn mode=mkong"},
    {"pung 1b 2b 3b 4b tile 5b 5b wall @40,125",
     "hand=pu1bpu2bpu3bpu4b5bffffememw mode=tile on= checked= boxes=0,0 save=grey buttons="},
    {"pung 1b 2b 3b 4b tile 5b 5b wall @580,125", "mode=win radios=win on= save=grey"},
    {"pung we 1b 2b 3b tile 5b 5b wall p> s> clear",
     "hand=emffffememn mode=tile radios=chow,pung,mkong,ckong,tile,win on= checked= boxes=0,0"},
};

TEST(HandEditing, ClicksBuildTheHandAndSetTheControls) { expectRows(editRows, "mode"); }

}  // namespace
}  // namespace fanwright::ui::test
