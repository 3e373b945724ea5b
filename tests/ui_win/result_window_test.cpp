// The real result window under the dialog manager: a timer inspects it while it is open and
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

struct Control {
    std::wstring windowClass;
    std::wstring text;
    RECT rect;  // in the window's client coordinates
    LONG style;
    int id;
    HFONT font;
};

struct Seen {
    bool opened = false;
    bool closedInTime = true;
    bool okHasFocus = false;
    std::wstring title;
    RECT client{};
    RECT outer{};
    std::vector<Control> controls;
};

struct Watch {
    CloseBy closeBy = CloseBy::OkClick;
    std::string shotName;
    int ticks = 0;
    Seen seen;
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

Seen inspect(HWND dialog)
{
    Seen seen;
    seen.opened = true;
    seen.title = textOf(dialog);
    GetClientRect(dialog, &seen.client);
    GetWindowRect(dialog, &seen.outer);
    seen.okHasFocus = GetFocus() == GetDlgItem(dialog, IDOK);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        Control c;
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        c.windowClass = name;
        c.text = textOf(child);
        GetWindowRect(child, &c.rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&c.rect), 2);
        c.style = GetWindowLongW(child, GWL_STYLE);
        c.id = GetDlgCtrlID(child);
        c.font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        seen.controls.push_back(c);
    }
    return seen;
}

// The window, frame included, as a bottom-up 24-bit BMP. Read from the window's own surface
// right after painting it: what the X server shows may lag behind.
void saveShot(HWND dialog, const std::string& path)
{
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME | RDW_ERASE);
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
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride * height));
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
    case CloseBy::EscapeKey: PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); break;
    case CloseBy::OkClick: SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0); break;
    case CloseBy::EnterKey: PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0); break;
    }
}

// Every 20 ms while showResult runs: inspect the window once and close it; if it is still
// open a second later, end it by force so that the test goes on.
void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD)
{
    ++watch.ticks;
    HWND dialog = findDialog();
    if (dialog == nullptr)
        return;
    if (!watch.seen.opened) {
        watch.seen = inspect(dialog);
        const char* folder = std::getenv("FANWRIGHT_RESULT_SHOTS");
        if (folder != nullptr && !watch.shotName.empty())
            saveShot(dialog, std::string(folder) + "\\" + watch.shotName + ".bmp");
        watch.ticks = 0;
        close(dialog, watch.closeBy);
    } else if (watch.ticks > 50) {
        watch.seen.closedInTime = false;
        EndDialog(dialog, 0);
    }
}

Seen openAndClose(int answer, int total, const ScoreResult& result, CloseBy how,
                  const std::string& shotName)
{
    watch = Watch{how, shotName, 0, {}};
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, onTick);
    showResult(app().instance, nullptr, answer, total, result);
    KillTimer(nullptr, timer);
    return watch.seen;
}

class ResultWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        app().instance = GetModuleHandleW(nullptr);
        createFonts();
        loadSmallTileBitmaps();
    }
    static void TearDownTestSuite()
    {
        freeSmallTileBitmaps();
        deleteFonts();
    }
};

HFONT fontOf(FontRole role)
{
    switch (role) {
    case FontRole::Points: return app().pointsFont;
    case FontRole::Bold: return app().boldFont;
    case FontRole::Link: return app().linkFont;
    default: return app().normalFont;
    }
}

// What kind of control an item must become, as its class and the type bits of its style.
void expectControlFor(const ResultItem& item, const Control& c)
{
    const LONG type = c.style & SS_TYPEMASK;
    switch (item.kind) {
    case ResultItemKind::Text: EXPECT_EQ(type, SS_LEFT); break;
    case ResultItemKind::CentredText: EXPECT_EQ(type, SS_CENTER); break;
    case ResultItemKind::Icon: EXPECT_EQ(type, SS_ICON); break;
    case ResultItemKind::Tile: EXPECT_EQ(type, SS_BITMAP); break;
    case ResultItemKind::Separator: EXPECT_EQ(type, SS_ETCHEDHORZ); break;
    case ResultItemKind::OkButton:
        EXPECT_EQ(_wcsicmp(c.windowClass.c_str(), L"Button"), 0);
        EXPECT_EQ(c.style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_EQ(c.id, IDOK);
        return;
    }
    EXPECT_EQ(_wcsicmp(c.windowClass.c_str(), L"Static"), 0);
}

TEST_F(ResultWindowTest, ShowsTheLayoutSizedAndCentredAndClosesAsAPersonWould)
{
    const char* sixteen = "3b4b5b9b9b3c4c5c6c7c8c3d5d4dffffememw";
    struct Row {
        const char* code;
        int answer;
        CloseBy closeBy;
        const wchar_t* title;
        const char* shot;
    } rows[] = {
        {"1b1b1b2b3b4b5b6b7b8b9b9b9b1cffffememw", 0, CloseBy::EscapeKey, L"ERROR!", ""},
        {sixteen, 16, CloseBy::OkClick, L"OK", "result-right-answer"},
        {sixteen, 12, CloseBy::EscapeCharacter, L"ERROR!", "result-wrong-answer"},
        {"ck4c1b2b3b6b7b8b3d4d5d9d9dfftfememw", 0, CloseBy::EnterKey, L"Result", "result-kong"},
    };
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.code << " answered " << row.answer);
        Hand hand = test::handOf(row.code);
        ScoreResult result;
        const int total = scoreHand(hand, result);
        const Seen seen = openAndClose(row.answer, total, result, row.closeBy, row.shot);
        ASSERT_TRUE(seen.opened);
        EXPECT_TRUE(seen.closedInTime);
        EXPECT_TRUE(seen.okHasFocus);
        EXPECT_EQ(seen.title, row.title);

        // Client area; outer size adds the dialog frame twice and the caption; centred.
        const ResultLayout layout = layoutResult(row.answer, total, result);
        EXPECT_EQ(seen.client.right, 440);
        EXPECT_EQ(seen.client.bottom, layout.clientHeight);
        const int width = 440 + 2 * GetSystemMetrics(SM_CXDLGFRAME);
        const int height = layout.clientHeight + 2 * GetSystemMetrics(SM_CYDLGFRAME) +
                           GetSystemMetrics(SM_CYCAPTION);
        EXPECT_EQ(seen.outer.right - seen.outer.left, width);
        EXPECT_EQ(seen.outer.bottom - seen.outer.top, height);
        EXPECT_EQ(seen.outer.left, work.left + (work.right - work.left - width) / 2);
        EXPECT_EQ(seen.outer.top, work.top + (work.bottom - work.top - height) / 2);

        ASSERT_EQ(seen.controls.size(), layout.items.size());
        for (std::size_t i = 0; i < layout.items.size(); ++i) {
            const ResultItem& item = layout.items[i];
            const Control& c = seen.controls[i];
            SCOPED_TRACE(testing::Message() << "control " << i);
            expectControlFor(item, c);
            EXPECT_EQ(c.rect.left, item.x);
            EXPECT_EQ(c.rect.top, item.y);
            EXPECT_EQ(c.rect.right - c.rect.left, item.width);
            EXPECT_EQ(c.rect.bottom - c.rect.top, item.height);
            if (item.kind == ResultItemKind::Text || item.kind == ResultItemKind::CentredText ||
                item.kind == ResultItemKind::OkButton) {
                EXPECT_EQ(c.text, item.text);
                EXPECT_EQ(c.font, fontOf(item.font));
            }
        }
    }
}

}  // namespace
}  // namespace fanwright::ui
