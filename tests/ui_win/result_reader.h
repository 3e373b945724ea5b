// Reads an open result window back into the terms of its portable layout: the title, the client
// size and every control as an item (kind, rectangle, text, font, picture), in creation order.
// The pictures are told apart by their pixels, so a wrong tile or icon shows as a wrong number.
#pragma once

#include "ui/app.h"
#include "ui/resource_ids.h"
#include "ui/result_layout.h"
#include "ui_win/driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <ostream>
#include <ranges>
#include <string>
#include <vector>

namespace fanwright::ui {

inline void PrintTo(const ResultItem& item, std::ostream* out)
{
    *out << "{kind " << static_cast<int>(item.kind) << " at " << item.x << "," << item.y << " "
         << item.width << "x" << item.height << " " << testing::PrintToString(item.text) << " font "
         << static_cast<int>(item.font) << " picture " << item.picture << "}";
}

namespace test_reading {

using test::textOf;

// The colours of a bitmap, top row first; empty for no bitmap.
inline std::vector<COLORREF> pixelsOf(HBITMAP bitmap)
{
    BITMAP b{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof b, &b) == 0)
        return {};
    BITMAPINFOHEADER info{sizeof info, b.bmWidth, -b.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<COLORREF> pixels(static_cast<std::size_t>(b.bmWidth * b.bmHeight));
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(b.bmHeight), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return pixels;
}

// The colours of a bitmap, or of an icon's colour bitmap.
inline std::vector<COLORREF> pixelsOf(HANDLE picture, UINT type)
{
    ICONINFO icon{};
    if (type == IMAGE_BITMAP || picture == nullptr)
        return pixelsOf(static_cast<HBITMAP>(picture));
    if (!GetIconInfo(static_cast<HICON>(picture), &icon))
        return {};
    std::vector<COLORREF> pixels = pixelsOf(icon.hbmColor);
    DeleteObject(icon.hbmColor);
    DeleteObject(icon.hbmMask);
    return pixels;
}

// Which of the resources `ids` the static shows, told by its pixels; -1 for none.
inline int pictureShownBy(HWND control, UINT type, auto ids, int width = 0, int height = 0)
{
    const auto shown =
        pixelsOf(reinterpret_cast<HANDLE>(SendMessageW(control, STM_GETIMAGE, type, 0)), type);
    for (int id : ids) {
        HANDLE loaded = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), type, width,
                                   height, LR_DEFAULTCOLOR);
        const bool same = !shown.empty() && pixelsOf(loaded, type) == shown;
        type == IMAGE_ICON ? DestroyIcon(static_cast<HICON>(loaded)) : DeleteObject(loaded);
        if (same)
            return id;
    }
    return -1;
}

inline FontRole fontRoleOf(HWND control)
{
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    const App& a = app();
    return font == a.pointsFont ? FontRole::Points
           : font == a.boldFont ? FontRole::Bold
           : font == a.linkFont ? FontRole::Link
                                : FontRole::Normal;
}

constexpr auto Unknown = static_cast<ResultItemKind>(-1);

// A static by its type; a button only as the default push button with command 1.
inline ResultItemKind kindOf(HWND control)
{
    const std::wstring name = test::classOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (_wcsicmp(name.c_str(), L"Button") == 0) {
        const bool ok = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && GetDlgCtrlID(control) == IDOK;
        return ok ? ResultItemKind::OkButton : Unknown;
    }
    if (_wcsicmp(name.c_str(), L"Static") != 0)
        return Unknown;
    switch (style & SS_TYPEMASK) {
    case SS_LEFT: return ResultItemKind::Text;
    case SS_CENTER: return ResultItemKind::CentredText;
    case SS_ICON: return ResultItemKind::Icon;
    case SS_BITMAP: return ResultItemKind::Tile;
    case SS_ETCHEDHORZ: return ResultItemKind::Separator;
    default: return Unknown;
    }
}

inline ResultItem itemOf(HWND dialog, HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    ResultItem item{kindOf(control), r.left, r.top, r.right - r.left, r.bottom - r.top};
    switch (item.kind) {
    case ResultItemKind::Icon:
        item.picture =
            pictureShownBy(control, IMAGE_ICON, std::array{IDI_PLAIN, IDI_RIGHT, IDI_WRONG},
                           item.width, item.height);
        break;
    case ResultItemKind::Tile:  // by TileId
        item.picture = pictureShownBy(
            control, IMAGE_BITMAP, std::views::iota(IDB_SMALL_TILE_FIRST, IDB_SMALL_TILE_LAST + 1));
        item.picture -= item.picture >= 0 ? IDB_SMALL_TILE_FIRST : 0;
        break;
    case ResultItemKind::Separator: break;
    default:
        item.text = textOf(control);
        item.font = fontRoleOf(control);
        break;
    }
    return item;
}

}  // namespace test_reading

inline ResultLayout readResultWindow(HWND dialog)
{
    ResultLayout shown;
    shown.title = test_reading::textOf(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    shown.clientWidth = client.right;
    shown.clientHeight = client.bottom;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        shown.items.push_back(test_reading::itemOf(dialog, c));
    return shown;
}

// The window against its layout: title, client size, then item by item.
inline void expectShows(const ResultLayout& shown, const ResultLayout& expected)
{
    EXPECT_EQ(shown.title, expected.title);
    EXPECT_EQ(shown.clientWidth, expected.clientWidth);
    EXPECT_EQ(shown.clientHeight, expected.clientHeight);
    ASSERT_EQ(shown.items.size(), expected.items.size());
    for (std::size_t i = 0; i < shown.items.size(); ++i)
        EXPECT_EQ(shown.items[i], expected.items[i]) << "control " << i;
}

// The outer size is the client size plus the dialog frame and caption, centred in the work area.
inline void expectSizedAndCentred(HWND dialog, const ResultLayout& layout)
{
    RECT outer, work;
    GetWindowRect(dialog, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = layout.clientWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    const int height =
        layout.clientHeight + 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(outer.right - outer.left, width);
    EXPECT_EQ(outer.bottom - outer.top, height);
    EXPECT_EQ(outer.left, work.left + (work.right - work.left - width) / 2);
    EXPECT_EQ(outer.top, work.top + (work.bottom - work.top - height) / 2);
}

}  // namespace fanwright::ui
