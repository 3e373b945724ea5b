#include "ui/about_dialog.h"

#include "ui/app.h"
#include "ui/dialog_base.h"
#include "ui/resource_ids.h"
#include "ui/texts.h"

#include <shellapi.h>

#include <string>

namespace fanwright::ui {
namespace {

constexpr COLORREF VisitedLinkColour = RGB(128, 0, 0);
constexpr COLORREF LinkColour = RGB(0, 0, 255);
constexpr int MaxLinkLength = 260;

// Kept for the whole run: a link once followed stays dark red whenever the dialog reopens.
bool mailLinkVisited = false;
bool webLinkVisited = false;

void shellOpen(HWND dialog, const wchar_t* address)
{
    ShellExecuteW(dialog, text::ShellOpenVerb, address, nullptr, L".", SW_SHOWNORMAL);
}

LinkOpener openLink = shellOpen;

// The links' own procedure: the pointing hand over them, everything else as a button.
LRESULT CALLBACK linkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETCURSOR) {
        SetCursor(app().linkCursor);
        return TRUE;
    }
    auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(link, GWLP_USERDATA));
    return CallWindowProcW(previous, link, message, wParam, lParam);
}

class AboutDialog : public Dialog {
protected:
    INT_PTR onInit() override
    {
        for (int id : {IDC_ABOUT_MAIL, IDC_ABOUT_WEB}) {
            LONG_PTR previous = SetWindowLongPtrW(item(id), GWLP_WNDPROC,
                                                  reinterpret_cast<LONG_PTR>(linkProcedure));
            SetWindowLongPtrW(item(id), GWLP_USERDATA, previous);
        }
        return TRUE;
    }

    INT_PTR onCommand(int id, int, HWND) override
    {
        switch (id) {
        case IDOK: PostMessageW(window(), WM_CLOSE, 0, 0); break;
        case IDC_ABOUT_MAIL: follow(id, mailLinkVisited, text::MailUrlScheme); break;
        case IDC_ABOUT_WEB: follow(id, webLinkVisited, L""); break;
        default: break;  // Escape (IDCANCEL) among them: the dialog stays
        }
        return TRUE;
    }

    INT_PTR onMessage(UINT message, WPARAM, LPARAM lParam) override
    {
        switch (message) {
        case WM_DRAWITEM: return drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_CLOSE: close(); return TRUE;
        default: return FALSE;
        }
    }

private:
    void follow(int id, bool& visited, const wchar_t* scheme)
    {
        visited = true;
        RedrawWindow(item(id), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        wchar_t address[MaxLinkLength] = {};
        GetDlgItemTextW(window(), id, address, MaxLinkLength);
        openLink(window(), (std::wstring(scheme) + address).c_str());
    }

    // Only the underlined caption in the link's colour: no background, frame or focus mark.
    static INT_PTR drawItem(const DRAWITEMSTRUCT& draw)
    {
        if (draw.CtlID != IDC_ABOUT_MAIL && draw.CtlID != IDC_ABOUT_WEB)
            return FALSE;
        if (draw.itemAction != ODA_DRAWENTIRE)
            return TRUE;
        const bool visited = draw.CtlID == IDC_ABOUT_MAIL ? mailLinkVisited : webLinkVisited;
        wchar_t caption[MaxLinkLength] = {};
        GetWindowTextW(draw.hwndItem, caption, MaxLinkLength);
        HGDIOBJ font = SelectObject(draw.hDC, app().linkFont);
        COLORREF colour = SetTextColor(draw.hDC, visited ? VisitedLinkColour : LinkColour);
        RECT area = draw.rcItem;
        DrawTextW(draw.hDC, caption, -1, &area, DT_VCENTER);
        SetTextColor(draw.hDC, colour);
        SelectObject(draw.hDC, font);
        return TRUE;
    }

    void close()
    {
        for (int id : {IDC_ABOUT_MAIL, IDC_ABOUT_WEB})
            SetWindowLongPtrW(item(id), GWLP_WNDPROC, GetWindowLongPtrW(item(id), GWLP_USERDATA));
        EndDialog(window(), 0);
    }
};

}  // namespace

void showAboutDialog(HWND owner)
{
    AboutDialog dialog;
    dialog.runModal(app().instance, IDD_ABOUT, owner);
}

LinkOpener replaceLinkOpener(LinkOpener opener)
{
    LinkOpener previous = openLink;
    openLink = opener;
    return previous;
}

}  // namespace fanwright::ui
