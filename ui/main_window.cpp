#include "ui/main_window.h"

#include "ui/about_dialog.h"
#include "ui/app.h"
#include "ui/controls.h"
#include "ui/fan_reference.h"
#include "ui/layout.h"
#include "ui/resource_ids.h"
#include "ui/result_window.h"
#include "ui/save_hand_dialog.h"
#include "ui/settings_sheet.h"
#include "ui/texts.h"

#include <commctrl.h>

namespace fanwright::ui {
namespace {

Rect workArea()
{
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left, work.top, work.right, work.bottom};
}

Rect windowRect(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void placeWindow(HWND window, const Rect& r)
{
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void registerClass()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowBase::procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;  // IsDialogMessage keeps its state there
    windowClass.hInstance = app().instance;
    windowClass.hIcon = LoadIconW(app().instance, MAKEINTRESOURCEW(IDI_FANWRIGHT));
    windowClass.hCursor = app().arrowCursor;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = text::MainWindowClass;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
}

// "Fan reference..." with F1 shown as its key, under the system menu's own items.
void addMenuItem(HWND window)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_FAN_REFERENCE, text::FanReferenceItem);
}

}  // namespace

MainWindow::MainWindow() : trainer_(*this, app().settings) {}

HWND MainWindow::create()
{
    registerClass();
    Rect r = initialWindowRect(GetSystemMetrics(SM_CXFIXEDFRAME), GetSystemMetrics(SM_CYFIXEDFRAME),
                               GetSystemMetrics(SM_CYCAPTION), workArea());
    return CreateWindowExW(WS_EX_APPWINDOW, text::MainWindowClass, text::WindowTitle,
                           WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, r.left,
                           r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                           app().instance, this);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return onCreate();
    case WM_DESTROY: return onDestroy();
    case WM_PAINT: return onPaint();
    case WM_COMMAND: return onCommand(wParam);
    case WM_MOUSEMOVE: return onMouseMove(lParam);
    case WM_LBUTTONDOWN: return onLButtonDown(lParam);
    case WM_HELP: return onHelp(*reinterpret_cast<HELPINFO*>(lParam));
    case WM_SYSCOMMAND: return onSysCommand(wParam, lParam);
    default: return defaultHandling(message, wParam, lParam);
    }
}

LRESULT MainWindow::onCreate()
{
    images_ = createTileImages(app().instance);
    createControls(handle(), images_);
    statusBar_ = createStatusBar(handle());
    createTooltips(handle());
    addMenuItem(handle());
    trainer_.start();
    return 0;
}

LRESULT MainWindow::onDestroy()
{
    for (int id : {IDC_PREVALENT_BOX, IDC_SEAT_BOX, IDC_BANNER})
        showImageIcon(item(id), nullptr, -1);
    destroyTileImages(images_);
    PostQuitMessage(0);
    return 0;
}

LRESULT MainWindow::onPaint()
{
    if (!GetUpdateRect(handle(), nullptr, FALSE))
        return 0;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle(), &paint);
    ImageListCanvas canvas(images_.tiles, dc);
    const RECT& r = paint.rcPaint;
    trainer_.paint(canvas, {r.left, r.top, r.right, r.bottom});
    EndPaint(handle(), &paint);
    return 0;
}

LRESULT MainWindow::onCommand(WPARAM wParam)
{
    trainer_.onCommand(LOWORD(wParam), HIWORD(wParam));
    return 0;
}

LRESULT MainWindow::onMouseMove(LPARAM lParam)
{
    trainer_.onMouseMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    return 0;
}

LRESULT MainWindow::onLButtonDown(LPARAM lParam)
{
    trainer_.onLeftButtonDown(static_cast<short>(LOWORD(lParam)),
                              static_cast<short>(HIWORD(lParam)));
    return 0;
}

// F1 pressed in this window or in the fan reference, whose help comes up to its owner. Help
// from the modal dialogs, which also come up here, opens nothing.
LRESULT MainWindow::onHelp(const HELPINFO& help)
{
    HWND from = GetAncestor(static_cast<HWND>(help.hItemHandle), GA_ROOT);
    if (from == handle() || (from != nullptr && from == fanReferenceWindow()))
        showFanReference(handle());
    return TRUE;
}

