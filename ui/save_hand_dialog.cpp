#include "ui/save_hand_dialog.h"

#include "generator/hand_log_line.h"
#include "ui/dialog_base.h"
#include "ui/resource_ids.h"

namespace fanwright::ui {
namespace {

// The close request that "&Save" posts; Cancel and the close box send 0.
constexpr WPARAM SaveMarker = 1;

class SaveHandDialog : public Dialog {
public:
    SaveHandDialog(Hand& hand, HANDLE logFile) : hand_(hand), logFile_(logFile) {}

protected:
    INT_PTR onCommand(int id, int, HWND) override
    {
        if (id != IDOK && id != IDCANCEL)
            return FALSE;
        PostMessageW(window(), WM_CLOSE, id == IDOK ? SaveMarker : 0, 0);
        return TRUE;
    }

    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM) override
    {
        if (message != WM_CLOSE)
            return FALSE;
        if (wParam == SaveMarker)
            save();
        EndDialog(window(), 0);
        return TRUE;
    }

private:
    // Appends the hand's line and flushes it at once; a failing write is dropped.
    void save()
    {
        if (logFile_ == INVALID_HANDLE_VALUE)
            return;
        char comment[MaxLogCommentLength + 1] = {};
        GetDlgItemTextA(window(), IDC_SAVE_COMMENT, comment, sizeof comment);
        const std::string line = formatLogLine(hand_.toLogText(), comment);
        DWORD written = 0;
        WriteFile(logFile_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        FlushFileBuffers(logFile_);
    }

    Hand& hand_;
    HANDLE logFile_;
};

}  // namespace

void openSaveHandDialog(HINSTANCE instance, Hand& hand, HANDLE logFile)
{
    SaveHandDialog dialog(hand, logFile);
    dialog.runModal(instance, IDD_SAVE_HAND, nullptr);
}

}  // namespace fanwright::ui
