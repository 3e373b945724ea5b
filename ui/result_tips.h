// The tips of the result window's rows: over a fan row its rule and the fans it kept from
// counting; over the total row every fan not counted, and why, and how to see more.
#pragma once

#include "explain/explanation.h"
#include "scoring/scoring.h"
#include "ui/main_window_view.h"

#include <string>
#include <vector>

namespace fanwright::ui {

struct RowTip {
    Rect box;  // the row, in the result window's client pixels
    std::wstring text;
};

// The fan's rule; then, when the kept reading counts it and it excludes fans whose rules held,
// "Not counted beside it: " and those fans.
std::wstring fanRowTip(int fan, const Explanation& explanation);

// The kept reading's "Not counted:" lines, or a word that there are none, then the way to the
// explanation window.
std::wstring totalRowTip(const Explanation& explanation);

// One tip per fan row of the result window, in row order, then the total row's.
std::vector<RowTip> resultRowTips(const ScoreResult& result, const Explanation& explanation);

}  // namespace fanwright::ui
