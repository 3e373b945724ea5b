// Shows the real main window in a few states and saves each as a BMP file in the current
// directory, for the pictures in docs/. scripts/screenshots.sh runs it in a Wine desktop.
#include "generator/random.h"
#include "ui/app.h"
#include "ui/main_window.h"
#include "ui/resource_ids.h"
#include "ui_win/window_driver.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace {

using namespace fanwright;
using namespace fanwright::ui;

// Lets the window paint and the desktop catch up before a picture is taken.
void settle(WindowDriver& driver, HWND window)
{
    for (int i = 0; i < 10; ++i) {
        driver.pump();
        Sleep(50);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    driver.pump();
    Sleep(200);
}

// The window as it is on the screen, frame included, as a 24-bit BMP.
void saveWindow(HWND window, const char* fileName)
{
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    DWORD rowSize = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<char> bits(rowSize * static_cast<DWORD>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bits.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
    if (FILE* out = std::fopen(fileName, "wb")) {
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&info, sizeof(info), 1, out);
        std::fwrite(bits.data(), 1, bits.size(), out);
        std::fclose(out);
    }
}

void addSets(WindowDriver& driver, int modeId, std::initializer_list<TileId> tiles)
{
    driver.click(modeId);
    for (TileId t : tiles)
        driver.clickPalette(t);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    app().instance = instance;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    seedRandom(20240611u);  // the same hand in every picture run
    createFonts();
    loadCursors();

    MainWindow mainWindow;
    HWND window = mainWindow.create();
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    UpdateWindow(window);
    WindowDriver driver(window);

    // A dealt hand with an answer being typed.
    driver.click(IDC_NEXT);
    driver.type(L"24", IDC_POINTS);
    settle(driver, window);
    saveWindow(window, "test-mode.bmp");

    // Edit mode mid-build: a chow, a melded and a concealed kong and one tile; the chow mode
    // greys what cannot be the middle of a chow here.
    driver.click(IDC_MODE);
    driver.click(IDC_CLEAR);
    addSets(driver, IDC_ADD_CHOW, {3});
    addSets(driver, IDC_ADD_MELDED_KONG, {33});
    addSets(driver, IDC_ADD_CONCEALED_KONG, {27});
    addSets(driver, IDC_ADD_CONCEALED_TILE, {14});
    driver.click(IDC_ADD_CHOW);
    settle(driver, window);
    saveWindow(window, "edit-mode.bmp");

    // A complete hand with a pung of East: won from the wall, both winds chosen.
    driver.click(IDC_CLEAR);
    addSets(driver, IDC_ADD_CHOW, {2, 14, 26});
    addSets(driver, IDC_ADD_PUNG, {28});
    driver.clickPalette(23);
    driver.clickPalette(23);
    for (int id : {IDC_PREVALENT_NEXT, IDC_SEAT_NEXT, IDC_SEAT_NEXT, IDC_WALL})
        driver.click(id);
    settle(driver, window);
    saveWindow(window, "edit-complete.bmp");

    DestroyWindow(window);
    driver.pump();
    deleteFonts();
    return 0;
}
