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
        {{41, 0, 60}, SetShare::Chow, {41, 0, 59}},    // ... and by kong when pung is 0
        {{99, 0, 0}, SetShare::Chow, {99, 1, 0}},      // a step down raises pung
        {{1, 0, 100}, SetShare::Chow, {1, 0, 99}},
        {{60, 41, 0}, SetShare::Pung, {59, 41, 0}},  // pung is balanced by kong, else chow
        {{40, 39, 20}, SetShare::Pung, {40, 39, 21}},
        {{0, 100, 1}, SetShare::Pung, {0, 100, 0}},
        {{30, 0, 71}, SetShare::Kong, {29, 0, 71}},  // kong is balanced by pung, else chow
        {{40, 60, 1}, SetShare::Kong, {40, 59, 1}},
        {{30, 1, 69}, SetShare::Kong, {30, 1, 69}},  // already 100: nothing changes
        {{30, 0, 69}, SetShare::Kong, {30, 1, 69}},  // a step down on kong raises pung
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.read.chow << " / " << row.read.pung << " / " << row.read.kong);
        EXPECT_EQ(balanceShares(row.read, row.stepped), row.balanced);
    }
}

TEST(SetShares, EveryStepFromEveryStateKeepsTheSumAndTheSteppedValue)
{
    for (int chow = 0; chow <= 100; ++chow) {
        for (int pung = 0; chow + pung <= 100; ++pung) {
            const int kong = 100 - chow - pung;
            for (int delta : {-1, 1}) {
                const SetShares steps[] = {{chow + delta, pung, kong},
                                           {chow, pung + delta, kong},
                                           {chow, pung, kong + delta}};
                for (int field = 0; field < 3; ++field) {
                    const SetShares& read = steps[field];
                    if (read.chow < 0 || read.pung < 0 || read.kong < 0 || read.chow > 100 ||
                        read.pung > 100 || read.kong > 100)
                        continue;  // the up-down controls stop at 0 and 100
                    const SetShares s = balanceShares(read, static_cast<SetShare>(field));
                    ASSERT_EQ(s.chow + s.pung + s.kong, 100) << chow << ' ' << pung << ' ' << field;
                    ASSERT_TRUE(s.chow >= 0 && s.pung >= 0 && s.kong >= 0);
                    const int stepped[] = {s.chow, s.pung, s.kong};
                    const int wanted[] = {read.chow, read.pung, read.kong};
                    ASSERT_EQ(stepped[field], wanted[field]);
                }
            }
        }
    }
}

TEST(MeldedShareLabel, ConcealedThenMeldedPercent)
{
    const struct {
        int position;
        const wchar_t* label;
    } rows[] = {{0, L"100 / 0"}, {1, L"90 / 10"}, {3, L"70 / 30"}, {5, L"50 / 50"},
                {7, L"30 / 70"}, {9, L"10 / 90"}, {10, L"0 / 100"}};
    for (const auto& row : rows)
        EXPECT_EQ(meldedShareLabel(row.position), row.label) << row.position;
}

}  // namespace
}  // namespace fanwright::ui
