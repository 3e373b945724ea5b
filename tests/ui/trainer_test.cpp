// The trainer's states and commands: rows of a person's actions from the start, then the
// state, the buttons, the texts and the counters they leave.
#include "fake_main_window.h"

#include <gtest/gtest.h>

namespace fanwright::ui::test {
namespace {

const Row transitions[] = {
    {"", "state=idle buttons=next captions=check,new,edit help=welcome focus=1027 score=0:0"},
    {"type:12 enter", "state=idle buttons=next results=0"},
    {"next",
     "state=answering buttons=next,points captions=check,next,edit help=enter "
     "focus=1033 save=on"},
    {"next type:0", "buttons=next,points"},
    {"next type:12", "buttons=calc,next,points"},
    // A win source chosen before answering opens "Check" too.
    {"next wall", "state=answering buttons=calc,next,points"},
    {"next type:right check",
     "state=idle buttons=calc,next captions=calculate,next,edit "
     "help=press focus=1027 score=1:0 results=1"},
    {"next type:wrong check", "state=idle score=0:1 results=1"},
    // Enter in the empty field checks with no answer, which counts as wrong.
    {"next enter", "state=idle buttons=next score=0:1 results=1 answer=0 focus=1027"},
    {"next type:right check check", "score=1:0 results=2 answer=0"},
    {"next type:right check next type:wrong enter", "score=1:1 results=2"},
    // Switching modes drops a pending answer uncounted.
    {"next type:12 mode",
     "state=editing buttons=calc captions=calculate,next,test "
     "help=you focus=1028 score=0:0 typed="},
    {"mode", "state=editing buttons= captions=calculate,new,test"},
    {"next mode check", "state=editing help=you focus=1009 score=0:0 results=1 answer=0"},
    {"next mode mode",
     "state=idle buttons=calc,next captions=calculate,next,edit help=press "
     "focus=1027"},
    {"next mode mode check", "state=idle score=0:0 results=1 answer=0"},
    // Saving needs a complete hand and an open log.
    {"save settings about", "dialogs=0,1,1"},
    {"next save", "dialogs=1,0,0"},
    {"next closed-log save", "dialogs=0,0,0"},
};

TEST(Trainer, Transitions) { expectRows(transitions, ""); }

}  // namespace
}  // namespace fanwright::ui::test
