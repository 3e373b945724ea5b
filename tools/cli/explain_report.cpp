#include "tools/cli/explain_report.h"

#include "explain/explanation_text.h"
#include "tools/cli/score_report.h"

#include <string_view>
#include <utility>

namespace fanwright::cli {

namespace {

// The kept reading as the scoring entry reports it.
ScoreResult resultOf(const Explanation& e)
{
    ScoreResult result;
    if (e.kept < 0)
        return result;
    const ReadingExplanation& r = e.readings[e.kept];
    result.form = r.form;
    result.setCount = r.setCount;
    for (int i = 0; i < MaxSets; ++i) {
        result.setKinds[i] = r.setKinds[i];
        result.setTiles[i] = r.setTiles[i];
    }
    result.pairTile = r.pairTile;
    result.waitCount = e.waits.count;
    for (int i = 0; i < MaxWaits; ++i)
        result.waits[i] = e.waits.tiles[i];
    for (int i = 0; i < FanCount; ++i)
        result.fanCounts[i] = r.fanCounts[i];
    return result;
}

void writeReading(Writer& out, const Explanation& e, int i)
{
    const ReadingExplanation& r = e.readings[i];
    char* at = appendNumber(append(out.room(512), "\nReading "), i + 1);
    at = append(appendNumber(append(at, " of "), e.readingCount), i == e.kept ? " (kept):" : ":");
    at = appendReading(at, r.setCount, r.setKinds, r.setTiles, r.pairTile);
    *at++ = '\n';
    out.commit(at);
    writeFanTable(out, r.total, r.fanCounts, "");
    if (r.fanCounts[ChickenHand - 1] > 0) {
        out.put("  ");
        out.put(ChickenHandNote);
        out.put('\n');
    }
    if (r.notCountedCount > 0)
        out.put("  Not counted:\n");
    for (int k = 0; k < r.notCountedCount; ++k) {
        out.put("    ");
        out.put(notCountedLine(r.notCounted[k], r, e));
        out.put('\n');
    }
}

std::string_view reasonName(NotCountedReason reason)
{
    switch (reason) {
    case NotCountedReason::Excluded: return "excluded";
    case NotCountedReason::WaitConflict: return "wait-conflict";
    case NotCountedReason::SeveralWaits: return "several-waits";
    case NotCountedReason::Pairing: return "pairing";
    }
    return "";
}

template <typename Number>
char* appendNumberList(char* at, const Number* numbers, int count)
{
    at = append(at, "[");
    for (int i = 0; i < count; ++i)
        at = appendNumber(append(at, i ? ", " : ""), numbers[i]);
    return append(at, "]");
}

// {"fan": F, "reason": R, "by": B}: B the excluding fan, the other wait fans, the hand's waits,
// or null.
char* appendNotCounted(char* at, const NotCountedFan& n, const Explanation& e)
{
    at = append(appendNumber(append(at, "{\"fan\": "), n.fan), ", \"reason\": \"");
    at = append(append(at, reasonName(n.reason)), "\", \"by\": ");
    switch (n.reason) {
    case NotCountedReason::Excluded: at = appendNumber(at, n.excludedBy); break;
    case NotCountedReason::WaitConflict:
        at = appendNumberList(at, n.otherWaitFans, n.otherWaitFanCount);
        break;
    case NotCountedReason::SeveralWaits:
        at = appendNumberList(at, e.waits.tiles, e.waits.count);
        break;
    case NotCountedReason::Pairing: at = append(at, "null"); break;
    }
    return append(at, "}");
}

// A reading with at most 81 fans counted and 81 not: some 5 KB at most.
constexpr std::size_t ReadingJsonRoom = 8192;

void writeReadingJson(Writer& out, const ReadingExplanation& r, const Explanation& e, bool first)
{
    char* at = append(out.room(ReadingJsonRoom), first ? "{\"form\": " : ", {\"form\": ");
    at = append(appendNumber(at, r.form), ", \"sets\": ");
    at = appendSetsJson(at, r.setCount, r.setKinds, r.setTiles);
    at = append(appendNumber(append(at, ", \"pair\": "), r.pairTile), ", \"fans\": ");
    at = append(appendFanCounts(at, r.fanCounts), ", \"total\": ");
    at = append(appendNumber(at, r.total), ", \"not_counted\": [");
    for (int k = 0; k < r.notCountedCount; ++k)
        at = appendNotCounted(append(at, k ? ", " : ""), r.notCounted[k], e);
    out.commit(append(at, "]}"));
}

}  // namespace

void writeExplanationJson(Writer& out, std::string_view code, const Explanation& e)
{
    char* at = appendScoreJson(out.room(ScoreJsonRoom + 64), code, e.total, resultOf(e));
    at = append(at, ", \"kept\": ");
    at = append(e.kept < 0 ? append(at, "null") : appendNumber(at, e.kept), ", \"readings\": [");
    out.commit(at);
    for (int i = 0; i < e.readingCount; ++i)
        writeReadingJson(out, e.readings[i], e, i == 0);
    out.put("]}\n");
}

void writeExplanation(Writer& out, const Explanation& e)
{
    const ScoreResult result = resultOf(e);
    writeVerdict(out, e.total, result);
    for (int i = 0; i < e.readingCount; ++i)
        writeReading(out, e, i);
    const std::string tie = tieLine(e);
    if (!tie.empty()) {
        out.put('\n');
        out.put(tie);
        out.put('\n');
    }
}

std::string explanationText(std::string_view code, const Explanation& e)
{
    StringOutput text;
    Writer out(text);
    out.put(code);
    out.put('\n');
    writeExplanation(out, e);
    out.flush();
    return std::move(text.text);
}

}  // namespace fanwright::cli
