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

void writeTiles(Writer& out, std::initializer_list<TileId> tiles)
{
    for (TileId t : tiles) {
        out.put(' ');
        out.put(tileName(t));
    }
}

void writeSet(Writer& out, SetKind kind, TileId t)
{
    out.put(setLabel(kind));
    switch (kind) {
    case Chow: writeTiles(out, {t - 1, t, t + 1}); break;
    case Pung: writeTiles(out, {t, t, t}); break;
    case Kong: writeTiles(out, {t, t, t, t}); break;
    default: writeTiles(out, {t - 3, t, t + 3}); break;
    }
}

void writeStructure(Writer& out, const ScoreResult& r)
{
    out.put("Structure:");
    if (r.setCount == 4) {
        for (int i = 0; i < 4; ++i) {
            out.put(i == 0 ? " " : " | ");
            writeSet(out, r.setKinds[i], r.setTiles[i]);
        }
        out.put(" | Pair");
        writeTiles(out, {r.pairTile, r.pairTile});
    } else if (r.setCount == 7) {
        for (int i = 0; i < 7; ++i) {
            out.put(i == 0 ? " Pair" : " | Pair");
            writeTiles(out, {r.setTiles[i], r.setTiles[i]});
        }
    } else if (r.setCount == 1) {
        out.put(' ');
        out.put(specialLabel(r.setKinds[0]));
    }
    out.put('\n');
}

// Columns: number 4 wide, name 34, quantity and points right-aligned in 8 each.
void writeFanRow(Writer& out, std::string_view number, std::string_view name,
                 std::string_view quantity, std::string_view points)
{
    out.put("  ");
    out.putPadded(number, 4);
    out.putPadded(name, 34);
    out.putRightAligned(quantity, 8);
    out.putRightAligned(points, 8);
    out.put('\n');
}

void writeFanRow(Writer& out, int id, std::string_view name, int quantity, int points)
{
    NumberText number(id), quantityText(quantity), pointsText(points);
    writeFanRow(out, id > 0 ? number.text() : "", name, quantityText.text(), pointsText.text());
}

void writeFans(Writer& out, int total, const ScoreResult& r)
{
    out.put("Fans:\n");
    writeFanRow(out, "No", "Name", "Quantity", "Points");
    int quantities = 0;
    for (int id = 1; id <= FanCount; ++id) {
        const int count = r.fanCounts[id - 1];
        if (count <= 0)
            continue;
        writeFanRow(out, id, fanName(id), count, count * fanPoints(id));
        quantities += count;
    }
    writeFanRow(out, 0, "Total", quantities, total);
}

}  // namespace

void writeReport(Writer& out, int total, const ScoreResult& result)
{
    if (total > 0) {
        out.put("This hand has ");
        out.putNumber(total);
        out.put(" point(s).\n");
    } else {
        out.put("Invalid hand!\n");
    }
    out.put("Waitings:");
    for (int i = 0; total > 0 && i < result.waitCount; ++i) {
        out.put(' ');
        out.put(tileName(result.waits[i]));
    }
    out.put('\n');
    writeStructure(out, result);
    writeFans(out, total, result);
}

void writeJson(Writer& out, std::string_view code, int total, const ScoreResult& r)
{
    const bool valid = total > 0;
    out.put("{\"code\": ");
    putJsonString(out, code);
    out.put(", \"total\": ");
    out.putNumber(total);
    out.put(", \"form\": ");
    out.putNumber(valid ? r.form : 0);
    out.put(", \"sets\": [");
    for (int i = 0; valid && i < r.setCount; ++i) {
        out.put(i ? ", [" : "[");
        out.putNumber(r.setKinds[i]);
        out.put(", ");
        out.putNumber(r.setTiles[i]);
        out.put(']');
    }
    out.put("], \"pair\": ");
    out.putNumber(valid ? r.pairTile : 0);
    out.put(", \"waits\": [");
    for (int i = 0; valid && i < r.waitCount; ++i) {
        out.put(i ? ", " : "");
        out.putNumber(r.waits[i]);
    }
    out.put("], \"fans\": {");
    bool first = true;
    for (int id = 1; valid && id <= FanCount; ++id) {
        if (r.fanCounts[id - 1] <= 0)
            continue;
        out.put(first ? "\"" : ", \"");
        out.putNumber(id);
        out.put("\": ");
        out.putNumber(r.fanCounts[id - 1]);
        first = false;
    }
    out.put("}}\n");
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
