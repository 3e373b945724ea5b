#include "ui/app.h"

#include "ui/resource_ids.h"

#include <initializer_list>

namespace fanwright::ui {
namespace {

HFONT createFont(const wchar_t* face, int height, int weight, bool underline = false,
                 DWORD precision = OUT_DEFAULT_PRECIS, DWORD quality = DEFAULT_QUALITY)
{
    return CreateFontW(height, 0, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE,
                       DEFAULT_CHARSET, precision, CLIP_DEFAULT_PRECIS, quality, 0, face);
}

HCURSOR loadCursor(int id)
{
    return LoadCursorW(app().instance, MAKEINTRESOURCEW(id));
}

}  // namespace

App& app()
{
    static App instance;
    return instance;
}

void createFonts()
{
    App& a = app();
    a.pointsFont = createFont(L"Arial", -16, FW_BOLD);
    a.normalFont = createFont(L"MS Sans Serif", -8, 0);
    a.boldFont = createFont(L"MS Sans Serif", -8, FW_BOLD);
    a.linkFont = createFont(L"MS Sans Serif", -8, 0, true);
    a.arrowFont = createFont(L"Marlett", -16, 0, false, OUT_TT_PRECIS, ANTIALIASED_QUALITY);
}

void loadCursors()
{
    App& a = app();
    a.arrowCursor = loadCursor(IDC_CURSOR_ARROW);
    a.addCursor = loadCursor(IDC_CURSOR_ADD);
    a.removeCursor = loadCursor(IDC_CURSOR_REMOVE);
    a.linkCursor = loadCursor(IDC_CURSOR_LINK);
}

void deleteFonts()
{
    App& a = app();
    for (HFONT* font : {&a.pointsFont, &a.normalFont, &a.boldFont, &a.arrowFont}) {
        DeleteObject(*font);
        *font = nullptr;
    }
}

}  // namespace fanwright::ui
