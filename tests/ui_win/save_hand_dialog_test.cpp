// The save dialog against a real log file in a folder of its own: what each way of closing
// writes, appending over runs, and a second copy of the program that cannot open the file.
#include "ui/save_hand_dialog.h"
#include "generator/hand_log_file.h"
#include "test_support.h"
#include "ui/app.h"
#include "ui/driver/window_driver.h"
#include "ui/resource_ids.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace fanwright {
namespace {

const std::string PairWait = "ch3bpu5c1b7d8d9dwewewe1bffffwewsw";
const std::string Orphans = "1b9b1c9c1d9dwewswwwndrdgdw1bffffememw";

const driver::Step pressSave = [](HWND d) { SendDlgItemMessageW(d, IDOK, BM_CLICK, 0, 0); };

std::string logContent()
{
    std::ostringstream content;
    content << std::ifstream("Fanwright.log", std::ios::binary).rdbuf();
    return content.str();
}

// Types the comment into the dialog, then closes it by `close`.
void save(HANDLE log, const std::string& code, const std::string& comment,
          const driver::Step& close = pressSave)
{
    Hand hand = test::handOf(code);
    auto type = [&](HWND d) { SetDlgItemTextA(d, IDC_SAVE_COMMENT, comment.c_str()); };
    EXPECT_TRUE(driver::runModal([&] { ui::openSaveHandDialog(ui::app().instance, hand, log); },
                                 {type, close}));
}

class SaveHandDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        driver::startLikeTheProgram();
        GetTempPathW(MAX_PATH, folder_);
        lstrcatW(folder_, L"fanwright-save-dialog-test");
        CreateDirectoryW(folder_, nullptr);
        ASSERT_TRUE(SetCurrentDirectoryW(folder_));
        DeleteFileW(L"Fanwright.log");
    }
    void TearDown() override
    {
        DeleteFileW(L"Fanwright.log");
        SetCurrentDirectoryW(L"..");
        RemoveDirectoryW(folder_);
    }

    wchar_t folder_[MAX_PATH] = {};
};

// Each row is a later run of the program: it opens the log again and appends to it.
TEST_F(SaveHandDialogTest, EachWayOfClosingAppendsItsLineOrNothing)
{
    auto key = [](WPARAM k) {  // through the dialog's loop, as typed into the comment
        return [k](HWND d) { PostMessageW(GetDlgItem(d, IDC_SAVE_COMMENT), WM_KEYDOWN, k, 0); };
    };
    const std::string longComment(600, 'c');
    const struct {
        std::string code, comment;
        driver::Step close;
        std::string written;
    } rows[] = {
        {PairWait, "pair wait", pressSave, PairWait + " - pair wait\n"},
        {Orphans, "x", key(VK_RETURN), Orphans + " - x\n"},  // Enter is the default button's
        {PairWait, "", pressSave, PairWait + " - \n"},
        {PairWait, longComment, pressSave, PairWait + " - " + longComment.substr(0, 511) + "\n"},
        {PairWait, "kept?", [](HWND d) { SendDlgItemMessageW(d, IDCANCEL, BM_CLICK, 0, 0); }, ""},
        {PairWait, "kept?", key(VK_ESCAPE), ""},
        {PairWait, "kept?", [](HWND d) { SendMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, ""},
    };
    std::string written;
    for (const auto& row : rows) {
        HANDLE log = openHandLog();
        save(log, row.code, row.comment, row.close);
        closeHandLog(log);
        written += row.written;
        EXPECT_EQ(logContent(), written) << row.comment;
    }
}

TEST_F(SaveHandDialogTest, ASecondCopyCannotOpenTheHeldFileAndSavesNothing)
{
    HANDLE first = openHandLog();
    HANDLE second = openHandLog();
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    EXPECT_EQ(second, INVALID_HANDLE_VALUE);
    save(second, PairWait, "lost");
    EXPECT_EQ(logContent(), "");
    closeHandLog(first);
}

}  // namespace
}  // namespace fanwright
