#include "hand/waits.h"
#include "generator/generator.h"
#include "generator/random.h"
#include "generator/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fanwright {
namespace {

using test::tilesOf;

std::vector<TileId> waitsOf(const WaitList& w) { return {w.tiles, w.tiles + w.count}; }

// Both ways of finding the waits of 13 concealed tiles, which must agree.
std::vector<TileId> waitsOf(std::string_view concealed)
{
    Hand h = test::concealedHand(concealed, "");
    const auto fast = waitsOf(findWaits(h));
    EXPECT_EQ(fast, waitsOf(findWaitsBySearch(h))) << concealed;
    return fast;
}

TEST(Waits, OfThirteenConcealedTilesBothWays)
{
    const struct {
        const char* concealed;
        const char* waits;
    } rows[] = {
        {"1b1b1b 2b3b4b5b6b7b8b 9b9b9b", "1b2b3b4b5b6b7b8b9b"},  // nine gates
        {"1b9b1c9c1d9dwewswwwndrdgdw", "1b9b1c9c1d9dwewswwwndrdgdw"},
        {"1b9b1c9c1d9dwewswwwndrdgdg", "dw"},  // thirteen orphans missing one
        {"1b1b 4b4b 7c7c 9c9c 3d3d we we dr", "dr"},
        // Three pairs of dots in a row also read as two chows, which add 5d to 8d.
        {"2b2b3b3b4b4b 5d5d6d6d7d7d 8d", "5d 8d"},
        {"1b2b 4c5c6c 5c6c7c 1d1d1d 9d9d", "3b"},
        {"2b3b 4c5c6c 5c6c7c 1d1d1d 9d9d", "1b4b"},
        {"3b5b 4c5c6c 5c6c7c 1d1d1d 9d9d", "4b"},
        {"5b5b5b5b 1c2c3c 4d5d6d 7d8d9d", "5b"},        // a tile held four times
        {"1b4b7b 2c5c8c 3d6d9d dr dr dr we", "we"},     // knitted straight with a pung
        {"1b4b7b 2c5c8c 3d6d wewswwwndr", "9d dg dw"},  // honors and knitted tiles
        // Honors counted by copies: four of one, two pairs, a pair beside a suit's pair.
        {"1b2b3b 4c5c6c 7d8d9d wewewewe", "we"},
        {"1b2b3b 4c5c6c 7d8d9d wewe dgdg", "we dg"},
        {"1b2b3b 4c5c6c 7d7d wewe drdrdr", "7d we"},
        {"2b2b2b2b2b 3b4b 5c6c7c 9d9d9d", "2b5b"},  // a fifth copy: only the search reads it
    };
    for (const auto& row : rows)
        EXPECT_EQ(waitsOf(row.concealed), tilesOf(row.waits)) << row.concealed;
}

// A generated hand without its winning tile, every other time with one concealed tile swapped
// for another: near misses often have no wait at all.
Hand waitingHand(int i, const GeneratorSettings& settings)
{
    Hand h;
    generateHand(h, settings);
    h.clearWinningTile();
    if (i % 2 == 0 || h.concealedCount == 0)
        return h;
    const TileId in = FirstTile + randomBelow(TileKinds);
    if (h.countTileUses(in) < 4) {
        h.removeConcealedTile(h.concealedTiles[randomBelow(h.concealedCount)]);
        h.addConcealedTile(in);
    }
    return h;
}

TEST(Waits, FastSearchAgreesWithTheFullSearchOnGeneratedHandsAndNearMisses)
{
    const GeneratorSettings settings{3, 40, 40, 3, 1, 0};  // many concealed and special hands
    seedRandom(20261205);
    int withWaits = 0;
    for (int i = 0; i < 6000; ++i) {
        Hand h = waitingHand(i, settings);
        const auto fast = waitsOf(findWaits(h));
        ASSERT_EQ(fast, waitsOf(findWaitsBySearch(h))) << Hand(h).toLogText();
        withWaits += fast.empty() ? 0 : 1;
    }
    EXPECT_GT(withWaits, 3000);
}

}  // namespace
}  // namespace fanwright
