#include "ui/dialog_base.h"

#include <prsht.h>

namespace fanwright::ui {

INT_PTR Dialog::runModal(HINSTANCE instance, int id, HWND owner)
{
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(id), owner, procedure,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::createModeless(HINSTANCE instance, int id, HWND owner)
{
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(id), owner, procedure,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::onCommand(int, int, HWND)
{
    return FALSE;
}

INT_PTR Dialog::onMessage(UINT, WPARAM, LPARAM)
{
    return FALSE;
}

INT_PTR CALLBACK Dialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return dispatch(self, window, message, wParam, lParam);
}

INT_PTR CALLBACK Dialog::pageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    return dispatch(self, window, message, wParam, lParam);
}

INT_PTR Dialog::dispatch(Dialog* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (self == nullptr)  // messages before WM_INITDIALOG
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        self->window_ = window;
        return self->onInit();
    case WM_COMMAND:
        return self->onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NCDESTROY: {  // the object may outlive its window, as a modeless one does
        const INT_PTR result = self->onMessage(message, wParam, lParam);
        self->window_ = nullptr;
        return result;
    }
    default:
        return self->onMessage(message, wParam, lParam);
    }
}

}  // namespace fanwright::ui
