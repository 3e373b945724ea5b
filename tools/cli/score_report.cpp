#include "tools/cli/score_report.h"

#include "fans/fan_table.h"
#include "tools/cli/text.h"

#include <initializer_list>

namespace fanwright::cli {

namespace {

std::string_view setLabel(SetKind kind)
{
    switch (kind) {
    case Chow: return "Chow";
    case Pung: return "Pung";
    case Kong: return "Kong";
    default: return "Knitted";
    }
}

std::string_view specialLabel(SetKind kind)
{
    switch (kind) {
    case ThirteenOrphans: return "Thirteen Orphans";
    case LesserHonorsKnitted: return "Lesser Honors and Knitted Tiles";
    default: return "Greater Honors and Knitted Tiles";
    }
}

char* appendTiles(char* at, std::initializer_list<TileId> tiles)
{
    for (TileId t : tiles) {
        *at++ = ' ';
        at = append(at, tileName(t));
    }
    return at;
}

char* appendSet(char* at, SetKind kind, TileId t)
{
    at = append(at, setLabel(kind));
    switch (kind) {
    case Chow: return appendTiles(at, {t - 1, t, t + 1});
    case Pung: return appendTiles(at, {t, t, t});
    case Kong: return appendTiles(at, {t, t, t, t});
    default: return appendTiles(at, {t - 3, t, t + 3});
    }
}

void writeStructure(Writer& out, const ScoreResult& r)
{
    char* at = append(out.room(256), "Structure:");
    at = appendReading(at, r.setCount, r.setKinds, r.setTiles, r.pairTile);
    *at++ = '\n';
    out.commit(at);
}

// Columns: number 4 wide, name 34, quantity and points right-aligned in 8 each.
char* appendPadded(char* at, std::string_view text, std::size_t width)
{
    return appendSpaces(append(at, text), width > text.size() ? width - text.size() : 0);
}

char* appendRightAligned(char* at, std::string_view text, std::size_t width)
{
    return append(appendSpaces(at, width > text.size() ? width - text.size() : 0), text);
}

void writeFanRow(Writer& out, std::string_view indent, std::string_view number,
                 std::string_view name, std::string_view quantity, std::string_view points)
{
    char* at = append(append(out.room(128), indent), "  ");
    at = appendPadded(at, number, 4);
    at = appendPadded(at, name, 34);
    at = appendRightAligned(at, quantity, 8);
    at = appendRightAligned(at, points, 8);
    *at++ = '\n';
    out.commit(at);
}

void writeFanRow(Writer& out, std::string_view indent, int id, std::string_view name, int quantity,
                 int points)
{
    const NumberText number(id), quantityText(quantity), pointsText(points);
    writeFanRow(out, indent, id > 0 ? number.text() : "", name, quantityText.text(),
                pointsText.text());
}

}  // namespace

char* appendReading(char* at, std::int32_t setCount, const SetKind* kinds, const TileId* tiles,
                    TileId pair)
{
    if (setCount == 4) {
        for (int i = 0; i < 4; ++i)
            at = appendSet(append(at, i == 0 ? " " : " | "), kinds[i], tiles[i]);
        at = appendTiles(append(at, " | Pair"), {pair, pair});
    } else if (setCount == 7) {
        for (int i = 0; i < 7; ++i)
            at = appendTiles(append(at, i == 0 ? " Pair" : " | Pair"), {tiles[i], tiles[i]});
    } else if (setCount == 1) {
        at = append(append(at, " "), specialLabel(kinds[0]));
    }
    return at;
}

void writeFanTable(Writer& out, int total, const std::int32_t* fanCounts, std::string_view indent)
{
    writeFanRow(out, indent, "No", "Name", "Quantity", "Points");
    int quantities = 0;
    for (int id = 1; id <= FanCount; ++id) {
        const int count = fanCounts[id - 1];
        if (count <= 0)
            continue;
        writeFanRow(out, indent, id, fanName(id), count, count * fanPoints(id));
        quantities += count;
    }
    writeFanRow(out, indent, 0, "Total", quantities, total);
}

void writeVerdict(Writer& out, int total, const ScoreResult& result)
{
    char* at = out.room(128);
    if (total > 0)
        at = append(appendNumber(append(at, "This hand has "), total), " point(s).\n");
    else
        at = append(at, "Invalid hand!\n");
    at = append(at, "Waitings:");
    for (int i = 0; total > 0 && i < result.waitCount; ++i)
        at = append(append(at, " "), tileName(result.waits[i]));
    *at++ = '\n';
    out.commit(at);
}

void writeReport(Writer& out, int total, const ScoreResult& result)
{
    writeVerdict(out, total, result);
    writeStructure(out, result);
    out.put("Fans:\n");
    writeFanTable(out, total, result.fanCounts, "");
}

char* appendFanCounts(char* at, const std::int32_t* fanCounts)
{
    // The few fans counted, gathered without a branch per fan: which of the 81 are counted
    // differs from hand to hand, and guessing it wrong cost more than the rest of the line.
    int counted[FanCount];
    int n = 0;
    for (int id = 1; id <= FanCount; ++id) {
        counted[n] = id;
        n += fanCounts[id - 1] > 0 ? 1 : 0;
    }
    at = append(at, "{");
    for (int i = 0; i < n; ++i) {
        at = append(appendNumber(append(at, i ? ", \"" : "\""), counted[i]), "\": ");
        at = appendNumber(at, fanCounts[counted[i] - 1]);
    }
    return append(at, "}");
}

char* appendSetsJson(char* at, std::int32_t setCount, const SetKind* kinds, const TileId* tiles)
{
    at = append(at, "[");
    for (int i = 0; i < setCount; ++i) {
        at = appendNumber(append(at, i ? ", [" : "["), kinds[i]);
        at = append(appendNumber(append(at, ", "), tiles[i]), "]");
    }
    return append(at, "]");
}

char* appendScoreJson(char* at, std::string_view code, int total, const ScoreResult& r)
{
    // A code of at most 37 letters and digits, at most 81 fans, 14 waits and 7 sets: well
    // within ScoreJsonRoom, and nothing that JSON would need escaped.
    const bool valid = total > 0;
    at = append(append(append(at, "{\"code\": \""), code), "\", \"total\": ");
    at = append(appendNumber(at, total), ", \"form\": ");
    at = append(appendNumber(at, valid ? r.form : 0), ", \"sets\": ");
    at = appendSetsJson(at, valid ? r.setCount : 0, r.setKinds, r.setTiles);
    at = append(appendNumber(append(at, ", \"pair\": "), valid ? r.pairTile : 0), ", \"waits\": [");
    for (int i = 0; valid && i < r.waitCount; ++i)
        at = appendNumber(append(at, i ? ", " : ""), r.waits[i]);
    at = append(at, "], \"fans\": ");
    if (!valid)
        return append(at, "{}");
    return appendFanCounts(at, r.fanCounts);
}

void writeJson(Writer& out, std::string_view code, int total, const ScoreResult& r)
{
    out.commit(append(appendScoreJson(out.room(ScoreJsonRoom), code, total, r), "}\n"));
}

void writeJsonError(Writer& out, std::string_view shown, std::size_t length,
                    std::string_view message)
{
    out.put("{\"code\": ");
    putJsonString(out, shown);
    if (shown.size() < length) {
        out.put(", \"length\": ");
        out.putNumber(static_cast<long long>(length));
    }
    out.put(", \"error\": ");
    putJsonString(out, message);
    out.put("}\n");
}

}  // namespace fanwright::cli
