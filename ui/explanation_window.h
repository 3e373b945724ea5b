// The explanation window: why a hand scores what it does, every reading with its fans and the
// fans it did not count, painted from its portable layout. Owned by the result window,
// resizable and scrolling; it keeps nothing once closed.
#pragma once

#include "explain/explanation.h"
#include "ui/explanation_layout.h"
#include "ui/window_base.h"

#include <string>

namespace fanwright::ui {

class ExplanationWindow : public WindowBase {
public:
    // `copyText` is what Ctrl+C puts on the clipboard: the command line's explanation.
    ExplanationWindow(const Explanation& explanation, std::wstring copyText);

    // Opens the window over `owner` at the top of the explanation, or brings the open one to
    // the front.
    void show(HWND owner);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT onPaint();
    LRESULT onSize();
    LRESULT onVScroll(int request);
    LRESULT onMouseWheel(int delta);
    LRESULT onKeyDown(WPARAM key);
    LRESULT onChar(WPARAM character);
    LRESULT onLButtonDown(int x, int y);
    LRESULT onSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT onGetMinMaxInfo(MINMAXINFO& limits);

    int page() const;  // the client's height
    void scroll(ScrollMove move, int target = 0);
    void updateScrollBar();
    void copyToClipboard();

    ExplanationLayout layout_;
    std::wstring copyText_;
    int position_ = 0;  // the content's y at the client's top
};

}  // namespace fanwright::ui
