// The modal result window: verdict, waits, the chosen reading and the fans of a scored hand.
#pragma once

#include <windows.h>

namespace fanwright {
struct Hand;
struct ScoreResult;
}  // namespace fanwright

namespace fanwright::ui {

// The 35 small tile pictures (TileId order), loaded at start-up and freed at exit.
void loadSmallTileBitmaps();
void freeSmallTileBitmaps();
HBITMAP smallTileBitmap(int tile);

// `answer` 0 means no answer to judge; `total` 0 an invalid hand. `hand` is the hand scored,
// which the row tips and the explanation window explain. Returns when it closes.
void showResult(HINSTANCE instance, HWND parent, int answer, int total, const ScoreResult& result,
                const Hand& hand);

}  // namespace fanwright::ui
