// The main window: the trainer's view over the real controls. It owns the trainer, the tile
// pictures and the tooltips, and hands every message to a short named handler.
#pragma once

#include "ui/main_window_view.h"
#include "ui/tile_images.h"
#include "ui/trainer.h"
#include "ui/window_base.h"

#include <windows.h>

namespace fanwright::ui {

class MainWindow : public WindowBase, public MainWindowView {
public:
    MainWindow();

    // Registers the class (once per process), sizes the window, centres it in the work area and
    // creates it with all its controls, still hidden. nullptr when creation fails.
    HWND create();

    Trainer& trainer() { return trainer_; }

    // MainWindowView
    bool isChecked(int id) const override;
    void setChecked(int id, bool on) override;
    bool isEnabled(int id) const override;
    void setEnabled(int id, bool on) override;
    void setCaption(int id, const wchar_t* text) override;
    void setFocus(int id) override;
    bool hasFocus(int id) const override;
    void redraw(int id) override;
    unsigned pointsValue() const override;
    void setStatus(int part, const wchar_t* text) override;
    void showWindPicture(int boxId, int picture) override;
    void setSaveIcon(int iconId) override;
    void invalidate(const Rect& rect, bool erase) override;
    void postCommand(int id) override;
    void setCursor(CursorKind cursor) override;
    void enterEditLayout() override;
    void enterTestLayout() override;
    void showResult(int answer, int total, const ScoreResult& result) override;
    void openSaveHandDialog() override;
    void openSettingsSheet() override;
    void openAboutDialog() override;
    bool logFileOpen() const override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT onCreate();
    LRESULT onDestroy();
    LRESULT onPaint();
    LRESULT onCommand(WPARAM wParam);
    LRESULT onMouseMove(LPARAM lParam);
    LRESULT onLButtonDown(LPARAM lParam);
    LRESULT onHelp(const HELPINFO& help);
    LRESULT onSysCommand(WPARAM wParam, LPARAM lParam);

    HWND item(int id) const { return GetDlgItem(handle(), id); }
    // Moves the status bar `delta` pixels down (up when negative); shows or hides the
    // edit-mode controls.
    void moveStatusBar(int delta);
    void showEditControls(bool show);

    Trainer trainer_;
    TileImages images_;
    HWND statusBar_ = nullptr;
};

}  // namespace fanwright::ui
