// The settings sheet driven as a person would: the up-down arrows, keys on the slider and the
// lists, a click on the check box, then OK or Cancel.
#include "ui/settings_sheet.h"
#include "generator/settings_registry.h"
#include "ui/app.h"
#include "ui/driver/window_driver.h"
#include "ui/resource_ids.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fanwright {
namespace {

HWND pageOf(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void clickArrow(HWND sheet, int spin, bool up)
{
    HWND control = GetDlgItem(pageOf(sheet), spin);
    RECT r;
    GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(control, WM_LBUTTONUP, 0, at);
}

void pressKey(HWND sheet, int control, WPARAM key)
{
    SendDlgItemMessageW(pageOf(sheet), control, WM_KEYDOWN, key, 0);
}

// What the page shows, as the settings it would store, and the kong share.
GeneratorSettings shown(HWND sheet, int* kong = nullptr)
{
    HWND page = pageOf(sheet);
    auto ask = [&](int id, UINT message) {
        return static_cast<std::int32_t>(SendDlgItemMessageW(page, id, message, 0, 0));
    };
    auto number = [&](int id) { return static_cast<int>(GetDlgItemInt(page, id, nullptr, FALSE)); };
    if (kong != nullptr)
        *kong = number(IDC_SETTINGS_KONG);
    return {ask(IDC_SETTINGS_MELDED_SLIDER, TBM_GETPOS),
            number(IDC_SETTINGS_CHOW),
            number(IDC_SETTINGS_PUNG),
            ask(IDC_SETTINGS_SPECIAL_HANDS, CB_GETCURSEL),
            ask(IDC_SETTINGS_SPECIAL_FANS, CB_GETCURSEL),
            IsDlgButtonChecked(page, IDC_SETTINGS_MINIMUM) == BST_CHECKED ? 8 : 0};
}

void runSheet(GeneratorSettings& settings, const driver::Step& act, int button)
{
    EXPECT_TRUE(driver::runModal(
        [&] { ui::openSettingsSheet(ui::app().instance, nullptr, settings); }, {[&](HWND sheet) {
            act(sheet);
            SendMessageW(sheet, PSM_PRESSBUTTON, button, 0);
        }}));
}

class SettingsSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        driver::startLikeTheProgram();
        RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath); }
};

TEST_F(SettingsSheetTest, OneArrowStepKeepsTheThreeSharesAtHundred)
{
    const struct {
        int chow, pung, spin;
        bool up, byKey;
        std::array<int, 3> after;  // chow, pung, kong
    } rows[] = {
        {40, 40, IDC_SETTINGS_CHOW_SPIN, true, false, {41, 39, 20}},
        {60, 40, IDC_SETTINGS_PUNG_SPIN, true, false, {59, 41, 0}},
        {30, 0, IDC_SETTINGS_KONG_SPIN, true, false, {29, 0, 71}},
        {40, 40, IDC_SETTINGS_PUNG_SPIN, true, true, {40, 41, 19}},  // the arrow key in the field
    };
    for (const auto& row : rows) {
        GeneratorSettings settings{5, row.chow, row.pung, 1, 1, 0};
        std::array<int, 3> after{};
        auto step = [&](HWND sheet) {
            if (row.byKey)
                pressKey(sheet, row.spin - 1 /* its field */, row.up ? VK_UP : VK_DOWN);
            else
                clickArrow(sheet, row.spin, row.up);
            int kong = 0;
            const GeneratorSettings s = shown(sheet, &kong);
            after = {s.freqChow, s.freqPung, kong};
        };
        runSheet(settings, step, PSBTN_CANCEL);
        EXPECT_EQ(after, row.after) << row.chow << " / " << row.pung << ", spin " << row.spin;
    }
}

TEST_F(SettingsSheetTest, SliderLabelShowsConcealedThenMeldedPercent)
{
    GeneratorSettings settings;
    std::vector<std::wstring> labels;
    auto act = [&](HWND sheet) {
        for (const WPARAM key : {0, VK_HOME, VK_END, VK_LEFT, VK_LEFT, VK_LEFT}) {
            if (key != 0)
                pressKey(sheet, IDC_SETTINGS_MELDED_SLIDER, key);
            wchar_t text[32] = {};
            GetDlgItemTextW(pageOf(sheet), IDC_SETTINGS_MELDED_LABEL, text, 32);
            labels.emplace_back(text);
        }
    };
    runSheet(settings, act, PSBTN_CANCEL);
    EXPECT_EQ(labels, (std::vector<std::wstring>{L"50 / 50", L"100 / 0", L"0 / 100", L"10 / 90",
                                                 L"20 / 80", L"30 / 70"}));
}

TEST_F(SettingsSheetTest, CancelKeepsTheSettingsOkStoresThemUntilTheNextStart)
{
    // Every control moved: the slider, each share, both lists, the check box.
    auto moveEverything = [](HWND sheet) {
        pressKey(sheet, IDC_SETTINGS_MELDED_SLIDER, VK_RIGHT);
        for (const int spin :
             {IDC_SETTINGS_CHOW_SPIN, IDC_SETTINGS_PUNG_SPIN, IDC_SETTINGS_KONG_SPIN})
            clickArrow(sheet, spin, true);
        pressKey(sheet, IDC_SETTINGS_SPECIAL_HANDS, VK_DOWN);
        pressKey(sheet, IDC_SETTINGS_SPECIAL_FANS, VK_UP);
        SendDlgItemMessageW(pageOf(sheet), IDC_SETTINGS_MINIMUM, BM_CLICK, 0, 0);
    };
    const GeneratorSettings start{5, 40, 40, 1, 1, 0};
    const struct {
        int button;
        GeneratorSettings start, moved;
    } rows[] = {
        {PSBTN_CANCEL, start, {6, 41, 39, 2, 0, 8}},
        {PSBTN_OK, start, {6, 41, 39, 2, 0, 8}},
        {PSBTN_OK, {0, 0, 100, 3, 0, 8}, {1, 0, 99, 3, 0, 0}},  // the lists stay at their ends
    };
    for (const auto& row : rows) {
        GeneratorSettings settings = row.start;
        GeneratorSettings moved;
        runSheet(
            settings,
            [&](HWND sheet) {
                moveEverything(sheet);
                moved = shown(sheet);
            },
            row.button);
        EXPECT_EQ(moved, row.moved);
        if (row.button == PSBTN_CANCEL) {
            EXPECT_EQ(settings, row.start);
            continue;
        }
        EXPECT_EQ(settings, row.moved);
        GeneratorSettings nextStart;  // saved at exit, loaded at the next start
        EXPECT_TRUE(saveSettings(settings) && loadSettings(nextStart));
        EXPECT_EQ(nextStart, row.moved);
    }
}

}  // namespace
}  // namespace fanwright
