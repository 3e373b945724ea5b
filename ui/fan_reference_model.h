// What the fan reference shows: the 81 fans as rows, the row a typed name selects, and for one
// fan its rule, its example hand with what the example scores, and the fans never counted
// beside it. No Windows here.
#pragma once

#include "ui/result_layout.h"

#include <string>
#include <string_view>
#include <vector>

namespace fanwright::ui {

struct FanRow {
    int fan;
    std::wstring number;
    std::wstring name;
    std::wstring points;
};

// The 81 fans in fan order: row i is fan i + 1.
std::vector<FanRow> fanReferenceRows();

// The row a typed text selects, -1 for none. Digits name a fan by its number. Otherwise the
// names that start with the text, case aside, and of those the first in alphabetical order,
// so that "Seven" finds "Seven Pairs" before "Seven Shifted Pairs".
int rowForTyped(std::wstring_view typed);

// Characters typed with short pauses between them make one text, as in a list of names.
class TypeAhead {
public:
    static constexpr unsigned Pause = 1000;  // ms; a longer one starts a new text

    // The text typed so far, ending with `c`, typed at `time` (ms); empty when `c` cannot
    // start a text (a control character, or a space first) and so is left to the list.
    std::wstring_view type(wchar_t c, unsigned time);

private:
    std::wstring typed_;
    unsigned last_ = 0;
};

struct FanPage {
    std::wstring title;     // the name
    std::wstring subtitle;  // "Fan 19, 24 points"
    std::wstring rule;
    std::wstring won;                 // how the example was won, and its winds
    std::wstring scores;              // "This example scores 26: Seven Pairs 24, ..."
    std::vector<ResultItem> example;  // the example's pictures, from (left, tilesY)
    std::wstring neverLabel;
    std::vector<int> neverBeside;  // in fan order
};

FanPage fanPage(int fan, int left, int tilesY);

}  // namespace fanwright::ui
