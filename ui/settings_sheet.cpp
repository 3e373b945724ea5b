#include "ui/settings_sheet.h"

#include "ui/dialog_base.h"
#include "ui/resource_ids.h"
#include "ui/settings_rules.h"
#include "ui/texts.h"

#include <commctrl.h>

#include <iterator>

namespace fanwright::ui {
namespace {

constexpr int ShareFields[] = {IDC_SETTINGS_CHOW, IDC_SETTINGS_PUNG, IDC_SETTINGS_KONG};
constexpr int ShareSpins[] = {IDC_SETTINGS_CHOW_SPIN, IDC_SETTINGS_PUNG_SPIN,
                              IDC_SETTINGS_KONG_SPIN};

constexpr UINT TipDelay = 300;    // ms; the system derives the other delays from it
constexpr LPARAM TipWidth = 200;  // pixels: longer tips wrap

// The page "Random hand". While it is open its controls hold the only copy of the values;
// they reach the settings on OK alone.
class SettingsPage : public Dialog {
public:
    SettingsPage(GeneratorSettings& settings, HFONT titleFont)
        : settings_(settings), titleFont_(titleFont)
    {
    }

protected:
    INT_PTR onInit() override;
    INT_PTR onCommand(int id, int code, HWND control) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void showMeldedShare();
    int readShare(int field) const;
    void balance(int changedField);
    void addTooltips();
    void store();

