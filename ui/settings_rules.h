// What the settings page decides without a window: the three set shares that must add up to
// 100, and the concealed / melded label under the slider.
#pragma once

#include <string>

namespace fanwright::ui {

enum class SetShare { Chow, Pung, Kong };

struct SetShares {
    int chow = 0;
    int pung = 0;
    int kong = 0;

    bool operator==(const SetShares&) const = default;
};

// The shares after the user changed `changed` by one step: a step on chow is balanced by pung,
// one on pung or kong by the other of the two; when that would fall below 0 it stays at 0 and
// the third share takes the rest. Shares that already add up to 100 come back as they are.
// The page writes the two shares other than `changed`, in chow, pung, kong order.
SetShares balanceShares(SetShares read, SetShare changed);

// "100 / 0" at slider position 0, "0 / 100" at 10, otherwise "70 / 30" and the like: the
// concealed and the melded percentage.
std::wstring meldedShareLabel(int position);

}  // namespace fanwright::ui
