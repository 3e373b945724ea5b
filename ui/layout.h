// Where the main window puts things: the fixed rectangles of the hand and the palette, the table
// of clickable items recorded while the hand is painted, the palette's greying, the cursor, and
// the window's geometry in both layouts. Plain functions of the hand: no Windows here.
#pragma once

#include "hand/hand.h"
#include "ui/main_window_view.h"

#include <array>
#include <cstdint>

namespace fanwright::ui {

// What a click on the palette adds. The set modes share their numbers with SetKind, and every
// mode doubles as the kind of a hit rectangle.
enum class AddMode : std::int32_t {
    NoMode = 0,
    Chow = 1,
    Pung = 3,
    ConcealedTile = 6,
    WinningTile = 7,
    MeldedKong = 8,
    ConcealedKong = 9,
};

constexpr bool isSetMode(AddMode mode)
{
    return mode == AddMode::Chow || mode == AddMode::Pung || mode == AddMode::MeldedKong ||
           mode == AddMode::ConcealedKong;
}

// ---- Fixed rectangles, client pixels ----

inline constexpr Rect paletteRect{20, 280, 383, 483};
inline constexpr Rect setsRect{15, 15, 623, 73};
inline constexpr Rect concealedRect{20, 99, 543, 152};
inline constexpr Rect winningRect{560, 99, 603, 152};
inline constexpr Rect paletteSuitsRect{20, 280, 380, 430};
inline constexpr Rect paletteHonorsRect{20, 430, 300, 480};

// The picture shown in a wind box for a wind that is needed but not chosen yet.
inline constexpr int UnsetWindMark = 35;

// left <= x < right and top <= y < bottom.
constexpr bool pointInRect(int x, int y, const Rect& r)
{
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

// Whether two rectangles share at least one pixel.
constexpr bool rectsMeet(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// ---- Palette ----

bool isOnPalette(int x, int y);
// The tile under a palette point; only meaningful when isOnPalette(x, y).
TileId paletteTileAt(int x, int y);
// Top-left corner of tile t's picture in the palette.
int paletteTileX(TileId t);
int paletteTileY(TileId t);
// Whether a click on tile t in this add mode would add something; greyed when not.
bool paletteTileAddable(const Hand& hand, AddMode mode, TileId t);

// ---- Hit rectangles ----

// A clickable item of the painted hand. All four bounds lie inside.
struct HitRect {
    std::int32_t left, top, right, bottom;
    AddMode kind;  // a set kind, ConcealedTile or WinningTile
    TileId tile;   // the set's tile as stored, the concealed tile, or 0 for the winning tile
    bool operator==(const HitRect&) const = default;
};

inline constexpr int MaxHitRects = 14;

// Rebuilt by the first paint after the hand changed, and only then.
struct HitTable {
    std::array<HitRect, MaxHitRects> rects{};
    int count = 0;
    bool dirty = true;

    void append(const HitRect& r);
    // Clicks take the last containing entry (the tile drawn on top), the cursor the first.
    const HitRect* lastAt(int x, int y) const;
    const HitRect* firstAt(int x, int y) const;
};

// ---- Painting ----

// The declared sets, concealed tiles and winning tile, each part only where it meets `update`;
// fills the hit table when it is dirty and clears the flag.
void paintTiles(TileCanvas& canvas, const Rect& update, const Hand& hand, HitTable& hits);
// The 34 tiles, greyed where the add mode cannot use them; only when `update` meets it.
void paintPalette(TileCanvas& canvas, const Rect& update, const Hand& hand, AddMode mode);

// The cursor over a point in edit mode.
CursorKind cursorAt(const HitTable& hits, const Hand& hand, int x, int y);

// ---- Window geometry ----

inline constexpr int ClientWidth = 670;
inline constexpr int TestLayoutHeight = 278;  // client pixels above the status bar
inline constexpr int EditLayoutGrowth = 225;  // added below the controls in edit mode

// The window at start-up: a fixed frame around 670 x 278 client pixels, centred in the work
// area (a negative offset when the area is smaller is kept).
Rect initialWindowRect(int frameWidth, int frameHeight, int captionHeight, const Rect& workArea);
// After the status bar of height h has been measured: h taller, moved up by h / 2.
Rect windowWithStatusBar(const Rect& window, int statusBarHeight);
// 225 pixels taller; moved only when the new bottom leaves the work area: centred vertically
// when it fits, else its top at 0.
Rect editLayoutWindowRect(const Rect& window, const Rect& workArea);
// 225 pixels shorter, in place.
Rect testLayoutWindowRect(const Rect& window);
// Right edges of the status bar's three parts.
std::array<int, 3> statusBarPartEdges(int clientWidth);
// The status bar's client y after moving it by `delta` (+225 down, -225 up), from its window
// rectangle's top and the main window's.
int statusBarClientY(int statusBarTop, int windowTop, int frameHeight, int captionHeight,
                     int delta);

}  // namespace fanwright::ui
