#include "tools/cli/score_report.h"

#include "fans/fan_table.h"

#include <cstdio>
#include <string>

namespace fanwright::cli {

namespace {

const char* setLabel(SetKind kind)
{
    switch (kind) {
    case Chow: return "Chow";
    case Pung: return "Pung";
    case Kong: return "Kong";
    default: return "Knitted";
    }
}

const char* specialLabel(SetKind kind)
{
    switch (kind) {
    case ThirteenOrphans: return "Thirteen Orphans";
    case LesserHonorsKnitted: return "Lesser Honors and Knitted Tiles";
    default: return "Greater Honors and Knitted Tiles";
    }
}

void writeTiles(std::ostream& out, std::initializer_list<TileId> tiles)
{
    for (TileId t : tiles)
        out << ' ' << tileName(t);
}

void writeSet(std::ostream& out, SetKind kind, TileId t)
{
    out << setLabel(kind);
    switch (kind) {
    case Chow: writeTiles(out, {t - 1, t, t + 1}); break;
    case Pung: writeTiles(out, {t, t, t}); break;
    case Kong: writeTiles(out, {t, t, t, t}); break;
    default: writeTiles(out, {t - 3, t, t + 3}); break;
    }
}

void writeStructure(std::ostream& out, const ScoreResult& r)
{
    out << "Structure:";
    if (r.setCount == 4) {
        for (int i = 0; i < 4; ++i) {
            out << (i == 0 ? " " : " | ");
            writeSet(out, r.setKinds[i], r.setTiles[i]);
        }
        out << " | Pair";
        writeTiles(out, {r.pairTile, r.pairTile});
    } else if (r.setCount == 7) {
        for (int i = 0; i < 7; ++i) {
            out << (i == 0 ? " Pair" : " | Pair");
            writeTiles(out, {r.setTiles[i], r.setTiles[i]});
        }
    } else if (r.setCount == 1) {
        out << ' ' << specialLabel(r.setKinds[0]);
    }
    out << '\n';
}

void writeFanRow(std::ostream& out, const std::string& number, std::string_view name, int quantity,
                 int points)
{
    char line[128];
    std::snprintf(line, sizeof line, "  %-4s%-34.*s%8d%8d\n", number.c_str(),
                  static_cast<int>(name.size()), name.data(), quantity, points);
    out << line;
}

void writeFans(std::ostream& out, int total, const ScoreResult& r)
{
    char heading[128];
    std::snprintf(heading, sizeof heading, "  %-4s%-34s%8s%8s\n", "No", "Name", "Quantity",
                  "Points");
    out << "Fans:\n" << heading;
    int quantities = 0;
    for (int id = 1; id <= FanCount; ++id) {
        const int count = r.fanCounts[id - 1];
        if (count <= 0)
            continue;
        writeFanRow(out, std::to_string(id), fanName(id), count, count * fanPoints(id));
        quantities += count;
    }
    writeFanRow(out, "", "Total", quantities, total);
}

// Length of the UTF-8 sequence a lead byte opens, 0 for a byte that opens none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

bool isUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t n = sequenceLength(static_cast<unsigned char>(text[i]));
        if (n == 0 || i + n > text.size())
            return false;
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += n;
    }
    return true;
}

}  // namespace

void writeReport(std::ostream& out, int total, const ScoreResult& result)
{
    if (total > 0)
        out << "This hand has " << total << " point(s).\n";
    else
        out << "Invalid hand!\n";
    out << "Waitings:";
    for (int i = 0; total > 0 && i < result.waitCount; ++i)
        out << ' ' << tileName(result.waits[i]);
    out << '\n';
    writeStructure(out, result);
    writeFans(out, total, result);
}

void writeJsonString(std::ostream& out, std::string_view text)
{
    const bool utf8 = isUtf8(text);
    out << '"';
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out << '\\' << ch;
        } else if (c < 0x20 || (c >= 0x80 && !utf8)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out << escaped;
        } else {
            out << ch;
        }
    }
    out << '"';
}

void writeJson(std::ostream& out, std::string_view code, int total, const ScoreResult& r)
{
    const bool valid = total > 0;
    out << "{\"code\": ";
    writeJsonString(out, code);
    out << ", \"total\": " << total << ", \"form\": " << (valid ? r.form : 0) << ", \"sets\": [";
    for (int i = 0; valid && i < r.setCount; ++i)
        out << (i ? ", [" : "[") << r.setKinds[i] << ", " << r.setTiles[i] << ']';
    out << "], \"pair\": " << (valid ? r.pairTile : 0) << ", \"waits\": [";
    for (int i = 0; valid && i < r.waitCount; ++i)
        out << (i ? ", " : "") << r.waits[i];
    out << "], \"fans\": {";
    bool first = true;
    for (int id = 1; valid && id <= FanCount; ++id) {
        if (r.fanCounts[id - 1] <= 0)
            continue;
        out << (first ? "\"" : ", \"") << id << "\": " << r.fanCounts[id - 1];
        first = false;
    }
    out << "}}\n";
}

void writeJsonError(std::ostream& out, std::string_view line, std::string_view message)
{
    out << "{\"code\": ";
    writeJsonString(out, line);
    out << ", \"error\": ";
    writeJsonString(out, message);
    out << "}\n";
}

}  // namespace fanwright::cli
