#include "ui/result_window.h"

#include "ui/app.h"
#include "ui/dialog_base.h"
#include "ui/resource_ids.h"
#include "ui/result_layout.h"

namespace fanwright::ui {
namespace {

constexpr int StaticId = -1;  // statics are never looked up by id
constexpr WPARAM EscapeCharacter = 27;

HBITMAP smallTiles[IDB_SMALL_TILE_LAST - IDB_SMALL_TILE_FIRST + 1];

HFONT fontFor(FontRole role)
{
    switch (role) {
    case FontRole::Points: return app().pointsFont;
    case FontRole::Bold: return app().boldFont;
    case FontRole::Link: return app().linkFont;
    default: return app().normalFont;
    }
}

class ResultWindow : public Dialog {
public:
    ResultWindow(HINSTANCE instance, int answer, int total, const ScoreResult& result)
        : instance_(instance), answer_(answer), total_(total), result_(result)
    {
    }
    ~ResultWindow() override
    {
        if (icon_ != nullptr)
            DestroyIcon(icon_);
    }
    ResultWindow(const ResultWindow&) = delete;
    ResultWindow& operator=(const ResultWindow&) = delete;

protected:
    INT_PTR onInit() override;
    INT_PTR onCommand(int id, int code, HWND control) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void place(int clientWidth, int clientHeight);
    void create(const ResultItem& item);
    void close() { PostMessageW(window(), WM_CLOSE, 0, 0); }

    HINSTANCE instance_;
    int answer_;
    int total_;
    const ScoreResult& result_;
    HICON icon_ = nullptr;  // loaded at its shown size, so ours to destroy
};

INT_PTR ResultWindow::onInit()
{
    const ResultLayout layout = layoutResult(answer_, total_, result_);
    SetWindowTextW(window(), layout.title.c_str());
    place(layout.clientWidth, layout.clientHeight);
    for (const ResultItem& item : layout.items)
        create(item);
    return TRUE;  // the focus goes to OK, the only control that takes it
}

// The outer size is the client size plus a dialog frame on each side and the caption; the
// window sits in the middle of the work area.
void ResultWindow::place(int clientWidth, int clientHeight)
{
    const int width = clientWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    const int height =
        clientHeight + 2 * GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - width) / 2;
    const int y = work.top + (work.bottom - work.top - height) / 2;
    SetWindowPos(window(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResultWindow::create(const ResultItem& item)
{
    const wchar_t* windowClass = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    INT_PTR id = StaticId;
    switch (item.kind) {
    case ResultItemKind::Text:
    case ResultItemKind::FanLink: style |= SS_LEFT | SS_NOPREFIX; break;
    case ResultItemKind::CentredText: style |= SS_CENTER | SS_NOPREFIX; break;
    // Pictures keep the size given here whatever the size of the image.
    case ResultItemKind::Icon: style |= SS_ICON | SS_REALSIZECONTROL; break;
    case ResultItemKind::Tile: style |= SS_BITMAP | SS_REALSIZECONTROL; break;
    case ResultItemKind::Separator: style |= SS_ETCHEDHORZ; break;
    case ResultItemKind::OkButton:
        windowClass = L"BUTTON";
        style |= WS_TABSTOP | BS_DEFPUSHBUTTON;
        id = IDOK;
        break;
    }
    HWND control =
        CreateWindowExW(0, windowClass, item.text.c_str(), style, item.x, item.y, item.width,
                        item.height, window(), reinterpret_cast<HMENU>(id), instance_, nullptr);
    if (item.kind == ResultItemKind::Icon) {
        icon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(item.picture), IMAGE_ICON,
                                              item.width, item.height, LR_DEFAULTCOLOR));
        SendMessageW(control, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_));
    } else if (item.kind == ResultItemKind::Tile) {
        SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(smallTiles[item.picture]));
    } else if (item.kind == ResultItemKind::Separator) {
        // An etched line widens itself by its edge when created; it keeps the width laid out.
        SetWindowPos(control, nullptr, 0, 0, item.width, item.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(item.font)), FALSE);
    }
}

INT_PTR ResultWindow::onCommand(int id, int, HWND)
{
    // OK, Enter, and Esc as the dialog keyboard handling reports it.
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    close();
    return TRUE;
}

INT_PTR ResultWindow::onMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_CHAR:
        if (wParam != EscapeCharacter)
            return FALSE;
        close();
        return TRUE;
    case WM_CLOSE: EndDialog(window(), IDOK); return TRUE;
    default: return FALSE;
    }
}

}  // namespace

void loadSmallTileBitmaps()
{
    for (int i = 0; i <= IDB_SMALL_TILE_LAST - IDB_SMALL_TILE_FIRST; ++i)
        smallTiles[i] = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                        MAKEINTRESOURCEW(IDB_SMALL_TILE_FIRST + i),
                                                        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

void freeSmallTileBitmaps()
{
    for (HBITMAP& bitmap : smallTiles) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

void showResult(HINSTANCE instance, HWND parent, int answer, int total, const ScoreResult& result)
{
    ResultWindow dialog(instance, answer, total, result);
    dialog.runModal(instance, IDD_RESULT, parent);
}

}  // namespace fanwright::ui