LRESULT MainWindow::onSysCommand(WPARAM wParam, LPARAM lParam)
{
    if ((wParam & 0xFFF0) != IDM_FAN_REFERENCE)
        return defaultHandling(WM_SYSCOMMAND, wParam, lParam);
    showFanReference(handle());
    return 0;
}

// --- MainWindowView --------------------------------------------------------------------------

bool MainWindow::isChecked(int id) const { return IsDlgButtonChecked(handle(), id) == BST_CHECKED; }

void MainWindow::setChecked(int id, bool on)
{
    CheckDlgButton(handle(), id, on ? BST_CHECKED : BST_UNCHECKED);
}

bool MainWindow::isEnabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }

void MainWindow::setEnabled(int id, bool on) { EnableWindow(item(id), on ? TRUE : FALSE); }

void MainWindow::setCaption(int id, const wchar_t* text) { SetDlgItemTextW(handle(), id, text); }

void MainWindow::setFocus(int id) { SetFocus(item(id)); }

bool MainWindow::hasFocus(int id) const { return GetFocus() == item(id); }

void MainWindow::redraw(int id)
{
    RedrawWindow(item(id), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

unsigned MainWindow::pointsValue() const
{
    return GetDlgItemInt(handle(), IDC_POINTS, nullptr, FALSE);
}

void MainWindow::setStatus(int part, const wchar_t* text)
{
    SendMessageW(statusBar_, SB_SETTEXTW, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(text));
}

void MainWindow::showWindPicture(int boxId, int picture)
{
    showImageIcon(item(boxId), images_.tiles, picture);
}

void MainWindow::setSaveIcon(int iconId)
{
    SendDlgItemMessageW(
        handle(), IDC_SAVE, BM_SETIMAGE, IMAGE_ICON,
        reinterpret_cast<LPARAM>(LoadIconW(app().instance, MAKEINTRESOURCEW(iconId))));
}

void MainWindow::invalidate(const Rect& rect, bool erase)
{
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    InvalidateRect(handle(), &r, erase ? TRUE : FALSE);
}

void MainWindow::postCommand(int id)
{
    PostMessageW(handle(), WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void MainWindow::setCursor(CursorKind cursor)
{
    const App& a = app();
    switch (cursor) {
    case CursorKind::Arrow: SetCursor(a.arrowCursor); break;
    case CursorKind::Add: SetCursor(a.addCursor); break;
    case CursorKind::Remove: SetCursor(a.removeCursor); break;
    }
}

void MainWindow::enterEditLayout()
{
    moveStatusBar(EditLayoutGrowth);
    showEditControls(true);
    placeWindow(handle(), editLayoutWindowRect(windowRect(handle()), workArea()));
}

void MainWindow::enterTestLayout()
{
    moveStatusBar(-EditLayoutGrowth);
    showEditControls(false);
    placeWindow(handle(), testLayoutWindowRect(windowRect(handle())));
}

void MainWindow::moveStatusBar(int delta)
{
    int y =
        statusBarClientY(windowRect(statusBar_).top, windowRect(handle()).top,
                         GetSystemMetrics(SM_CYFIXEDFRAME), GetSystemMetrics(SM_CYCAPTION), delta);
    SetWindowPos(statusBar_, nullptr, 0, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::showEditControls(bool show)
{
    for (int id : EditModeControls)
        ShowWindow(item(id), show ? SW_SHOW : SW_HIDE);
}

void MainWindow::showResult(int answer, int total, const ScoreResult& result)
{
    ui::showResult(app().instance, handle(), answer, total, result, trainer_.hand());
}

void MainWindow::openSaveHandDialog()
{
    ui::openSaveHandDialog(app().instance, trainer_.hand(), app().logFile);
}

void MainWindow::openSettingsSheet()
{
    ui::openSettingsSheet(app().instance, handle(), app().settings);
}

void MainWindow::openAboutDialog() { showAboutDialog(handle()); }

bool MainWindow::logFileOpen() const { return app().logFile != INVALID_HANDLE_VALUE; }

}  // namespace fanwright::ui
