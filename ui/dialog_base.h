// A small base for modal dialogs and property pages: one static procedure finds the object
// through the window's DWLP_USER slot and hands each message to its virtual functions.
#pragma once

#include <windows.h>

namespace fanwright::ui {

class Dialog {
public:
    virtual ~Dialog() = default;

    // Runs the dialog of template `id` modally over `owner` (may be null); returns its result.
    INT_PTR runModal(HINSTANCE instance, int id, HWND owner);
    // Creates it modeless, owned by `owner`; the message loop must give it its dialog keys.
    HWND createModeless(HINSTANCE instance, int id, HWND owner);
    // The dialog's window while it exists, else nullptr.
    HWND window() const { return window_; }

    // The procedure to give a property page (PROPSHEETPAGE::pfnDlgProc); lParam of
    // WM_INITDIALOG is then the PROPSHEETPAGE, whose lParam must be the Dialog.
    static INT_PTR CALLBACK pageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    HWND item(int id) const { return GetDlgItem(window_, id); }

    // Handlers: return TRUE when the message was handled (for WM_INITDIALOG: TRUE lets the
    // system set the focus), FALSE to leave it to the default handling.
    virtual INT_PTR onInit() { return TRUE; }
    virtual INT_PTR onCommand(int id, int code, HWND control);
    virtual INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR dispatch(Dialog* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

}  // namespace fanwright::ui
