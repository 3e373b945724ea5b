// A small base for windows of our own classes: the class's procedure finds the object through
// the window's GWLP_USERDATA slot, set from CreateWindowEx's last argument, and hands every
// message to handleMessage, which the window writes as a flat switch of named handlers.
#pragma once

#include <windows.h>

namespace fanwright::ui {

class WindowBase {
public:
    virtual ~WindowBase() = default;

    HWND handle() const { return window_; }

    // The procedure to register with the window class; pass `this` as the creation parameter.
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            auto* self =
                static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->window_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self == nullptr)
            return DefWindowProcW(window, message, wParam, lParam);
        LRESULT result = self->handleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {  // the object may outlive its window
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
        }
        return result;
    }

protected:
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return DefWindowProcW(window_, message, wParam, lParam);
    }

private:
    HWND window_ = nullptr;
};

}  // namespace fanwright::ui
