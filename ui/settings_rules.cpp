#include "ui/settings_rules.h"

namespace fanwright::ui {

namespace {

// For each share the user may step: the share that balances the step, and the one that takes
// the rest when the balancing share would fall below 0.
struct Balancing {
    int SetShares::*changed;
    int SetShares::*balancer;
    int SetShares::*third;
};

constexpr Balancing balancings[] = {
    {&SetShares::chow, &SetShares::pung, &SetShares::kong},
    {&SetShares::pung, &SetShares::kong, &SetShares::chow},
    {&SetShares::kong, &SetShares::pung, &SetShares::chow},
};

}  // namespace

SetShares balanceShares(SetShares s, SetShare changed)
{
    if (s.chow + s.pung + s.kong == 100)
        return s;
    const Balancing& b = balancings[static_cast<int>(changed)];
    const int rest = 100 - s.*b.changed - s.*b.third;
    if (rest >= 0) {
        s.*b.balancer = rest;
    } else {
        s.*b.balancer = 0;
        s.*b.third = 100 - s.*b.changed;
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
