// What the explanation window shows and where: the hand, how it was won, its waits, then every
// reading with its sets, fans, total and the fans it did not count. Worked out from the
// explanation alone, in content pixels from the top, so that the window only paints and
// scrolls it.
#pragma once

#include "explain/explanation.h"
#include "ui/main_window_view.h"
#include "ui/result_layout.h"

#include <string>
#include <vector>

namespace fanwright::ui {

struct ExplanationLayout {
    int width = 0;   // the narrowest client the content fits
    int height = 0;  // how far the content reaches: the scroll extent
    std::vector<ResultItem> items;
};

ExplanationLayout layoutExplanation(const Explanation& explanation);

// A hand as dealt, from `left`: each declared set's pictures at `tilesY` over its label, then
// the concealed tiles, then the winning tile set apart. Shared with the fan reference.
void addHandItems(std::vector<ResultItem>& items, int left, int tilesY, const Hand& hand);

// "Won on 5d, a discard; last tile of its kind." Then the winds, when the hand has them, as a
// second line; empty when it has none.
std::wstring wonLine(const Hand& hand);
std::wstring windsLine(const Hand& hand);

// The fan whose name is at content point (x, y), 0 for none.
int fanLinkAt(const std::vector<ResultItem>& items, int x, int y);

// ---- Scrolling: positions are the content's y at the client's top ----

enum class ScrollMove { LineUp, LineDown, PageUp, PageDown, Top, Bottom, To };

inline constexpr int ScrollLine = 16;
inline constexpr int WheelLines = 3;  // per notch of the wheel

// Where a move leaves the content, given the client's height `page` and the content's height
// `extent`; `target` is read by To only. Always within 0 .. extent - page.
int scrolledTo(ScrollMove move, int position, int page, int extent, int target = 0);

// A turn of the wheel: `delta` in the wheel's units, 120 a notch, positive away from the user.
int wheelScrolled(int position, int delta, int page, int extent);

// ---- Placement ----

// The window's outer rectangle: `size` (outer) beside the owner's right edge when the work area
// has room, else beside its left edge, else against the work area's right edge; top with the
// owner's, as far up as the height needs; never larger than the work area.
Rect besideOwner(const Rect& owner, int width, int height, const Rect& work);

}  // namespace fanwright::ui
