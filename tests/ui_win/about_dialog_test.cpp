// The About dialog's links: the colour each is drawn in, kept over openings, what a click opens
// (the shell replaced by a recorder), the cursor over them, and what does and does not close it.
#include "ui/about_dialog.h"
#include "ui/app.h"
#include "ui/driver/window_driver.h"
#include "ui/resource_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

constexpr COLORREF Unvisited = RGB(0, 0, 255);
constexpr COLORREF Visited = RGB(128, 0, 0);

std::vector<std::wstring> opened;

// The one link colour among the pixels the button paints; 0 for none or both.
COLORREF inkOf(HWND dialog, int link)
{
    HWND button = GetDlgItem(dialog, link);
    RECT r;
    GetClientRect(button, &r);
    HDC screen = GetDC(button);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, CreateCompatibleBitmap(screen, r.right, r.bottom));
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    bool unvisited = false, visited = false;
    for (int y = 0; y < r.bottom; ++y) {
        for (int x = 0; x < r.right; ++x) {
            unvisited = unvisited || GetPixel(dc, x, y) == Unvisited;
            visited = visited || GetPixel(dc, x, y) == Visited;
        }
    }
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    ReleaseDC(button, screen);
    return unvisited == visited ? 0 : unvisited ? Unvisited : Visited;
}

TEST(AboutDialog, FollowedLinksStayVisitedEscapeDoesNotClose)
{
    driver::startLikeTheProgram();
    const ui::LinkOpener shell =
        ui::replaceLinkOpener([](HWND, const wchar_t* address) { opened.emplace_back(address); });
    std::vector<COLORREF> inks;  // mail, web, at each look
    auto look = [&](HWND d) {
        inks.push_back(inkOf(d, IDC_ABOUT_MAIL));
        inks.push_back(inkOf(d, IDC_ABOUT_WEB));
    };
    auto click = [](HWND d, int id) { SendDlgItemMessageW(d, id, BM_CLICK, 0, 0); };
    bool openAfterEscape = false;
    HCURSOR overLink = nullptr;
    auto showAbout = [] { ui::showAboutDialog(nullptr); };
    EXPECT_TRUE(driver::runModal(
        showAbout, {[&](HWND d) {
                        look(d);
                        click(d, IDC_ABOUT_MAIL);
                        look(d);
                        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
                    },
                    [&](HWND d) {
                        openAfterEscape = IsWindowVisible(d) != FALSE;
                        HWND web = GetDlgItem(d, IDC_ABOUT_WEB);
                        SendMessageW(web, WM_SETCURSOR, reinterpret_cast<WPARAM>(web), HTCLIENT);
                        overLink = GetCursor();
                        PostMessageW(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 0);
                    }}));
    EXPECT_TRUE(driver::runModal(showAbout, {[&](HWND d) {
                                     look(d);  // opened again: mail still visited
                                     click(d, IDC_ABOUT_WEB);
                                     look(d);
                                     SendMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0);
                                 }}));
    ui::replaceLinkOpener(shell);

    EXPECT_EQ(inks, (std::vector{Unvisited, Unvisited, Visited, Unvisited, Visited, Unvisited,
                                 Visited, Visited}));
    EXPECT_TRUE(openAfterEscape);
    EXPECT_NE(overLink, nullptr);
    EXPECT_EQ(overLink, ui::app().linkCursor);
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"mailto:hello@fanwright.example",
                                                 L"https://fanwright.example/"}));
}

}  // namespace
}  // namespace fanwright
