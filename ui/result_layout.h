// What the result window shows and where, worked out from the scoring alone: the window only
// creates the items this lists, so every text and rectangle can be checked without a screen.
#pragma once

#include "scoring/scoring.h"

#include <cstdint>
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
    FanLink,      // a fan's name that opens the fan reference; `picture` is its FanId
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

// Where the fan rows start and how far apart they are; the total row follows the last.
inline constexpr int ResultFirstFanRowY = 214;
inline constexpr int ResultRowHeight = 16;
inline constexpr int ResultLeft = 20;
inline constexpr int ResultLineWidth = 400;

// The sets of one reading, however it is kept.
struct ReadingSets {
    std::int32_t setCount;
    const SetKind* kinds;
    const TileId* tiles;
    TileId pairTile;
};

// A reading drawn as the result window draws it, from x 20: each set's pictures at `tilesY`
// with its label centred under them, or one label for a special hand.
void addReadingItems(std::vector<ResultItem>& items, int tilesY, const ReadingSets& reading);

// The fan table: underlined headings at `headingY`, a row per counted fan, the bold total row
// showing `total`. Names are of `nameKind`, Text or FanLink. Returns the total row's y.
int addFanTable(std::vector<ResultItem>& items, int headingY, int total,
                const std::int32_t* fanCounts, ResultItemKind nameKind);

}  // namespace fanwright::ui
