// The real result window under the dialog manager: a timer checks it while it is open and
// closes it as a person would. With FANWRIGHT_RESULT_SHOTS set to a folder, the named cases
// also leave a picture of the window there (24-bit BMP).
#include "ui/result_window.h"

#include "test_support.h"
#include "ui/app.h"
#include "ui/result_layout.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fanwright::ui {
namespace {

enum class CloseBy { EscapeCharacter, EscapeKey, OkClick, EnterKey };

struct Watch {
    ResultLayout expected;
    CloseBy closeBy;
    std::string shotName;
    int ticks = 0;
    bool opened = false;
    bool closedInTime = true;
} watch;

std::wstring textOf(HWND window)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

HWND findDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM out) {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (IsWindowVisible(window) && std::wstring(name) == L"#32770")
                *reinterpret_cast<HWND*>(out) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HFONT fontOf(FontRole role)
{
    const App& a = app();
    return role == FontRole::Points ? a.pointsFont
           : role == FontRole::Bold ? a.boldFont
           : role == FontRole::Link ? a.linkFont
                                    : a.normalFont;
}

LONG styleTypeOf(ResultItemKind kind)
{
    constexpr LONG types[] = {SS_LEFT,   SS_CENTER,     SS_ICON,
                              SS_BITMAP, SS_ETCHEDHORZ, BS_DEFPUSHBUTTON};
    return types[static_cast<int>(kind)];
}

// Size and place of the window, then each control against its item, in creation order.
void checkWindow(HWND dialog, const ResultLayout& expected)
{
    EXPECT_EQ(textOf(dialog), expected.title);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
    RECT client, outer, work;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(client.right, expected.clientWidth);
    EXPECT_EQ(client.bottom, expected.clientHeight);
    const int width = expected.clientWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME);
    const int height = expected.clientHeight + 2 * GetSystemMetrics(SM_CYDLGFRAME) +
                       GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(outer.right - outer.left, width);
    EXPECT_EQ(outer.bottom - outer.top, height);
    EXPECT_EQ(outer.left, work.left + (work.right - work.left - width) / 2);
    EXPECT_EQ(outer.top, work.top + (work.bottom - work.top - height) / 2);

    HWND child = GetWindow(dialog, GW_CHILD);
    for (const ResultItem& item : expected.items) {
        SCOPED_TRACE(testing::Message() << "item at " << item.x << "," << item.y);
        ASSERT_NE(child, nullptr);
        const bool button = item.kind == ResultItemKind::OkButton;
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        EXPECT_EQ(style & (button ? BS_TYPEMASK : SS_TYPEMASK), styleTypeOf(item.kind));
        EXPECT_EQ(GetDlgCtrlID(child), button ? IDOK : -1);
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, item.x);
        EXPECT_EQ(r.top, item.y);
        EXPECT_EQ(r.right - r.left, item.width);
        EXPECT_EQ(r.bottom - r.top, item.height);
        if (!item.text.empty()) {
            EXPECT_EQ(textOf(child), item.text);
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)),
                      fontOf(item.font));
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than items";
}

// The window, frame included, as a bottom-up 24-bit BMP. Read from the window's own surface
// right after painting it: what the X server shows may lag behind.
void saveShot(HWND dialog, const std::string& path)
{
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r;
    GetWindowRect(dialog, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC source = GetWindowDC(dialog);
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
    if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&info, sizeof(info), 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(dialog, source);
}

void close(HWND dialog, CloseBy how)
{
    switch (how) {
    case CloseBy::EscapeCharacter: PostMessageW(dialog, WM_CHAR, 27, 0); break;
    case CloseBy::EscapeKey:  // the dialog keyboard handling turns these into commands
    case CloseBy::EnterKey:
        PostMessageW(GetFocus(), WM_KEYDOWN, how == CloseBy::EnterKey ? VK_RETURN : VK_ESCAPE, 0);
        break;
    case CloseBy::OkClick: SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); break;
    }
}

// Every 20 ms while showResult runs: check the window once and close it; if it is still open
// a second later, end it by force so that the test goes on.
void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD)
{
    ++watch.ticks;
    HWND dialog = findDialog();
    if (dialog == nullptr)
        return;
    if (!watch.opened) {
        watch.opened = true;
        checkWindow(dialog, watch.expected);
        const char* folder = std::getenv("FANWRIGHT_RESULT_SHOTS");
        if (folder != nullptr && !watch.shotName.empty())
            saveShot(dialog, std::string(folder) + "\\" + watch.shotName + ".bmp");
        watch.ticks = 0;
        close(dialog, watch.closeBy);
    } else if (watch.ticks > 50) {
        watch.closedInTime = false;
        EndDialog(dialog, 0);
    }
}

TEST(ResultWindow, ShowsItsLayoutSizedAndCentredAndClosesAsAPersonWould)
{
    app().instance = GetModuleHandleW(nullptr);
    createFonts();
    loadSmallTileBitmaps();
    const char* sixteen = "3b4b5b9b9b3c4c5c6c7c8c3d5d4dffffememw";
    struct Row {
        const char* code;
        int answer;
        CloseBy closeBy;
        const char* shot;
    } rows[] = {
        // The first window of a run opens inactive under Wine: no picture of it.
        {"1b1b1b2b3b4b5b6b7b8b9b9b9b1cffffememw", 0, CloseBy::EscapeKey, ""},
        {sixteen, 16, CloseBy::OkClick, "result-right-answer"},
        {sixteen, 12, CloseBy::EscapeCharacter, "result-wrong-answer"},
        {"ck4c1b2b3b6b7b8b3d4d5d9d9dfftfememw", 0, CloseBy::EnterKey, "result-kong"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.code << " answered " << row.answer);
        Hand hand = test::handOf(row.code);
        ScoreResult result;
        const int total = scoreHand(hand, result);
        watch = Watch{layoutResult(row.answer, total, result), row.closeBy, row.shot};
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, onTick);
        showResult(app().instance, nullptr, row.answer, total, result);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(watch.opened);
        EXPECT_TRUE(watch.closedInTime);
    }
    freeSmallTileBitmaps();
    deleteFonts();
}

}  // namespace
}  // namespace fanwright::ui
