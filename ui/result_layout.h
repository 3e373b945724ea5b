// What the result window shows and where, worked out from the scoring alone: the window only
// creates the items this lists, so every text and rectangle can be checked without a screen.
#pragma once

#include "scoring/scoring.h"

#include <string>
#include <vector>

namespace fanwright::ui {

enum class ResultItemKind {
    Text,         // a static, left-aligned
    CentredText,  // a static, centred: the labels of the reading
    Icon,         // the verdict icon; `picture` is its resource id
    Tile,         // a small tile picture; `picture` is its TileId
    Separator,    // an etched line
    OkButton,     // the default push button, command 1
};

enum class FontRole { Normal, Points, Bold, Link };

struct ResultItem {
    ResultItemKind kind;
    int x;
    int y;
    int width;
    int height;
    std::wstring text = {};
    FontRole font = FontRole::Normal;
    int picture = 0;

    bool operator==(const ResultItem&) const = default;
};

struct ResultLayout {
    std::wstring title;
    int clientWidth = 0;
    int clientHeight = 0;
    std::vector<ResultItem> items;  // in the order the controls are created
};

// `answer` 0: nothing to judge; `total` 0: the hand has no reading.
ResultLayout layoutResult(int answer, int total, const ScoreResult& result);

}  // namespace fanwright::ui
