#include "ui/placeholder_window.h"

#include "ui/resource_ids.h"
#include "ui/texts.h"

#define IDC_PLACEHOLDER_ICON 1001
#define IDC_PLACEHOLDER_HEADING 1002
#define IDC_PLACEHOLDER_TEXT 1003

namespace fanwright::ui {
namespace {

constexpr const wchar_t* ClassName = L"FanwrightPlaceholder";

// Layout in pixels of the client area: a white message area over a grey band with the button.
constexpr int ClientWidth = 470;
constexpr int ClientHeight = 196;
constexpr int Margin = 20;
constexpr int IconSize = 48;
constexpr int TextLeft = Margin + IconSize + 16;
constexpr int TextWidth = ClientWidth - TextLeft - Margin;
constexpr int BandHeight = 50;
constexpr int ButtonWidth = 88;
constexpr int ButtonHeight = 26;

// What the window owns: released when the window goes (WM_NCDESTROY).
struct WindowState {
    HFONT textFont = nullptr;
    HFONT headingFont = nullptr;
    HICON icon = nullptr;

    WindowState() = default;
    WindowState(const WindowState&) = delete;
    WindowState& operator=(const WindowState&) = delete;
    ~WindowState()
    {
        DeleteObject(textFont);
        DeleteObject(headingFont);
        DestroyIcon(icon);
    }
};

WindowState* stateOf(HWND window)
{
    return reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HINSTANCE instanceOf(HWND window)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

// The system's message font, and a larger bold one for the heading.
void createFonts(WindowState& state)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    state.textFont = CreateFontIndirectW(&metrics.lfMessageFont);
    LOGFONTW heading = metrics.lfMessageFont;
    heading.lfWeight = FW_BOLD;
    state.headingFont = CreateFontIndirectW(&heading);
}

void addControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, RECT box,
                int id, HFONT font)
{
    HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, box.left,
                                   box.top, box.right - box.left, box.bottom - box.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   instanceOf(parent), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

LRESULT onCreate(HWND window)
{
    auto* state = new WindowState;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    createFonts(*state);
    state->icon = static_cast<HICON>(LoadImageW(instanceOf(window), MAKEINTRESOURCEW(IDI_FANWRIGHT),
                                                IMAGE_ICON, IconSize, IconSize, 0));

    addControl(window, L"STATIC", text::PlaceholderHeading, SS_LEFT,
               {TextLeft, Margin, TextLeft + TextWidth, Margin + 26}, IDC_PLACEHOLDER_HEADING,
               state->headingFont);
    addControl(window, L"STATIC", text::PlaceholderBody, SS_LEFT,
               {TextLeft, Margin + 34, TextLeft + TextWidth, ClientHeight - BandHeight - 8},
               IDC_PLACEHOLDER_TEXT, state->textFont);
    const int buttonTop = ClientHeight - BandHeight + (BandHeight - ButtonHeight) / 2;
    const int buttonLeft = ClientWidth - Margin - ButtonWidth;
    addControl(window, L"BUTTON", text::OkButton, WS_TABSTOP | BS_DEFPUSHBUTTON,
               {buttonLeft, buttonTop, buttonLeft + ButtonWidth, buttonTop + ButtonHeight}, IDOK,
               state->textFont);
    return 0;
}

void onCommand(HWND window, int id)
{
    if (id == IDOK || id == IDCANCEL)  // the button, Enter, Esc
        DestroyWindow(window);
}

void onSetFocus(HWND window) { SetFocus(GetDlgItem(window, IDOK)); }

// Static texts sit on the white message area, not on the grey of dialogs.
LRESULT onCtlColorStatic(HDC dc)
{
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void onPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT band;
    GetClientRect(window, &band);
    band.top = band.bottom - BandHeight;
    FillRect(dc, &band, GetSysColorBrush(COLOR_BTNFACE));
    if (const WindowState* state = stateOf(window); state != nullptr && state->icon != nullptr)
        DrawIconEx(dc, Margin, Margin, state->icon, IconSize, IconSize, 0, nullptr, DI_NORMAL);
    EndPaint(window, &paint);
}

void onNcDestroy(HWND window)
{
    delete stateOf(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_COMMAND: onCommand(window, LOWORD(wParam)); return 0;
    case WM_SETFOCUS: onSetFocus(window); return 0;
    case WM_CTLCOLORSTATIC: return onCtlColorStatic(reinterpret_cast<HDC>(wParam));
    case WM_PAINT: onPaint(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY: onNcDestroy(window); break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_FANWRIGHT));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_FANWRIGHT),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = ClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The outer size of a window of the fixed client size, centred in the work area.
RECT centredFrame(DWORD style)
{
    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace

HWND createPlaceholderWindow(HINSTANCE instance)
{
    if (!registerClass(instance))
        return nullptr;
    // Fixed size: no sizing border, no maximize box.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const RECT frame = centredFrame(style);
    return CreateWindowExW(0, ClassName, text::WindowTitle, style, frame.left, frame.top,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           instance, nullptr);
}

}  // namespace fanwright::ui
