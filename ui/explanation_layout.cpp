#include "ui/explanation_layout.h"

#include "explain/explanation_text.h"
#include "ui/texts.h"
#include "ui/wide_text.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace fanwright::ui {
namespace {

constexpr int ContentWidth = 440;
constexpr int Left = ResultLeft;
constexpr int Indent = 40;  // the "Not counted:" lines
constexpr int LineWidth = ResultLineWidth;
constexpr int Line = ResultRowHeight;
constexpr int TileWidth = 20;
constexpr int SetGap = 10;
constexpr int SectionGap = 8;
// Of the normal font, about what the indented width holds (some 5 pixels a character): a
// longer line wraps.
constexpr std::size_t CharactersPerLine = 72;

std::wstring formatted(const wchar_t* pattern, int first, int second)
{
    wchar_t buffer[96];
    std::swprintf(buffer, std::size(buffer), pattern, first, second);
    return buffer;
}

std::wstring tileText(TileId t) { return widened(tileName(t)); }

class Column {
public:
    explicit Column(std::vector<ResultItem>& items) : items_(items) {}

    int y = 0;

    void text(std::wstring text, FontRole font = FontRole::Normal, int x = Left)
    {
        const std::size_t wraps = text.empty() ? 0 : (text.size() - 1) / CharactersPerLine;
        const int lines = 1 + static_cast<int>(wraps);
        items_.push_back({ResultItemKind::Text, x, y, LineWidth + Left - x, Line * lines,
                          std::move(text), font});
        y += Line * lines;
    }
    // An etched line and a bold label under it, as the result window's sections.
    void section(std::wstring label)
    {
        items_.push_back({ResultItemKind::Separator, Left, y, LineWidth, 2});
        y += 4;
        text(std::move(label), FontRole::Bold);
    }
    void tiles(const TileId* tiles, int count)
    {
        for (int i = 0; i < count; ++i)
            items_.push_back(
                {ResultItemKind::Tile, Left + TileWidth * i, y, TileWidth, 25, {}, {}, tiles[i]});
        y += 25;
    }
    void gap() { y += SectionGap; }
    std::vector<ResultItem>& items() { return items_; }

private:
    std::vector<ResultItem>& items_;
};

std::wstring verdict(const Explanation& e)
{
    return e.total > 0 ? formatted(text::ResultPoints, e.total, 0) : text::ResultInvalid;
}

void addHand(Column& c, const Hand& hand)
{
    c.section(text::ExplanationHand);
    addHandItems(c.items(), Left, c.y, hand);
    c.y += 25 + (hand.setCount > 0 ? Line : 0) + 4;  // labels only under declared sets
    c.text(wonLine(hand));
    if (std::wstring winds = windsLine(hand); !winds.empty())
        c.text(std::move(winds));
    c.gap();
}

void addReading(Column& c, const Explanation& e, int i)
{
    const ReadingExplanation& r = e.readings[i];
    std::wstring title = formatted(text::ExplanationReading, i + 1, e.readingCount);
    c.section(i == e.kept ? title + text::ExplanationKept : title);
    addReadingItems(c.items(), c.y, {r.setCount, r.setKinds, r.setTiles, r.pairTile});
    c.y += 25 + Line + 4;
    c.y = addFanTable(c.items(), c.y, r.total, r.fanCounts, ResultItemKind::FanLink) + Line;
    if (r.fanCounts[ChickenHand - 1] > 0)
        c.text(widened(ChickenHandNote));
    if (r.notCountedCount > 0)
        c.text(text::ExplanationNotCounted, FontRole::Bold);
    for (int k = 0; k < r.notCountedCount; ++k)
        c.text(widened(notCountedLine(r.notCounted[k], r, e)), FontRole::Normal, Indent);
    c.gap();
}

}  // namespace

ExplanationLayout layoutExplanation(const Explanation& e)
{
    ExplanationLayout layout;
    Column c(layout.items);
    c.y = 16;
    layout.items.push_back(
        {ResultItemKind::Text, Left, c.y, LineWidth, 24, verdict(e), FontRole::Points});
    c.y += 26;
    c.text(text::ExplanationHint);
    c.gap();
    addHand(c, e.hand);
    c.section(text::ResultWaits);
    c.tiles(e.waits.tiles, e.total > 0 ? e.waits.count : 0);
    c.gap();
    if (e.readingCount == 0)
        c.text(text::ExplanationNoReading);
    for (int i = 0; i < e.readingCount; ++i)
        addReading(c, e, i);
    if (const std::string tie = tieLine(e); !tie.empty()) {
        c.section(widened(tie));
        c.gap();
    }
    layout.width = ContentWidth;
    for (const ResultItem& item : layout.items)  // and a line's margin below the last
        layout.height = std::max(layout.height, item.y + item.height + Line);
    return layout;
}

