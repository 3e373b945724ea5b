#include "ui/result_layout.h"

#include "fans/fan_table.h"
#include "ui/resource_ids.h"
#include "ui/texts.h"
#include "ui/wide_text.h"

#include <cwchar>
#include <initializer_list>
#include <iterator>

namespace fanwright::ui {
namespace {

constexpr int ClientWidth = 440;
constexpr int BaseClientHeight = 282;  // the window without fan rows
constexpr int Left = ResultLeft;
constexpr int LineWidth = ResultLineWidth;
constexpr int LineHeight = ResultRowHeight;
constexpr int TileWidth = 20;
constexpr int TileHeight = 25;
constexpr int SetGap = 10;
constexpr int LabelBelowTiles = 25;
constexpr int NameX = 70;
constexpr int NameWidth = 250;  // a link reaches the quantity column, no further
constexpr int QuantityX = 320;
constexpr int PointsX = 370;

std::wstring formatted(const wchar_t* pattern, int first, int second = 0)
{
    wchar_t buffer[64];
    std::swprintf(buffer, std::size(buffer), pattern, first, second);
    return buffer;
}

class Items {
public:
    explicit Items(std::vector<ResultItem>& items, int tilesY = 0) : items_(items), tilesY_(tilesY)
    {
    }

    void text(int x, int y, std::wstring text, FontRole font = FontRole::Normal)
    {
        items_.push_back(
            {ResultItemKind::Text, x, y, LineWidth, LineHeight, std::move(text), font});
    }
    void label(int x, int width, const wchar_t* text)
    {
        items_.push_back(
            {ResultItemKind::CentredText, x, tilesY_ + LabelBelowTiles, width, LineHeight, text});
    }
    void tile(int x, int y, TileId t)
    {
        items_.push_back({ResultItemKind::Tile, x, y, TileWidth, TileHeight, {}, {}, t});
    }
    void readingTile(int x, TileId t) { tile(x, tilesY_, t); }
    // An etched line and the bold label just under it.
    void section(int y, const wchar_t* label)
    {
        items_.push_back({ResultItemKind::Separator, Left, y, LineWidth, 2});
        text(Left, y + 4, label, FontRole::Bold);
    }
    void add(ResultItem item) { items_.push_back(std::move(item)); }

private:
    std::vector<ResultItem>& items_;
    int tilesY_;
};

// One set of the reading: its label under its tiles, then a gap. Returns the next set's x.
int addSet(Items& items, int x, const wchar_t* label, int labelWidth,
           std::initializer_list<TileId> tiles)
{
    items.label(x, labelWidth, label);
    for (TileId t : tiles) {
        items.readingTile(x, t);
        x += TileWidth;
    }
    return x + SetGap;
}

int addRegularSet(Items& items, int x, SetKind kind, TileId t)
{
    switch (kind) {
    case Chow: return addSet(items, x, text::ResultChow, 60, {t - 1, t, t + 1});
    case Pung: return addSet(items, x, text::ResultPung, 60, {t, t, t});
    case Kong: return addSet(items, x, text::ResultKong, 80, {t, t, t, t});
    default: return addSet(items, x, text::ResultKnitted, 60, {t - 3, t, t + 3});
    }
}

const wchar_t* specialName(SetKind kind)
{
    switch (kind) {
    case ThirteenOrphans: return text::ResultThirteenOrphans;
    case LesserHonorsKnitted: return text::ResultLesserHonors;
    default: return text::ResultGreaterHonors;
    }
}

struct Verdict {
    const wchar_t* title;
    int icon;
    std::wstring text;
};

Verdict verdictOf(int answer, int total)
{
    const bool valid = total > 0;
    if (valid && answer == 0)
        return {text::ResultTitlePlain, IDI_PLAIN, formatted(text::ResultPoints, total)};
    if (valid && answer == total)
        return {text::ResultTitleRight, IDI_RIGHT, text::ResultRight};
    if (!valid)
        return {text::ResultTitleWrong, IDI_WRONG, text::ResultInvalid};
    return {text::ResultTitleWrong, IDI_WRONG, formatted(text::ResultWrongPoints, total, answer)};
}

}  // namespace

void addReadingItems(std::vector<ResultItem>& into, int tilesY, const ReadingSets& reading)
{
    Items items(into, tilesY);
    int x = Left;
    switch (reading.setCount) {
    case 4:
        for (int i = 0; i < 4; ++i)
            x = addRegularSet(items, x, reading.kinds[i], reading.tiles[i]);
        addSet(items, x, text::ResultPair, 40, {reading.pairTile, reading.pairTile});
        break;
    case 7:
        for (int i = 0; i < 7; ++i)
            x = addSet(items, x, text::ResultPair, 40, {reading.tiles[i], reading.tiles[i]});
        break;
    case 1: items.label(Left, 280, specialName(reading.kinds[0])); break;
    default:  // no reading: nothing to show
        break;
    }
}

int addFanTable(std::vector<ResultItem>& into, int headingY, int total,
                const std::int32_t* fanCounts, ResultItemKind nameKind)
{
    Items items(into);
    items.text(Left, headingY, text::ResultNumberHeading, FontRole::Link);
    items.text(NameX, headingY, text::ResultNameHeading, FontRole::Link);
    items.text(QuantityX, headingY, text::ResultQuantityHeading, FontRole::Link);
    items.text(PointsX, headingY, text::ResultPointsHeading, FontRole::Link);
    int y = headingY + LineHeight;
    int countSum = 0;
    for (int id = 1; id <= FanCount; ++id) {
        const int count = fanCounts[id - 1];
        if (count <= 0)
            continue;
        items.text(Left, y, formatted(L"%d", id));
        if (nameKind == ResultItemKind::FanLink)
            items.add({nameKind, NameX, y, NameWidth, LineHeight, widened(fanName(id)), {}, id});
        else
            items.text(NameX, y, widened(fanName(id)));
        items.text(QuantityX, y, formatted(L"%d", count));
        items.text(PointsX, y, formatted(L"%d", count * fanPoints(id)));
        countSum += count;
        y += LineHeight;
    }
    // The total shown is the one the scorer returned, not a sum of the rows.
    items.text(Left, y, text::ResultTotal, FontRole::Bold);
    items.text(QuantityX, y, formatted(L"%d", countSum), FontRole::Bold);
    items.text(PointsX, y, formatted(L"%d", total), FontRole::Bold);
    return y;
}

ResultLayout layoutResult(int answer, int total, const ScoreResult& result)
{
    ResultLayout layout;
    Items items(layout.items);

    Verdict verdict = verdictOf(answer, total);
    layout.title = verdict.title;
    items.add({ResultItemKind::Icon, Left, 20, 24, 24, {}, {}, verdict.icon});
    items.add({ResultItemKind::Text, 64, 20, 356, 24, std::move(verdict.text), FontRole::Points});

    items.section(60, text::ResultWaits);
    for (int i = 0; i < result.waitCount; ++i)
        items.tile(Left + TileWidth * i, 80, result.waits[i]);

    items.section(111, text::ResultStructure);
    addReadingItems(layout.items, 131,
                    {result.setCount, result.setKinds, result.setTiles, result.pairTile});

    items.section(178, text::ResultFans);
    const int totalRowY =
        addFanTable(layout.items, 198, total, result.fanCounts, ResultItemKind::Text);
    items.add({ResultItemKind::Separator, Left, totalRowY + 16, LineWidth, 2});
    items.add({ResultItemKind::OkButton, 350, totalRowY + 32, 70, 20, text::ResultOk});

    layout.clientWidth = ClientWidth;
    layout.clientHeight = BaseClientHeight + (totalRowY - ResultFirstFanRowY);
    return layout;
}

}  // namespace fanwright::ui
