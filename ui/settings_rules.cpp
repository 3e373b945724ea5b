#include "ui/settings_rules.h"

namespace fanwright::ui {

SetShares balanceShares(SetShares s, SetShare changed)
{
    if (s.chow + s.pung + s.kong == 100)
        return s;
    switch (changed) {
    case SetShare::Chow:
        if (100 - s.kong - s.chow >= 0) {
            s.pung = 100 - s.kong - s.chow;
        } else {
            s.pung = 0;
            s.kong = 100 - s.chow;
        }
        break;
    case SetShare::Pung:
        if (100 - s.pung - s.chow >= 0) {
            s.kong = 100 - s.pung - s.chow;
        } else {
            s.kong = 0;
            s.chow = 100 - s.pung;
        }
        break;
    case SetShare::Kong:
        if (100 - s.kong - s.chow >= 0) {
            s.pung = 100 - s.kong - s.chow;
        } else {
            s.pung = 0;
            s.chow = 100 - s.kong;
        }
        break;
    }
    return s;
}

std::wstring meldedShareLabel(int position)
{
    if (position <= 0)
        return L"100 / 0";
    if (position >= 10)
        return L"0 / 100";
    std::wstring label = L"*0 / *0";
    label[0] = static_cast<wchar_t>(L'0' + 10 - position);
    label[5] = static_cast<wchar_t>(L'0' + position);
    return label;
}

}  // namespace fanwright::ui
