// Drives the real program's windows into the states pictured in docs/ and saves each window as
// a BMP file in the current directory: the main window in both modes, the result window, the
// three dialogs its buttons open, the explanation window and the fan reference.
// scripts/screenshots.sh runs it in a Wine desktop.
#include "generator/hand_log_file.h"
#include "generator/random.h"
#include "scoring/scoring.h"
#include "ui/app.h"
#include "ui/driver/window_driver.h"
#include "ui/fan_reference.h"
#include "ui/main_window.h"
#include "ui/resource_ids.h"
#include "ui/result_window.h"
#include "ui/texts.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace fanwright;
using namespace fanwright::ui;
using driver::WindowDriver;

// The window, frame included, as a bottom-up 24-bit BMP. Read from the window's own surface
// right after painting it: what the X server shows may lag behind.
void saveWindow(HWND window, const std::string& name)
{
    // The window is the active one, but Wine may not have told its frame so yet.
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof(info), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<std::size_t>(((width * 3 + 3) & ~3) * height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPFILEHEADER file{0x4D42, offset + static_cast<DWORD>(pixels.size()), 0, 0, offset};
    if (std::FILE* out = std::fopen((name + ".bmp").c_str(), "wb")) {
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&info, sizeof(info), 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
}

// Lets the window paint and the desktop catch up before a picture is taken.
void settle(WindowDriver& driver)
{
    for (int i = 0; i < 10; ++i) {
        driver.pump();
        Sleep(30);
    }
}

// Runs `open`, which opens a modal window; a few timer ticks later the window is saved and
// closed as its close box would. `prepare` acts on it first (typing, say).
void saveModal(
    const std::function<void()>& open, const std::string& name,
    const driver::Step& prepare = [](HWND) {})
{
    const driver::Step wait = [](HWND) {};
    driver::runModal(open, {prepare, wait, wait, wait, wait, [&](HWND dialog) {
                                saveWindow(dialog, name);
                                PostMessageW(dialog, WM_CLOSE, 0, 0);
                            }});
}

int pointsOf(const Hand& shown, int& fanRows, bool& hasKong)
{
    Hand hand = shown;
    ScoreResult result;
    const int total = scoreHand(hand, result);
    fanRows = 0;
    for (int count : result.fanCounts)
        fanRows += count > 0 ? 1 : 0;
    hasKong = false;
    for (int i = 0; i < result.setCount && result.setCount == 4; ++i)
        hasKong = hasKong || result.setKinds[i] == Kong;
    return total;
}

void addSets(WindowDriver& driver, int modeId, std::initializer_list<TileId> tiles)
{
    driver.click(modeId);
    for (TileId t : tiles)
        driver.clickPalette(t);
}

// Test mode: a dealt hand with an answer being typed; the result of a right answer; a hand of
// several fans with a kong, answered wrong; the settings sheet and the save dialog over it.
void testModeScenes(MainWindow& window, WindowDriver& driver)
{
    driver.click(IDC_NEXT);
    driver.type(L"24", IDC_POINTS);
    settle(driver);
    saveWindow(window.handle(), "test-mode");

    int rows = 0;
    bool kong = false;
    SetDlgItemTextW(window.handle(), IDC_POINTS, L"");
    driver.type(std::to_wstring(pointsOf(window.trainer().hand(), rows, kong)), IDC_POINTS);
    saveModal([&] { driver.pressKey(VK_RETURN); }, "result-right-answer");

    int total = 0;
    for (int deals = 0; deals == 0 || (deals < 500 && (rows < 4 || !kong)); ++deals) {
        driver.click(IDC_NEXT);
        total = pointsOf(window.trainer().hand(), rows, kong);
    }
    driver.type(std::to_wstring(total - 2), IDC_POINTS);
    saveModal([&] { driver.click(IDC_CHECK); }, "result-wrong-answer");

    saveModal([&] { driver.click(IDC_SETTINGS); }, "settings-sheet");
    saveModal(
        [&] { driver.click(IDC_SAVE); }, "save-hand-dialog",
        [](HWND dialog) { SetDlgItemTextW(dialog, IDC_SAVE_COMMENT, L"Missed the kong's point"); });
}

// Edit mode: mid-build with the chow mode greying what cannot be a chow's middle; a complete
// hand with a melded kong of East and both winds, its result; the About dialog.
void editModeScenes(MainWindow& window, WindowDriver& driver)
{
    driver.click(IDC_MODE);
    driver.click(IDC_CLEAR);
    addSets(driver, IDC_ADD_CHOW, {3});
    addSets(driver, IDC_ADD_MELDED_KONG, {33});
    addSets(driver, IDC_ADD_CONCEALED_KONG, {27});
    addSets(driver, IDC_ADD_CONCEALED_TILE, {14});
    driver.click(IDC_ADD_CHOW);
    settle(driver);
    saveWindow(window.handle(), "edit-mode");

    driver.click(IDC_CLEAR);
    addSets(driver, IDC_ADD_MELDED_KONG, {28});
    addSets(driver, IDC_ADD_CHOW, {2, 14, 26});
    driver.clickPalette(23);
    driver.clickPalette(23);
    for (int id : {IDC_PREVALENT_NEXT, IDC_SEAT_NEXT, IDC_SEAT_NEXT, IDC_WALL})
        driver.click(id);
    settle(driver);
    saveWindow(window.handle(), "edit-complete");
    saveModal([&] { driver.click(IDC_CHECK); }, "result-kong");

    HWND banner = driver.item(IDC_BANNER);
    saveModal(
        [&] {
            SendMessageW(banner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
            SendMessageW(banner, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        },
        "about-dialog");
}

// Why a hand scores what it does: a hand read two ways, each with a fan excluded, explained from
// its result window's system menu; then the fan reference at a fan whose example has declared
// sets.
void whyScenes(MainWindow& window, WindowDriver& driver)
{
    driver.click(IDC_CLEAR);
    addSets(driver, IDC_ADD_CONCEALED_TILE, {1, 1, 4, 4, 5, 6, 6, 20, 20, 21, 21, 22, 22});
    driver.clickPalette(5);
    driver.click(IDC_DISCARD);
    const fanwright::driver::Step wait = [](HWND) {};
    fanwright::driver::runModal(
        [&] { driver.click(IDC_CHECK); },
        {[](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, IDM_WHY_THIS_SCORE, 0); }, wait,
         wait, wait, wait,
         [](HWND dialog) {
             saveWindow(FindWindowW(text::ExplanationClass, nullptr), "explanation");
             PostMessageW(dialog, WM_CLOSE, 0, 0);
         }});

    showFanReference(window.handle(), PureShiftedPungs);
    settle(driver);
    saveWindow(fanReferenceWindow(), "fan-reference");
    DestroyWindow(fanReferenceWindow());
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    driver::startLikeTheProgram();
    seedRandom(20240611u);  // the same hands in every picture run
    app().logFile = openHandLog();

    MainWindow mainWindow;
    WindowDriver driver;
    HWND window = driver.openMain(mainWindow);
    SetForegroundWindow(window);

    testModeScenes(mainWindow, driver);
    editModeScenes(mainWindow, driver);
    whyScenes(mainWindow, driver);

    DestroyWindow(window);
    driver.pump();
    closeHandLog(app().logFile);
    freeSmallTileBitmaps();
    deleteFonts();
    return 0;
}