void addHandItems(std::vector<ResultItem>& items, int left, int tilesY, const Hand& hand)
{
    int x = left;
    auto picture = [&](TileId t) {
        items.push_back({ResultItemKind::Tile, x, tilesY, TileWidth, 25, {}, {}, t});
        x += TileWidth;
    };
    for (int i = 0; i < hand.setCount; ++i) {
        const SetKind kind = hand.setKinds[i];
        const TileId t = hand.setTiles[i];
        const bool kong = kind == MeldedKong || kind == ConcealedKong;
        const wchar_t* label = kind == Chow         ? text::HandChow
                               : kind == Pung       ? text::HandPung
                               : kind == MeldedKong ? text::HandMeldedKong
                                                    : text::HandConcealedKong;
        items.push_back({ResultItemKind::CentredText, x, tilesY + 25, kong ? 80 : 60, Line, label});
        for (int k = 0; k < (kong ? 4 : 3); ++k)
            picture(kind == Chow ? t - 1 + k : t);
        x += SetGap;
    }
    for (int i = 0; i < hand.concealedCount; ++i)
        picture(hand.concealedTiles[i]);
    if (hand.winningTile != NoTile) {
        x += SetGap;
        picture(hand.winningTile);
    }
}

std::wstring wonLine(const Hand& hand)
{
    if (hand.winningTile == NoTile)
        return {};
    std::wstring line = text::WonOn + tileText(hand.winningTile);
    if (hand.winSource == SelfDrawn)
        line += text::WonFromWall;
    else if (hand.winSource == Discard)
        line += text::WonOnDiscard;
    const bool situations[] = {hand.isLastTileInGame(), hand.isLastTileOfKind(),
                               hand.isReplacementTile(), hand.isRobbingTheKong()};
    const wchar_t* separator = L"; ";
    for (std::size_t i = 0; i < std::size(situations); ++i) {
        if (!situations[i])
            continue;
        line += separator;
        line += text::WonSituations[i];
        separator = L", ";
    }
    return line + L".";
}

std::wstring windsLine(const Hand& hand)
{
    auto wind = [](TileId t) { return std::wstring(text::WindNames[t - East]); };
    const bool real = hand.prevalentWind >= East && hand.prevalentWind <= North &&
                      hand.seatWind >= East && hand.seatWind <= North;
    if (!real)
        return {};
    return text::PrevalentWind + wind(hand.prevalentWind) + text::SeatWind + wind(hand.seatWind) +
           L".";
}

int fanLinkAt(const std::vector<ResultItem>& items, int x, int y)
{
    for (const ResultItem& item : items) {
        if (item.kind == ResultItemKind::FanLink && x >= item.x && x < item.x + item.width &&
            y >= item.y && y < item.y + item.height)
            return item.picture;
    }
    return 0;
}

int scrolledTo(ScrollMove move, int position, int page, int extent, int target)
{
    const int last = std::max(0, extent - page);
    const int pageStep = std::max(ScrollLine, page - ScrollLine);  // a line stays in view
    switch (move) {
    case ScrollMove::LineUp: position -= ScrollLine; break;
    case ScrollMove::LineDown: position += ScrollLine; break;
    case ScrollMove::PageUp: position -= pageStep; break;
    case ScrollMove::PageDown: position += pageStep; break;
    case ScrollMove::Top: position = 0; break;
    case ScrollMove::Bottom: position = last; break;
    case ScrollMove::To: position = target; break;
    }
    return std::clamp(position, 0, last);
}

int wheelScrolled(int position, int delta, int page, int extent)
{
    constexpr int Notch = 120;
    return scrolledTo(ScrollMove::To, position, page, extent,
                      position - delta * WheelLines * ScrollLine / Notch);
}

Rect besideOwner(const Rect& owner, int width, int height, const Rect& work)
{
    width = std::min(width, work.right - work.left);
    height = std::min(height, work.bottom - work.top);
    int left = work.right - width;
    if (owner.right + width <= work.right)
        left = owner.right;
    else if (owner.left - width >= work.left)
        left = owner.left - width;
    const int top = std::clamp(owner.top, work.top, work.bottom - height);
    return {left, top, left + width, top + height};
}

}  // namespace fanwright::ui
