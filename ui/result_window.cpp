#include "ui/result_window.h"

#include "ui/resource_ids.h"

namespace fanwright::ui {
namespace {

HBITMAP smallTiles[IDB_SMALL_TILE_LAST - IDB_SMALL_TILE_FIRST + 1];

}  // namespace

void loadSmallTileBitmaps()
{
    for (int i = 0; i <= IDB_SMALL_TILE_LAST - IDB_SMALL_TILE_FIRST; ++i)
        smallTiles[i] = static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SMALL_TILE_FIRST + i),
                       IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

void freeSmallTileBitmaps()
{
    for (HBITMAP& bitmap : smallTiles) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

void showResult(HINSTANCE, HWND, int, int, const ScoreResult&) {}  // built next

}  // namespace fanwright::ui
