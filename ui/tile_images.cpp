#include "ui/tile_images.h"

#include "ui/resource_ids.h"

namespace fanwright::ui {
namespace {

HBITMAP loadBitmap(HINSTANCE instance, int id)
{
    return LoadBitmapW(instance, MAKEINTRESOURCEW(id));
}

// One picture list; every picture is added with the same mask.
HIMAGELIST createList(HINSTANCE instance, int width, int height, int first, int count, int mask)
{
    HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, count, 0);
    HBITMAP maskBitmap = loadBitmap(instance, mask);
    for (int i = 0; i < count; ++i) {
        HBITMAP picture = loadBitmap(instance, first + i);
        ImageList_Add(list, picture, maskBitmap);
        DeleteObject(picture);
    }
    DeleteObject(maskBitmap);
    ImageList_SetBkColor(list, CLR_NONE);
    return list;
}

}  // namespace

TileImages createTileImages(HINSTANCE instance)
{
    return {createList(instance, 43, 53, IDB_TILE_FIRST, TilePictureCount, IDB_TILE_MASK),
            createList(instance, 300, 60, IDB_BANNER, 1, IDB_BANNER_MASK)};
}

void destroyTileImages(TileImages& images)
{
    ImageList_Destroy(images.tiles);
    ImageList_Destroy(images.banner);
    images = {};
}

void showImageIcon(HWND control, HIMAGELIST list, int picture)
{
    HICON icon = picture < 0 ? nullptr : ImageList_GetIcon(list, picture, ILD_NORMAL);
    auto old = reinterpret_cast<HICON>(
        SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0));
    if (old != nullptr)
        DestroyIcon(old);
}

void ImageListCanvas::drawTile(int picture, int x, int y, bool greyed)
{
    ImageList_Draw(list_, picture, dc_, x, y, greyed ? ILD_BLEND50 : ILD_NORMAL);
}

}  // namespace fanwright::ui
