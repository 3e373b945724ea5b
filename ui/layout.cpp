#include "ui/layout.h"

namespace fanwright::ui {

namespace {

constexpr int TilePitchX = 40;  // pictures are 43 wide: neighbours overlap by 3 pixels
constexpr int TilePitchY = 50;
constexpr int TileWidth = 43;
constexpr int TileHeight = 53;
constexpr int SetPitch = 160;
constexpr int HandLeft = 20;
constexpr int SetTop = 20;
constexpr int ConcealedTop = 99;
constexpr int WinningLeft = 560;
constexpr int EmptyFace = 0;

// A kong's fourth tile, raised over the middle one by 5 pixels up and left.
void paintSet(TileCanvas& canvas, SetKind kind, TileId t, int x)
{
    const bool chow = kind == Chow;
    const bool concealedKong = kind == ConcealedKong;
    canvas.drawTile(chow ? t - 1 : concealedKong ? EmptyFace : t, x, SetTop, false);
    canvas.drawTile(t, x + TilePitchX, SetTop, false);
    canvas.drawTile(chow            ? t + 1
                    : concealedKong ? EmptyFace
                                    : t,
                    x + 2 * TilePitchX, SetTop, false);
    if (kind == MeldedKong || concealedKong)
        canvas.drawTile(t, x + TilePitchX - 5, SetTop - 5, false);
}

void paintSets(TileCanvas& canvas, const Hand& hand, HitTable& hits)
{
    for (int i = 0; i < hand.getSetCount(); ++i) {
        const int x = HandLeft + SetPitch * i;
        const SetKind kind = hand.getSetKind(i);
        const TileId t = hand.getSetTile(i);
        paintSet(canvas, kind, t, x);
        if (hits.dirty)
            hits.append({x, SetTop, x + 3 * TilePitchX + 3, SetTop + TileHeight,
                         static_cast<AddMode>(kind), t});
    }
}

void paintConcealed(TileCanvas& canvas, const Hand& hand, HitTable& hits)
{
    for (int j = 0; j < hand.getConcealedCount(); ++j) {
        const int x = HandLeft + TilePitchX * j;
        const TileId t = hand.getConcealedTile(j);
        canvas.drawTile(t, x, ConcealedTop, false);
        if (hits.dirty)
            hits.append({x, ConcealedTop, x + TileWidth, ConcealedTop + TileHeight,
                         AddMode::ConcealedTile, t});
    }
}

void paintWinning(TileCanvas& canvas, const Hand& hand, HitTable& hits)
{
    canvas.drawTile(hand.getWinningTile(), WinningLeft, ConcealedTop, false);
    if (hits.dirty)
        hits.append({WinningLeft, ConcealedTop, WinningLeft + TileWidth, ConcealedTop + TileHeight,
                     AddMode::WinningTile, NoTile});
}

bool hitContains(const HitRect& r, int x, int y)
{
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

}  // namespace

// ---- Palette ----

bool isOnPalette(int x, int y)
{
    return pointInRect(x, y, paletteSuitsRect) || pointInRect(x, y, paletteHonorsRect);
}

TileId paletteTileAt(int x, int y)
{
    return 9 * ((y - paletteRect.top) / TilePitchY) + (x - paletteRect.left) / TilePitchX + 1;
}

int paletteTileX(TileId t) { return paletteRect.left + TilePitchX * ((t - 1) % 9); }
int paletteTileY(TileId t) { return paletteRect.top + TilePitchY * ((t - 1) / 9); }

bool paletteTileAddable(const Hand& hand, AddMode mode, TileId t)
{
    if (isSetMode(mode))
        return hand.canAddSetOf(static_cast<SetKind>(mode), t);
    if (mode == AddMode::ConcealedTile || mode == AddMode::WinningTile)
        return hand.canAddTile(t);
    return true;
}

// ---- Hit rectangles ----

void HitTable::append(const HitRect& r)
{
    if (count < MaxHitRects)
        rects[static_cast<std::size_t>(count++)] = r;
}

const HitRect* HitTable::lastAt(int x, int y) const
{
    const HitRect* found = nullptr;
    for (int i = 0; i < count; ++i) {
        if (hitContains(rects[static_cast<std::size_t>(i)], x, y))
            found = &rects[static_cast<std::size_t>(i)];
    }
    return found;
}

const HitRect* HitTable::firstAt(int x, int y) const
{
    for (int i = 0; i < count; ++i) {
        if (hitContains(rects[static_cast<std::size_t>(i)], x, y))
            return &rects[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

// ---- Painting ----

void paintTiles(TileCanvas& canvas, const Rect& update, const Hand& hand, HitTable& hits)
{
    if (hits.dirty)
        hits.count = 0;
    if (rectsMeet(update, setsRect))
        paintSets(canvas, hand, hits);
    if (rectsMeet(update, concealedRect))
        paintConcealed(canvas, hand, hits);
    if (rectsMeet(update, winningRect) && hand.getWinningTile() != NoTile)
        paintWinning(canvas, hand, hits);
    hits.dirty = false;
}

void paintPalette(TileCanvas& canvas, const Rect& update, const Hand& hand, AddMode mode)
{
    if (!rectsMeet(update, paletteRect))
        return;
    for (TileId t = FirstTile; t <= LastTile; ++t)
        canvas.drawTile(t, paletteTileX(t), paletteTileY(t), !paletteTileAddable(hand, mode, t));
}

CursorKind cursorAt(const HitTable& hits, const Hand& hand, int x, int y)
{
    // A point is never both on a hand tile and on the palette, so one answer suffices.
    if (!hand.isComplete() && isOnPalette(x, y))
        return CursorKind::Add;
    return hits.firstAt(x, y) != nullptr ? CursorKind::Remove : CursorKind::Arrow;
}

// ---- Window geometry ----

Rect initialWindowRect(int frameWidth, int frameHeight, int captionHeight, const Rect& workArea)
{
    const int width = ClientWidth + 2 * frameWidth;
    const int height = TestLayoutHeight + captionHeight + 2 * frameHeight;
    const int x = workArea.left + (workArea.right - workArea.left - width) / 2;
    const int y = workArea.top + (workArea.bottom - workArea.top - height) / 2;
    return {x, y, x + width, y + height};
}

Rect windowWithStatusBar(const Rect& window, int statusBarHeight)
{
    const int top = window.top - statusBarHeight / 2;
    return {window.left, top, window.right, top + window.bottom - window.top + statusBarHeight};
}

Rect editLayoutWindowRect(const Rect& window, const Rect& workArea)
{
    const int height = window.bottom - window.top + EditLayoutGrowth;
    const int workHeight = workArea.bottom - workArea.top;
    int top = window.top;
    if (top + height > workArea.bottom)
        top = height <= workHeight ? workArea.top + (workHeight - height) / 2 : 0;
    return {window.left, top, window.right, top + height};
}

Rect testLayoutWindowRect(const Rect& window)
{
    return {window.left, window.top, window.right, window.bottom - EditLayoutGrowth};
}

std::array<int, 3> statusBarPartEdges(int clientWidth)
{
    return {clientWidth / 4, clientWidth - clientWidth / 4, clientWidth};
}

int statusBarClientY(int statusBarTop, int windowTop, int frameHeight, int captionHeight, int delta)
{
    return statusBarTop - windowTop - frameHeight - captionHeight + delta;
}

}  // namespace fanwright::ui
