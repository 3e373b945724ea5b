// The save dialog against a real log file in a folder of its own: what each way of closing
// writes, appending over runs, and a second copy of the program that cannot open the file.
#include "ui/save_hand_dialog.h"
#include "generator/hand_log_file.h"
#include "test_support.h"
#include "ui/resource_ids.h"
#include "ui_win/driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace fanwright {
namespace {

const std::string PairWait = "ch3bpu5c1b7d8d9dwewewe1bffffwewsw";
const std::string Orphans = "1b9b1c9c1d9dwewswwwndrdgdw1bffffememw";

const test::Step pressSave = [](HWND d) { SendDlgItemMessageW(d, IDOK, BM_CLICK, 0, 0); };

std::string logContent()
{
    std::ostringstream content;
    content << std::ifstream("Fanwright.log", std::ios::binary).rdbuf();
    return content.str();
}

// Types the comment into the dialog, then closes it by `close`.
void save(HANDLE log, const std::string& code, const std::string& comment,
          const test::Step& close = pressSave)
{
    Hand hand = test::handOf(code);
    auto type = [&](HWND d) { SetDlgItemTextA(d, IDC_SAVE_COMMENT, comment.c_str()); };
    EXPECT_TRUE(test::runModal([&] { ui::openSaveHandDialog(ui::app().instance, hand, log); },
                               {type, close}));
}

class SaveHandDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::startLikeTheProgram();
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

TEST_F(SaveHandDialogTest, EachWayOfClosingWritesItsLineOrNothing)
{
    auto key = [](WPARAM k) {  // through the dialog's loop, as typed into the comment
        return [k](HWND d) { PostMessageW(GetDlgItem(d, IDC_SAVE_COMMENT), WM_KEYDOWN, k, 0); };
    };
    const std::string longComment(600, 'c');
    const struct {
        std::string comment;
        test::Step close;
        std::string written;
    } rows[] = {
        {"pair wait", pressSave, PairWait + " - pair wait\n"},
        {"x", key(VK_RETURN), PairWait + " - x\n"},  // Enter is the default button's
        {"", pressSave, PairWait + " - \n"},
        {longComment, pressSave, PairWait + " - " + longComment.substr(0, 511) + "\n"},
        {"kept?", [](HWND d) { SendDlgItemMessageW(d, IDCANCEL, BM_CLICK, 0, 0); }, ""},
        {"kept?", key(VK_ESCAPE), ""},
        {"kept?", [](HWND d) { SendMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, ""},
    };
    for (const auto& row : rows) {
        DeleteFileW(L"Fanwright.log");
        HANDLE log = openHandLog();
        save(log, PairWait, row.comment, row.close);
        EXPECT_EQ(logContent(), row.written) << row.comment;
        closeHandLog(log);
    }
}

TEST_F(SaveHandDialogTest, LaterRunsAppendAndTheLinesReadBackAsTheirHands)
{
    HANDLE first = openHandLog();
    save(first, PairWait, "pair wait");
    EXPECT_EQ(logContent(), PairWait + " - pair wait\n");  // a new file: exactly one line
    closeHandLog(first);

    HANDLE later = openHandLog();
    save(later, Orphans, "x");
    closeHandLog(later);
    std::istringstream lines(logContent());
    std::string line;
    for (const std::string& code : {PairWait, Orphans}) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(test::handOf(line).toLogText(), code);
    }
    EXPECT_FALSE(std::getline(lines, line));
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
