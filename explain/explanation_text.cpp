#include "explain/explanation_text.h"

#include "fans/fan_table.h"

namespace fanwright {

namespace {

std::string nameOf(int fan) { return std::string(fanName(fan)); }

// "A", "A and B", "A, B and C".
template <typename Name>
std::string listOf(int count, Name name)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += i + 1 == count ? " and " : ", ";
        text += name(i);
    }
    return text;
}

// A pair fan left out by the pairing, told by its first pair of chows left out: both chows
// were used by a three-chow fan, or one was the chow it left over, which pairs once only, or
// each chow already pairs for that fan with another.
std::string pairingReason(FanId fan, const ReadingExplanation& r)
{
    const int threeChow = r.threeChowFan;
    for (int i = 0; i < r.chowPairingCount; ++i) {
        const ChowPairing& p = r.chowPairings[i];
        if (p.counted || p.pair.fan != fan)
            continue;
        if (threeChow == NoFan)
            break;
        const int leftOver = r.threeChowCode - 1;
        if (p.pair.first != leftOver && p.pair.second != leftOver)
            return "its chows make up " + nameOf(threeChow);
        return "the chow " + nameOf(threeChow) + " leaves over pairs once only";
    }
    return "its chows already pair with others, and a chow counts each pair fan once";
}

}  // namespace

std::string tileList(const TileId* tiles, int count)
{
    return listOf(count, [tiles](int i) { return std::string(tileName(tiles[i])); });
}

std::string notCountedReason(const NotCountedFan& fan, const ReadingExplanation& reading,
                             const Explanation& explanation)
{
    switch (fan.reason) {
    case NotCountedReason::Excluded: return "excluded by " + nameOf(fan.excludedBy);
    case NotCountedReason::WaitConflict:
        return listOf(fan.otherWaitFanCount,
                      [&fan](int i) { return nameOf(fan.otherWaitFans[i]); }) +
               (fan.otherWaitFanCount > 1 ? " fit" : " fits") +
               " too, and wait fans count only alone";
    case NotCountedReason::SeveralWaits: {
        TileId others[MaxWaits];
        int n = 0;
        for (int i = 0; i < explanation.waits.count; ++i) {
            if (explanation.waits.tiles[i] != explanation.hand.winningTile)
                others[n++] = explanation.waits.tiles[i];
        }
        return "the hand also waits on " + tileList(others, n);
    }
    case NotCountedReason::Pairing: return pairingReason(fan.fan, reading);
    }
    return {};
}

std::string notCountedLine(const NotCountedFan& fan, const ReadingExplanation& reading,
                           const Explanation& explanation)
{
    return nameOf(fan.fan) + " " + std::string(EmDash) + " " +
           notCountedReason(fan, reading, explanation);
}

std::string tieLine(const Explanation& e)
{
    if (e.tiedWith == 0)
        return {};
    int tied[MaxReadings];
    int n = 0;
    for (int i = 0; i < e.readingCount; ++i) {
        if (e.readings[i].total == e.total)
            tied[n++] = i + 1;
    }
    return "Readings " + listOf(n, [&tied](int i) { return std::to_string(tied[i]); }) +
           " tie at " + std::to_string(e.total) + " points; the first found is kept.";
}

}  // namespace fanwright
