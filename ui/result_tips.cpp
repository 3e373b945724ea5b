#include "ui/result_tips.h"

#include "explain/explanation_text.h"
#include "explain/fan_descriptions.h"
#include "fans/fan_table.h"
#include "ui/result_layout.h"
#include "ui/texts.h"
#include "ui/wide_text.h"

namespace fanwright::ui {
namespace {

constexpr const wchar_t* NewLine = L"\r\n";  // a tooltip breaks lines there

const ReadingExplanation* keptReading(const Explanation& e)
{
    return e.kept >= 0 ? &e.readings[e.kept] : nullptr;
}

Rect rowBox(int y) { return {ResultLeft, y, ResultLeft + ResultLineWidth, y + ResultRowHeight}; }

}  // namespace

std::wstring fanRowTip(int fan, const Explanation& e)
{
    std::wstring tip = widened(fanDescription(fan).rule);
    const ReadingExplanation* kept = keptReading(e);
    if (kept == nullptr || kept->fanCounts[fan - 1] == 0)
        return tip;
    std::wstring excluded;
    for (int k = 0; k < kept->notCountedCount; ++k) {
        const NotCountedFan& n = kept->notCounted[k];
        if (n.reason == NotCountedReason::Excluded && n.excludedBy == fan)
            excluded += (excluded.empty() ? L"" : L", ") + widened(fanName(n.fan));
    }
    return excluded.empty() ? tip : tip + NewLine + text::TipNotCountedBeside + excluded;
}

std::wstring totalRowTip(const Explanation& e)
{
    const ReadingExplanation* kept = keptReading(e);
    std::wstring tip;
    if (kept == nullptr)
        tip = text::TipNoReading;
    else if (kept->notCountedCount == 0)
        tip = text::TipAllCounted;
    else
        tip = text::TipNotCounted;
    for (int k = 0; kept != nullptr && k < kept->notCountedCount; ++k)
        tip += NewLine + widened(notCountedLine(kept->notCounted[k], *kept, e));
    return tip + NewLine + text::TipWhyThisScore;
}

std::vector<RowTip> resultRowTips(const ScoreResult& result, const Explanation& e)
{
    std::vector<RowTip> tips;
    int y = ResultFirstFanRowY;
    for (int fan = 1; fan <= FanCount; ++fan) {
        if (result.fanCounts[fan - 1] <= 0)
            continue;
        tips.push_back({rowBox(y), fanRowTip(fan, e)});
        y += ResultRowHeight;
    }
    tips.push_back({rowBox(y), totalRowTip(e)});
    return tips;
}

}  // namespace fanwright::ui
