// Feeds arbitrary bytes to the log-code reader, and scores and explains whatever it accepts.
// Any crash, sanitizer report or broken promise below is a bug.
#include "explain/explanation.h"
#include "explain/explanation_text.h"
#include "hand/log_code.h"
#include "scoring/scoring.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fanwright;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    ParsedLogLine parsed;
    std::string error;
    if (!parseLogLine(line, parsed, error)) {
        require(!error.empty());
        return 0;
    }
    Hand& hand = parsed.hand;
    require(hand.isComplete());
    for (TileId t = FirstTile; t <= LastTile; ++t)
        require(hand.countTileUses(t) <= 4);

    // What the reader accepted, written again, reads back to the same code.
    const std::string code = hand.toLogText();
    require(code.size() <= static_cast<std::size_t>(MaxLogCodeLength));
    ParsedLogLine again;
    require(parseLogLine(code, again, error));
    require(code == again.hand.toLogText());

    ScoreResult result;
    const int total = scoreHand(hand, result);
    require(total >= 0);
    require(std::strcmp(hand.toLogText(), code.c_str()) == 0);
    if (total > 0) {
        require(result.form != NoForm && result.waitCount >= 1);
        require(result.fanCounts[FanCount - 1] == 0);
    }

    // The explanation keeps the reading the scorer keeps, and can say every line it holds.
    const Explanation e = explainHand(hand);
    require(e.total == total && (e.kept >= 0) == (total > 0));
    require(e.readingCount < MaxReadings);
    for (int i = 0; i < e.readingCount; ++i) {
        const ReadingExplanation& r = e.readings[i];
        for (int k = 0; k < r.notCountedCount; ++k)
            require(!notCountedLine(r.notCounted[k], r, e).empty());
    }
    return 0;
}
