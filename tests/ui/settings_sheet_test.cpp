// The settings sheet driven as a person would: arrows of the up-down controls, keys on the
// slider and the lists, a click on the check box, then OK or Cancel.
#include "ui/settings_sheet.h"
#include "generator/settings_registry.h"
#include "ui/modal_driver.h"
#include "ui/resource_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

using test::ModalDriver;
using test::Step;

struct Shares {
    int chow, pung, kong;
    bool operator==(const Shares&) const = default;
};

HWND pageOf(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// A click on the upper or the lower arrow of an up-down control.
void clickArrow(HWND sheet, int spin, bool up)
{
    HWND control = GetDlgItem(pageOf(sheet), spin);
    RECT r;
    GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(control, WM_LBUTTONUP, 0, at);
}

void pressKey(HWND sheet, int control, WPARAM key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        SendDlgItemMessageW(pageOf(sheet), control, WM_KEYDOWN, key, 0);
}

Shares sharesShown(HWND sheet)
{
    auto value = [&](int id) {
        return static_cast<int>(GetDlgItemInt(pageOf(sheet), id, nullptr, FALSE));
    };
    return {value(IDC_SETTINGS_CHOW), value(IDC_SETTINGS_PUNG), value(IDC_SETTINGS_KONG)};
}

void pressSheetButton(HWND sheet, int button)
{
    SendMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

class SettingsSheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::startLikeTheProgram();
        RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath); }

    static void runSheet(GeneratorSettings& settings, std::vector<Step> steps)
    {
        EXPECT_TRUE(
            ModalDriver::run([&] { ui::openSettingsSheet(ui::app().instance, nullptr, settings); },
                             std::move(steps)));
    }
};

TEST_F(SettingsSheetTest, OneArrowStepKeepsTheThreeSharesAtHundred)
{
    const struct {
        int chow, pung;  // kong: the rest
        int spin;
        bool up, byKey;
        Shares after;
    } rows[] = {
        {40, 40, IDC_SETTINGS_CHOW_SPIN, true, false, {41, 39, 20}},
        {40, 0, IDC_SETTINGS_CHOW_SPIN, true, false, {41, 0, 59}},
        {60, 40, IDC_SETTINGS_PUNG_SPIN, true, false, {59, 41, 0}},
        {30, 0, IDC_SETTINGS_KONG_SPIN, true, false, {29, 0, 71}},
        {100, 0, IDC_SETTINGS_CHOW_SPIN, false, false, {99, 1, 0}},
        {40, 40, IDC_SETTINGS_PUNG_SPIN, true, true, {40, 41, 19}},  // the arrow key in the field
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.chow << " / " << row.pung << ", spin " << row.spin);
        GeneratorSettings settings;
        settings.freqChow = row.chow;
        settings.freqPung = row.pung;
        const GeneratorSettings before = settings;
        Shares opened{}, after{};
        runSheet(settings, {[&](HWND sheet) {
                     opened = sharesShown(sheet);
                     if (row.byKey)
                         pressKey(sheet, row.spin - 1 /* its field */, row.up ? VK_UP : VK_DOWN);
                     else
                         clickArrow(sheet, row.spin, row.up);
                     after = sharesShown(sheet);
                     pressSheetButton(sheet, PSBTN_CANCEL);
                 }});
        EXPECT_EQ(opened, (Shares{row.chow, row.pung, 100 - row.chow - row.pung}));
        EXPECT_EQ(after, row.after);
        EXPECT_EQ(settings, before);
    }
}