    GeneratorSettings& settings_;
    HFONT titleFont_;
    bool balancing_ = true;  // our own writes to the share fields do not balance again
};

INT_PTR SettingsPage::onInit()
{
    if (titleFont_ != nullptr)
        SendDlgItemMessageW(window(), IDC_SETTINGS_TITLE, WM_SETFONT,
                            reinterpret_cast<WPARAM>(titleFont_), FALSE);

    HWND slider = item(IDC_SETTINGS_MELDED_SLIDER);
    SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    SendMessageW(slider, TBM_SETPOS, TRUE, settings_.freqMelding);
    showMeldedShare();
    SetFocus(slider);

    const int shares[] = {settings_.freqChow, settings_.freqPung,
                          100 - settings_.freqChow - settings_.freqPung};
    for (std::size_t i = 0; i < std::size(ShareSpins); ++i) {
        SendDlgItemMessageW(window(), ShareSpins[i], UDM_SETBASE, 10, 0);
        SendDlgItemMessageW(window(), ShareSpins[i], UDM_SETRANGE32, 0, 100);
        SendDlgItemMessageW(window(), ShareSpins[i], UDM_SETPOS32, 0, shares[i]);
    }
    balancing_ = false;

    const int levels[][2] = {{IDC_SETTINGS_SPECIAL_HANDS, settings_.freqSpecial},
                             {IDC_SETTINGS_SPECIAL_FANS, settings_.freqFlags}};
    for (const auto& [list, level] : levels) {
        SendDlgItemMessageW(window(), list, CB_RESETCONTENT, 0, 0);
        for (const wchar_t* name : text::FrequencyLevels)
            SendDlgItemMessageW(window(), list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        SendDlgItemMessageW(window(), list, CB_SETCURSEL, static_cast<WPARAM>(level), 0);
    }
    CheckDlgButton(window(), IDC_SETTINGS_MINIMUM,
                   settings_.minPoints != 0 ? BST_CHECKED : BST_UNCHECKED);
    addTooltips();
    return FALSE;  // the focus is on the slider already
}

INT_PTR SettingsPage::onCommand(int id, int code, HWND)
{
    if (code != EN_CHANGE || balancing_)
        return FALSE;
    for (int field : ShareFields) {
        if (field == id) {
            balance(id);
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR SettingsPage::onMessage(UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == item(IDC_SETTINGS_MELDED_SLIDER))
            showMeldedShare();
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code != PSN_APPLY)
            return FALSE;
        store();
        SetWindowLongPtrW(window(), DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    default: return FALSE;
    }
}

void SettingsPage::showMeldedShare()
{
    const auto position =
        SendDlgItemMessageW(window(), IDC_SETTINGS_MELDED_SLIDER, TBM_GETPOS, 0, 0);
    SetDlgItemTextW(window(), IDC_SETTINGS_MELDED_LABEL,
                    meldedShareLabel(static_cast<int>(position)).c_str());
}

// An unreadable field counts as 0.
int SettingsPage::readShare(int field) const
{
    return static_cast<int>(GetDlgItemInt(window(), field, nullptr, FALSE));
}

void SettingsPage::balance(int changedField)
{
    const SetShares read{readShare(IDC_SETTINGS_CHOW), readShare(IDC_SETTINGS_PUNG),
                         readShare(IDC_SETTINGS_KONG)};
    if (read.chow + read.pung + read.kong == 100)
        return;
    const int changed = changedField == IDC_SETTINGS_CHOW   ? 0
                        : changedField == IDC_SETTINGS_PUNG ? 1
                                                            : 2;
    const SetShares s = balanceShares(read, static_cast<SetShare>(changed));
    const int values[] = {s.chow, s.pung, s.kong};
    // The two other fields are written, even one whose value stays.
    balancing_ = true;
    for (int i = 0; i < 3; ++i) {
        if (i != changed)
            SetDlgItemInt(window(), ShareFields[i], static_cast<UINT>(values[i]), FALSE);
    }
    balancing_ = false;
}

void SettingsPage::addTooltips()
{
    HWND tips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                window(), nullptr, nullptr, nullptr);
    SendMessageW(tips, TTM_SETDELAYTIME, TTDT_AUTOMATIC, TipDelay);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, TipWidth);
    const struct {
        int control;
        const wchar_t* tip;
    } tools[] = {
        {IDC_SETTINGS_MELDED_SLIDER, text::MeldedSliderTip},
        {IDC_SETTINGS_CHOW, text::ChowShareTip},
        {IDC_SETTINGS_PUNG, text::PungShareTip},
        {IDC_SETTINGS_KONG, text::KongShareTip},
        {IDC_SETTINGS_SPECIAL_HANDS, text::SpecialHandsTip},
        {IDC_SETTINGS_SPECIAL_FANS, text::SpecialFansTip},
        {IDC_SETTINGS_MINIMUM, text::MinimumTip},
    };
    for (const auto& tool : tools) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = window();
        info.uId = reinterpret_cast<UINT_PTR>(item(tool.control));
        info.lpszText = const_cast<wchar_t*>(tool.tip);
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

// The kong share is not stored: it is what chow and pung leave.
void SettingsPage::store()
{
    auto read = [this](int id, UINT message) {
        return static_cast<std::int32_t>(SendDlgItemMessageW(window(), id, message, 0, 0));
    };
    settings_.freqMelding = read(IDC_SETTINGS_MELDED_SLIDER, TBM_GETPOS);
    settings_.freqChow = readShare(IDC_SETTINGS_CHOW);
    settings_.freqPung = readShare(IDC_SETTINGS_PUNG);
    settings_.freqSpecial = read(IDC_SETTINGS_SPECIAL_HANDS, CB_GETCURSEL);
    settings_.freqFlags = read(IDC_SETTINGS_SPECIAL_FANS, CB_GETCURSEL);
    settings_.minPoints = IsDlgButtonChecked(window(), IDC_SETTINGS_MINIMUM) == BST_CHECKED ? 8 : 0;
}

}  // namespace

void openSettingsSheet(HINSTANCE instance, HWND owner, GeneratorSettings& settings)
{
    HFONT titleFont = CreateFontW(-8, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                                  0, 0, text::TitleFontFace);
    SettingsPage page(settings, titleFont);

    PROPSHEETPAGEW pageInfo{};
    pageInfo.dwSize = sizeof pageInfo;
    pageInfo.hInstance = instance;
    pageInfo.pszTemplate = MAKEINTRESOURCEW(IDD_SETTINGS_PAGE);
    pageInfo.pfnDlgProc = Dialog::pageProcedure;
    pageInfo.lParam = reinterpret_cast<LPARAM>(&page);

    PROPSHEETHEADERW sheet{};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_PROPTITLE;
    sheet.hwndParent = owner;
    sheet.hInstance = instance;
    sheet.pszCaption = MAKEINTRESOURCEW(IDS_PROGRAM_NAME);
    sheet.nPages = 1;
    sheet.nStartPage = 0;
    sheet.ppsp = &pageInfo;
    PropertySheetW(&sheet);

    if (titleFont != nullptr)
        DeleteObject(titleFont);
}

}  // namespace fanwright::ui
