#include "ui/settings_rules.h"

#include <gtest/gtest.h>

namespace fanwright::ui {
namespace {

TEST(SetShares, OneStepIsBalancedByTheRuleOfTheFieldStepped)
{
    const struct {
        SetShares read;  // the three fields just after the step
        SetShare stepped;
        SetShares balanced;
    } rows[] = {
        {{41, 40, 20}, SetShare::Chow, {41, 39, 20}},  // chow is balanced by pung
        {{41, 0, 60}, SetShare::Chow, {41, 0, 59}},    // ... by kong when pung is 0
        {{99, 0, 0}, SetShare::Chow, {99, 1, 0}},
        {{60, 41, 0}, SetShare::Pung, {59, 41, 0}},  // pung by kong, else by chow
        {{40, 39, 20}, SetShare::Pung, {40, 39, 21}},
        {{30, 0, 71}, SetShare::Kong, {29, 0, 71}},  // kong by pung, else by chow
        {{30, 0, 69}, SetShare::Kong, {30, 1, 69}},
        {{30, 1, 69}, SetShare::Kong, {30, 1, 69}},  // already 100: nothing changes
    };
    for (const auto& row : rows)
        EXPECT_EQ(balanceShares(row.read, row.stepped), row.balanced) << row.read.chow;
}

TEST(SetShares, EveryStepFromEveryStateKeepsTheSumAndTheSteppedValue)
{
    for (int chow = 0; chow <= 100; ++chow) {
        for (int pung = 0; chow + pung <= 100; ++pung) {
            for (int field = 0; field < 3; ++field) {
                for (int delta : {-1, 1}) {
                    int read[] = {chow, pung, 100 - chow - pung};
                    read[field] += delta;
                    if (read[field] < 0 || read[field] > 100)
                        continue;  // the up-down controls stop at 0 and 100
                    const SetShares s =
                        balanceShares({read[0], read[1], read[2]}, static_cast<SetShare>(field));
                    const int after[] = {s.chow, s.pung, s.kong};
                    ASSERT_EQ(s.chow + s.pung + s.kong, 100) << chow << ' ' << pung << ' ' << field;
                    ASSERT_TRUE(s.chow >= 0 && s.pung >= 0 && s.kong >= 0);
                    ASSERT_EQ(after[field], read[field]);
                }
            }
        }
    }
}

}  // namespace
}  // namespace fanwright::ui