TEST_F(SettingsSheetTest, SliderLabelShowsConcealedThenMeldedPercent)
{
    GeneratorSettings settings;
    std::vector<std::wstring> labels;
    auto label = [&](HWND sheet) {
        wchar_t text[32] = {};
        GetDlgItemTextW(pageOf(sheet), IDC_SETTINGS_MELDED_LABEL, text, 32);
        labels.emplace_back(text);
    };
    runSheet(settings, {[&](HWND sheet) {
                 label(sheet);
                 pressKey(sheet, IDC_SETTINGS_MELDED_SLIDER, VK_HOME);
                 label(sheet);
                 pressKey(sheet, IDC_SETTINGS_MELDED_SLIDER, VK_RIGHT, 7);
                 label(sheet);
                 pressKey(sheet, IDC_SETTINGS_MELDED_SLIDER, VK_END);
                 label(sheet);
                 pressSheetButton(sheet, PSBTN_CANCEL);
             }});
    EXPECT_EQ(labels, (std::vector<std::wstring>{L"50 / 50", L"100 / 0", L"30 / 70", L"0 / 100"}));
}

// Every control moved one way or another; the page itself must show all of it before Cancel.
void moveEveryControl(HWND sheet)
{
    pressKey(sheet, IDC_SETTINGS_MELDED_SLIDER, VK_RIGHT);
    clickArrow(sheet, IDC_SETTINGS_CHOW_SPIN, true);
    clickArrow(sheet, IDC_SETTINGS_PUNG_SPIN, true);
    clickArrow(sheet, IDC_SETTINGS_KONG_SPIN, true);
    pressKey(sheet, IDC_SETTINGS_SPECIAL_HANDS, VK_DOWN);
    pressKey(sheet, IDC_SETTINGS_SPECIAL_FANS, VK_UP);
    SendDlgItemMessageW(pageOf(sheet), IDC_SETTINGS_MINIMUM, BM_CLICK, 0, 0);
}

GeneratorSettings settingsShown(HWND sheet)
{
    HWND page = pageOf(sheet);
    auto read = [&](int id, UINT message) {
        return static_cast<std::int32_t>(SendDlgItemMessageW(page, id, message, 0, 0));
    };
    const Shares shares = sharesShown(sheet);
    return {read(IDC_SETTINGS_MELDED_SLIDER, TBM_GETPOS),
            shares.chow,
            shares.pung,
            read(IDC_SETTINGS_SPECIAL_HANDS, CB_GETCURSEL),
            read(IDC_SETTINGS_SPECIAL_FANS, CB_GETCURSEL),
            IsDlgButtonChecked(page, IDC_SETTINGS_MINIMUM) == BST_CHECKED ? 8 : 0};
}

TEST_F(SettingsSheetTest, CancelKeepsTheSettingsOkStoresWhatThePageShows)
{
    const GeneratorSettings start{5, 40, 40, 1, 1, 0};
    const struct {
        int button;
        GeneratorSettings start, stored;
    } rows[] = {
        {PSBTN_CANCEL, start, start},
        {PSBTN_OK, start, {6, 41, 39, 2, 0, 8}},
        {PSBTN_OK, {0, 0, 100, 3, 0, 8}, {1, 0, 99, 3, 0, 0}},  // the lists stay at their ends
    };
    for (const auto& row : rows) {
        GeneratorSettings settings = row.start;
        GeneratorSettings shown;
        runSheet(settings, {[&](HWND sheet) {
                     moveEveryControl(sheet);
                     shown = settingsShown(sheet);
                     pressSheetButton(sheet, row.button);
                 }});
        EXPECT_EQ(settings, row.stored);
        if (row.button == PSBTN_CANCEL) {  // the page did show a change in every field
            EXPECT_TRUE(shown.freqMelding != start.freqMelding &&
                        shown.freqChow != start.freqChow && shown.freqPung != start.freqPung &&
                        shown.freqSpecial != start.freqSpecial &&
                        shown.freqFlags != start.freqFlags && shown.minPoints != start.minPoints);
            continue;
        }
        // At exit the stored values reach the registry and come back at the next start.
        EXPECT_TRUE(saveSettings(settings));
        GeneratorSettings nextStart;
        EXPECT_TRUE(loadSettings(nextStart));
        EXPECT_EQ(nextStart, row.stored);
    }
}

}  // namespace
}  // namespace fanwright
