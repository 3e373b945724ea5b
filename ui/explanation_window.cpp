#include "ui/explanation_window.h"

#include "ui/app.h"
#include "ui/fan_reference.h"
#include "ui/item_painter.h"
#include "ui/texts.h"
#include "ui/wide_text.h"

#include <algorithm>
#include <cstring>

namespace fanwright::ui {
namespace {

constexpr DWORD Style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_VSCROLL;
constexpr int MinimumHeight = 160;
constexpr WPARAM CtrlC = 3;  // what TranslateMessage makes of Ctrl+C

void registerClass()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowBase::procedure;
    windowClass.hInstance = app().instance;
    windowClass.hCursor = app().arrowCursor;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = text::ExplanationClass;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
}

// The outer size of a client that shows `width` columns of content beside the scroll bar.
SIZE outerSize(int width, int height)
{
    RECT r{0, 0, width + GetSystemMetrics(SM_CXVSCROLL), height};
    AdjustWindowRectEx(&r, Style, FALSE, 0);
    return {r.right - r.left, r.bottom - r.top};
}

Rect rectOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

Rect workArea()
{
    RECT r;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

ExplanationWindow::ExplanationWindow(const Explanation& explanation, std::wstring copyText)
    : layout_(layoutExplanation(explanation)), copyText_(std::move(copyText))
{
}

void ExplanationWindow::show(HWND owner)
{
    if (handle() == nullptr) {
        registerClass();
        position_ = 0;
        const SIZE size = outerSize(layout_.width, layout_.height);
        const Rect r = besideOwner(rectOf(owner), size.cx, size.cy, workArea());
        CreateWindowExW(0, text::ExplanationClass, text::ExplanationTitle, Style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, owner, nullptr, app().instance, this);
        updateScrollBar();
    }
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
}

LRESULT ExplanationWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: return onPaint();
    case WM_SIZE: return onSize();
    case WM_VSCROLL: return onVScroll(LOWORD(wParam));
    case WM_MOUSEWHEEL: return onMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    case WM_KEYDOWN: return onKeyDown(wParam);
    case WM_CHAR: return onChar(wParam);
    case WM_LBUTTONDOWN:
        return onLButtonDown(static_cast<short>(LOWORD(lParam)),
                             static_cast<short>(HIWORD(lParam)));
    case WM_SETCURSOR: return onSetCursor(wParam, lParam);
    case WM_GETMINMAXINFO: return onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
    default: return defaultHandling(message, wParam, lParam);
    }
}

LRESULT ExplanationWindow::onPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle(), &paint);
    paintItems(dc, layout_.items, 0, -position_, paint.rcPaint);
    EndPaint(handle(), &paint);
    return 0;
}

LRESULT ExplanationWindow::onSize()
{
    scroll(ScrollMove::To, position_);  // a taller window may show the end with less scrolled
    updateScrollBar();
    return 0;
}

LRESULT ExplanationWindow::onVScroll(int request)
{
    SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(handle(), SB_VERT, &info);
    switch (request) {
    case SB_LINEUP: scroll(ScrollMove::LineUp); break;
    case SB_LINEDOWN: scroll(ScrollMove::LineDown); break;
    case SB_PAGEUP: scroll(ScrollMove::PageUp); break;
    case SB_PAGEDOWN: scroll(ScrollMove::PageDown); break;
    case SB_TOP: scroll(ScrollMove::Top); break;
    case SB_BOTTOM: scroll(ScrollMove::Bottom); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: scroll(ScrollMove::To, info.nTrackPos); break;
    default: break;
    }
    return 0;
}

LRESULT ExplanationWindow::onMouseWheel(int delta)
{
    scroll(ScrollMove::To, wheelScrolled(position_, delta, page(), layout_.height));
    return 0;
}

LRESULT ExplanationWindow::onKeyDown(WPARAM key)
{
    switch (key) {
    case VK_UP: scroll(ScrollMove::LineUp); break;
    case VK_DOWN: scroll(ScrollMove::LineDown); break;
    case VK_PRIOR: scroll(ScrollMove::PageUp); break;
    case VK_NEXT:
    case VK_SPACE: scroll(ScrollMove::PageDown); break;
    case VK_HOME: scroll(ScrollMove::Top); break;
    case VK_END: scroll(ScrollMove::Bottom); break;
    case VK_ESCAPE: DestroyWindow(handle()); break;
    default: break;
    }
    return 0;
}

LRESULT ExplanationWindow::onChar(WPARAM character)
{
    if (character == CtrlC)
        copyToClipboard();
    return 0;
}

LRESULT ExplanationWindow::onLButtonDown(int x, int y)
{
    if (const int fan = fanLinkAt(layout_.items, x, y + position_); fan != 0)
        showFanReference(GetAncestor(handle(), GA_ROOTOWNER), fan);
    return 0;
}

LRESULT ExplanationWindow::onSetCursor(WPARAM wParam, LPARAM lParam)
{
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(handle(), &p);
    if (LOWORD(lParam) != HTCLIENT || fanLinkAt(layout_.items, p.x, p.y + position_) == 0)
        return defaultHandling(WM_SETCURSOR, wParam, lParam);
    SetCursor(app().linkCursor);
    return TRUE;
}

LRESULT ExplanationWindow::onGetMinMaxInfo(MINMAXINFO& limits)
{
    // Never narrower than the content: it scrolls up and down only.
    const SIZE smallest = outerSize(layout_.width, MinimumHeight);
    limits.ptMinTrackSize = {smallest.cx, smallest.cy};
    return 0;
}

int ExplanationWindow::page() const
{
    RECT client{};
    GetClientRect(handle(), &client);
    return client.bottom;
}

void ExplanationWindow::scroll(ScrollMove move, int target)
{
    const int next = scrolledTo(move, position_, page(), layout_.height, target);
    if (next == position_)
        return;
    ScrollWindowEx(handle(), 0, position_ - next, nullptr, nullptr, nullptr, nullptr,
                   SW_INVALIDATE | SW_ERASE);
    position_ = next;
    updateScrollBar();
    UpdateWindow(handle());
}

void ExplanationWindow::updateScrollBar()
{
    SCROLLINFO info{sizeof info,
                    SIF_ALL | SIF_DISABLENOSCROLL,
                    0,
                    layout_.height - 1,
                    static_cast<UINT>(std::max(page(), 0)),
                    position_,
                    0};
    SetScrollInfo(handle(), SB_VERT, &info, TRUE);
}

// As Unicode text with Windows line ends: what `fanwright-cli explain` prints, pasted anywhere.
void ExplanationWindow::copyToClipboard()
{
    const std::wstring text = withCrLf(copyText_);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr || !OpenClipboard(handle())) {
        GlobalFree(memory);
        return;
    }
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
        GlobalFree(memory);  // the clipboard did not take it
    CloseClipboard();
}

}  // namespace fanwright::ui
