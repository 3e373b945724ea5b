// The tile pictures the main window paints and shows in its wind boxes, and the banner, as
// image lists; and the canvas through which the trainer paints with them.
#pragma once

#include "ui/main_window_view.h"

#include <windows.h>

#include <commctrl.h>

namespace fanwright::ui {

inline constexpr int TilePictureCount = 36;  // 0 blank face, 1..34 the tiles, 35 the warning

struct TileImages {
    HIMAGELIST tiles = nullptr;   // 43 x 53, through the shared outline mask
    HIMAGELIST banner = nullptr;  // one 300 x 60 picture
};

TileImages createTileImages(HINSTANCE instance);
void destroyTileImages(TileImages& images);

// Puts picture `picture` of `list` on a static icon control, destroying the icon it replaces;
// -1 only takes the old icon off (statics never destroy their icons themselves).
void showImageIcon(HWND control, HIMAGELIST list, int picture);

class ImageListCanvas : public TileCanvas {
public:
    ImageListCanvas(HIMAGELIST list, HDC dc) : list_(list), dc_(dc) {}
    void drawTile(int picture, int x, int y, bool greyed) override;

private:
    HIMAGELIST list_;
    HDC dc_;
};

}  // namespace fanwright::ui
