// The About dialog's links: the colour each is drawn in, kept over openings, what a click
// opens (the shell replaced by a recorder), and the ways the dialog does and does not close.
#include "ui/about_dialog.h"
#include "ui/modal_driver.h"
#include "ui/resource_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

using test::ModalDriver;

constexpr COLORREF Unvisited = RGB(0, 0, 255);
constexpr COLORREF Visited = RGB(128, 0, 0);

std::vector<std::wstring> opened;

void recordOpen(HWND, const wchar_t* address) { opened.emplace_back(address); }

// The one link colour found among the button's pixels as it paints itself; 0 when there is
// none or both.
COLORREF inkOf(HWND dialog, int link)
{
    HWND button = GetDlgItem(dialog, link);
    RECT r;
    GetClientRect(button, &r);
    HDC screen = GetDC(button);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    bool unvisited = false, visited = false;
    for (int y = 0; y < r.bottom; ++y) {
        for (int x = 0; x < r.right; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            unvisited = unvisited || pixel == Unvisited;
            visited = visited || pixel == Visited;
        }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(button, screen);
    return unvisited == visited ? 0 : unvisited ? Unvisited : Visited;
}

TEST(AboutDialog, FollowedLinksStayVisitedEscapeDoesNotClose)
{
    test::startLikeTheProgram();
    const ui::LinkOpener shell = ui::replaceLinkOpener(recordOpen);
    COLORREF inks[4][2] = {};
    auto see = [&](HWND dialog, int i) {
        inks[i][0] = inkOf(dialog, IDC_ABOUT_MAIL);
        inks[i][1] = inkOf(dialog, IDC_ABOUT_WEB);
    };
    bool openAfterEscape = false;
    HCURSOR overLink = nullptr;
    EXPECT_TRUE(ModalDriver::run(
        [] { ui::showAboutDialog(nullptr); },
        {[&](HWND d) {
             see(d, 0);
             SendDlgItemMessageW(d, IDC_ABOUT_MAIL, BM_CLICK, 0, 0);
             see(d, 1);
             PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);  // through the dialog's loop
         },
         [&](HWND d) {
             openAfterEscape = IsWindowVisible(d) != FALSE;
             HWND link = GetDlgItem(d, IDC_ABOUT_WEB);
             SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                          MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
             overLink = GetCursor();
             PostMessageW(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 0);  // Enter: OK
         }}));
    // Opened again, the mail link is still visited; the close box closes the dialog.
    EXPECT_TRUE(ModalDriver::run([] { ui::showAboutDialog(nullptr); }, {[&](HWND d) {
                                     see(d, 2);
                                     SendDlgItemMessageW(d, IDC_ABOUT_WEB, BM_CLICK, 0, 0);
                                     see(d, 3);
                                     SendMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0);
                                 }}));
    ui::replaceLinkOpener(shell);

    const COLORREF expected[4][2] = {
        {Unvisited, Unvisited}, {Visited, Unvisited}, {Visited, Unvisited}, {Visited, Visited}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(inks[i][0], expected[i][0]) << "mail link, look " << i;
        EXPECT_EQ(inks[i][1], expected[i][1]) << "web link, look " << i;
    }
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(overLink, ui::app().linkCursor);
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"mailto:hello@fanwright.example",
                                                 L"https://fanwright.example/"}));
}

}  // namespace
}  // namespace fanwright
