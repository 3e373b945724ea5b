#include "ui/fan_reference_model.h"

#include "explain/fan_descriptions.h"
#include "fans/fan_table.h"
#include "hand/log_code.h"
#include "scoring/scoring.h"
#include "ui/explanation_layout.h"
#include "ui/texts.h"
#include "ui/wide_text.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <iterator>

namespace fanwright::ui {
namespace {

std::wstring number(int n) { return std::to_wstring(n); }

bool startsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](wchar_t a, wchar_t b) {
               return std::towlower(static_cast<wint_t>(a)) ==
                      std::towlower(static_cast<wint_t>(b));
           });
}

int rowForNumber(std::wstring_view digits)
{
    if (digits.size() > 2)
        return -1;
    int fan = 0;
    for (wchar_t d : digits)
        fan = fan * 10 + (d - L'0');
    return fan >= 1 && fan <= FanCount ? fan - 1 : -1;
}

// "Seven Pairs 24, One Voided Suit 1, No Honors 1": each counted fan with the points it adds.
std::wstring scoredFans(const ScoreResult& result)
{
    std::wstring text;
    for (int fan = 1; fan <= FanCount; ++fan) {
        const int count = result.fanCounts[fan - 1];
        if (count == 0)
            continue;
        text += text.empty() ? L"" : L", ";
        text += widened(fanName(fan)) + L" " + number(count * fanPoints(fan));
    }
    return text;
}

void addExample(FanPage& page, int fan, int left, int tilesY)
{
    ParsedLogLine parsed;
    std::string error;
    if (!parseLogLine(fanDescription(fan).example, parsed, error)) {
        page.scores = text::ReferenceNoExample;
        return;
    }
    addHandItems(page.example, left, tilesY, parsed.hand);
    page.won = wonLine(parsed.hand);
    if (std::wstring winds = windsLine(parsed.hand); !winds.empty())
        page.won += L" " + winds;
    ScoreResult result;
    const int total = scoreHand(parsed.hand, result);
    wchar_t buffer[64];
    std::swprintf(buffer, std::size(buffer), text::ReferenceScores, total);
    page.scores = buffer + scoredFans(result) + L".";
}

}  // namespace

std::vector<FanRow> fanReferenceRows()
{
    std::vector<FanRow> rows;
    for (int fan = 1; fan <= FanCount; ++fan)
        rows.push_back({fan, number(fan), widened(fanName(fan)), number(fanPoints(fan))});
    return rows;
}

int rowForTyped(std::wstring_view typed)
{
    if (typed.empty())
        return -1;
    if (std::all_of(typed.begin(), typed.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return rowForNumber(typed);
    int found = -1;
    std::wstring foundName;
    for (int fan = 1; fan <= FanCount; ++fan) {
        std::wstring name = widened(fanName(fan));
        if (startsWithIgnoringCase(name, typed) && (found < 0 || name < foundName)) {
            found = fan - 1;
            foundName = std::move(name);
        }
    }
    return found;
}

std::wstring_view TypeAhead::type(wchar_t c, unsigned time)
{
    if (time - last_ > Pause)
        typed_.clear();
    if (c < L' ' || (c == L' ' && typed_.empty()))
        return {};
    last_ = time;
    typed_ += c;
    return typed_;
}

FanPage fanPage(int fan, int left, int tilesY)
{
    FanPage page;
    page.title = widened(fanName(fan));
    wchar_t buffer[64];
    std::swprintf(buffer, std::size(buffer), text::ReferenceFanPoints, fan, fanPoints(fan),
                  fanPoints(fan) == 1 ? L"" : L"s");
    page.subtitle = buffer;
    page.rule = widened(fanDescription(fan).rule);
    addExample(page, fan, left, tilesY);
    FanSet never = neverCountedBeside(fan);
    for (int other = never.popFirst(); other != 0; other = never.popFirst())
        page.neverBeside.push_back(other);
    page.neverLabel =
        page.neverBeside.empty() ? text::ReferenceNeverBesideNone : text::ReferenceNeverBeside;
    return page;
}

}  // namespace fanwright::ui
