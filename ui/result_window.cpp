#include "ui/result_window.h"

#include "explain/explanation.h"
#include "tools/cli/explain_report.h"
#include "ui/app.h"
#include "ui/dialog_base.h"
#include "ui/explanation_window.h"
#include "ui/item_painter.h"
#include "ui/resource_ids.h"
#include "ui/result_layout.h"
#include "ui/result_tips.h"
#include "ui/texts.h"
#include "ui/wide_text.h"

#include <commctrl.h>

#include <memory>

namespace fanwright::ui {
namespace {

constexpr int StaticId = -1;  // statics are never looked up by id
constexpr WPARAM EscapeCharacter = 27;

constexpr int TipWidth = 360;
constexpr int TipShownFor = 30000;  // ms: a tip of several lines takes a while to read

HBITMAP smallTiles[IDB_SMALL_TILE_LAST - IDB_SMALL_TILE_FIRST + 1];

// The row tips, each a rectangle of the dialog; the tooltip control belongs to the dialog.
void addRowTips(HWND dialog, const std::vector<RowTip>& rowTips)
{
    HWND tips = CreateWindowExW(
        0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, app().instance, nullptr);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, TipWidth);
    SendMessageW(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, TipShownFor);
    for (std::size_t i = 0; i < rowTips.size(); ++i) {
        const RowTip& tip = rowTips[i];
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_SUBCLASS;
        info.hwnd = dialog;
        info.uId = i + 1;
        info.rect = {tip.box.left, tip.box.top, tip.box.right, tip.box.bottom};
        info.lpszText = const_cast<wchar_t*>(tip.text.c_str());
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

// The hand's explanation, and what `fanwright-cli explain` prints of it.
struct Why {
    Explanation explanation;
    std::wstring text;
};

std::unique_ptr<Why> explain(const Hand& hand)
{
    auto why = std::make_unique<Why>();
    why->explanation = explainHand(hand);
    Hand coded = hand;
    why->text = widened(cli::explanationText(coded.toLogText(), why->explanation));
    return why;
}

class ResultWindow : public Dialog {
public:
    ResultWindow(HINSTANCE instance, int answer, int total, const ScoreResult& result,
                 const Hand& hand)
        : instance_(instance),
          answer_(answer),
          total_(total),
          result_(result),
          why_(explain(hand)),
          explanationWindow_(why_->explanation, why_->text)
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
    void addMenuItem();
    void close() { PostMessageW(window(), WM_CLOSE, 0, 0); }
    void showExplanation() { explanationWindow_.show(window()); }

    HINSTANCE instance_;
    int answer_;
    int total_;
    const ScoreResult& result_;
    std::unique_ptr<Why> why_;
    ExplanationWindow explanationWindow_;
    HICON icon_ = nullptr;  // loaded at its shown size, so ours to destroy
};

INT_PTR ResultWindow::onInit()
{
    const ResultLayout layout = layoutResult(answer_, total_, result_);
    SetWindowTextW(window(), layout.title.c_str());
    place(layout.clientWidth, layout.clientHeight);
    for (const ResultItem& item : layout.items)
        create(item);
    addRowTips(window(), resultRowTips(result_, why_->explanation));
    addMenuItem();
    return TRUE;  // the focus goes to OK, the only control that takes it
}

// "Why this score?" with F1 shown as its key, under the system menu's own items.
void ResultWindow::addMenuItem()
{
    HMENU menu = GetSystemMenu(window(), FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_WHY_THIS_SCORE, text::WhyThisScoreItem);
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
    // F1 reaches the dialog as WM_HELP, from the focused OK button.
    case WM_HELP:
    case WM_LBUTTONDBLCLK: showExplanation(); return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != IDM_WHY_THIS_SCORE)
            return FALSE;
        showExplanation();
        return TRUE;
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

HBITMAP smallTileBitmap(int tile) { return smallTiles[tile]; }

void freeSmallTileBitmaps()
{
    for (HBITMAP& bitmap : smallTiles) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

void showResult(HINSTANCE instance, HWND parent, int answer, int total, const ScoreResult& result,
                const Hand& hand)
{
    ResultWindow dialog(instance, answer, total, result, hand);
    dialog.runModal(instance, IDD_RESULT, parent);
}

}  // namespace fanwright::ui
