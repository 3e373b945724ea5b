#include "ui/item_painter.h"

#include "ui/app.h"
#include "ui/result_window.h"

namespace fanwright::ui {
namespace {

constexpr COLORREF LinkBlue = RGB(0, 0, 255);  // as the About dialog's links

void paintText(HDC dc, const ResultItem& item, RECT r)
{
    const bool link = item.kind == ResultItemKind::FanLink;
    HGDIOBJ oldFont = SelectObject(dc, link ? app().linkFont : fontFor(item.font));
    SetTextColor(dc, link ? LinkBlue : GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    // As a static draws its text: from the top, wrapped when the item holds several lines.
    UINT format = DT_NOPREFIX | (item.kind == ResultItemKind::CentredText ? DT_CENTER : DT_LEFT);
    format |= item.height > ResultRowHeight ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextW(dc, item.text.c_str(), -1, &r, format);
    SelectObject(dc, oldFont);
}

void paintTile(HDC dc, int tile, const RECT& r)
{
    HDC pictures = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(pictures, smallTileBitmap(tile));
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, pictures, 0, 0, SRCCOPY);
    SelectObject(pictures, old);
    DeleteDC(pictures);
}

}  // namespace

HFONT fontFor(FontRole role)
{
    switch (role) {
    case FontRole::Points: return app().pointsFont;
    case FontRole::Bold: return app().boldFont;
    case FontRole::Link: return app().linkFont;
    default: return app().normalFont;
    }
}

void paintItems(HDC dc, const std::vector<ResultItem>& items, int dx, int dy, const RECT& clip)
{
    for (const ResultItem& item : items) {
        RECT r{item.x + dx, item.y + dy, item.x + dx + item.width, item.y + dy + item.height};
        RECT visible;
        if (!IntersectRect(&visible, &r, &clip))
            continue;
        switch (item.kind) {
        case ResultItemKind::Tile: paintTile(dc, item.picture, r); break;
        case ResultItemKind::Separator: DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP); break;
        case ResultItemKind::Text:
        case ResultItemKind::CentredText:
        case ResultItemKind::FanLink: paintText(dc, item, r); break;
        default: break;  // icons and buttons are the result window's controls
        }
    }
}

}  // namespace fanwright::ui
