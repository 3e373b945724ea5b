// The save dialog against a real log file, in a folder of its own: what each way of closing
// writes, appending over runs, and a second copy of the program that cannot open the file.
#include "ui/save_hand_dialog.h"
#include "generator/hand_log_file.h"
#include "test_support.h"
#include "ui/modal_driver.h"
#include "ui/resource_ids.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace fanwright {
namespace {

using test::ModalDriver;
using test::Step;

const std::string PairWaitCode = "ch3bpu5c1b7d8d9dwewewe1bffffwewsw";
const std::string OrphansCode = "1b9b1c9c1d9dwewswwwndrdgdw1bffffememw";

class SaveHandDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::startLikeTheProgram();
        GetCurrentDirectoryW(MAX_PATH, previous_);
        GetTempPathW(MAX_PATH, folder_);
        lstrcatW(folder_, L"fanwright-save-dialog-test");
        CreateDirectoryW(folder_, nullptr);
        ASSERT_TRUE(SetCurrentDirectoryW(folder_));
        DeleteFileW(L"Fanwright.log");
    }
    void TearDown() override
    {
        DeleteFileW(L"Fanwright.log");
        SetCurrentDirectoryW(previous_);
        RemoveDirectoryW(folder_);
    }

    static std::string logContent()
    {
        std::ifstream file("Fanwright.log", std::ios::binary);
        std::ostringstream content;
        content << file.rdbuf();
        return content.str();
    }

    // Types the comment, then closes the dialog by `close`; true when it closed by itself.
    static bool saveWith(HANDLE log, const std::string& code, const std::string& comment,
                         const Step& close)
    {
        Hand hand = test::handOf(code);
        const Step type = [&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_SAVE_COMMENT, comment.c_str());
        };
        return ModalDriver::run([&] { ui::openSaveHandDialog(ui::app().instance, hand, log); },
                                {type, close});
    }

    static void press(HWND dialog, int button)
    {
        SendDlgItemMessageW(dialog, button, BM_CLICK, 0, 0);
    }
    static void pressKey(HWND dialog, WPARAM key)
    {
        PostMessageW(GetDlgItem(dialog, IDC_SAVE_COMMENT), WM_KEYDOWN, key, 0);
    }

    wchar_t previous_[MAX_PATH] = {};
    wchar_t folder_[MAX_PATH] = {};
};

TEST_F(SaveHandDialogTest, EachWayOfClosingWritesItsLine)
{
    const std::string longComment(600, 'c');
    const struct {
        const char* how;
        std::string comment;
        Step close;
        std::string written;
    } rows[] = {
        {"Save", "pair wait", [](HWND d) { press(d, IDOK); }, PairWaitCode + " - pair wait\n"},
        {"Enter", "x", [](HWND d) { pressKey(d, VK_RETURN); }, PairWaitCode + " - x\n"},
        {"Save", "", [](HWND d) { press(d, IDOK); }, PairWaitCode + " - \n"},
        {"Save", longComment, [](HWND d) { press(d, IDOK); },
         PairWaitCode + " - " + longComment.substr(0, 511) + "\n"},
        {"Cancel", "not kept", [](HWND d) { press(d, IDCANCEL); }, ""},
        {"Escape", "not kept", [](HWND d) { pressKey(d, VK_ESCAPE); }, ""},
        {"close box", "not kept", [](HWND d) { SendMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        DeleteFileW(L"Fanwright.log");
        HANDLE log = openHandLog();
        ASSERT_NE(log, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(saveWith(log, PairWaitCode, row.comment, row.close));
        EXPECT_EQ(logContent(), row.written);
        closeHandLog(log);
    }
}

TEST_F(SaveHandDialogTest, LaterRunsAppendAndTheLinesReadBackAsTheirHands)
{
    const Step save = [](HWND d) { press(d, IDOK); };
    HANDLE first = openHandLog();
    EXPECT_TRUE(saveWith(first, PairWaitCode, "pair wait", save));
    EXPECT_EQ(logContent(), PairWaitCode + " - pair wait\n");  // a new file: exactly one line
    closeHandLog(first);

    HANDLE later = openHandLog();
    EXPECT_TRUE(saveWith(later, OrphansCode, "x", save));
    closeHandLog(later);
    std::istringstream lines(logContent());
    std::string line;
    for (const std::string& code : {PairWaitCode, OrphansCode}) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(test::handOf(line).toLogText(), code);
    }
    EXPECT_FALSE(std::getline(lines, line));
}

TEST_F(SaveHandDialogTest, ASecondCopyCannotOpenTheHeldFileAndSavesNothing)
{
    HANDLE first = openHandLog();
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    HANDLE second = openHandLog();
    EXPECT_EQ(second, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(saveWith(second, PairWaitCode, "lost", [](HWND d) { press(d, IDOK); }));
    EXPECT_EQ(logContent(), "");
    closeHandLog(second);
    closeHandLog(first);
}

}  // namespace
}  // namespace fanwright
