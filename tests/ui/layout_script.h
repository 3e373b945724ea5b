// A layout as lines of text, top to bottom, for tables of expected layouts: each line holds the
// items that start at one y, left to right. Texts as they read, "[label]" for a centred label,
// "<Name>" for a fan link, tiles by name (touching tiles run together, a gap is a space) and
// "----" for an etched line.
#pragma once

#include "ui/result_layout.h"

#include <map>
#include <string>
#include <vector>

namespace fanwright::test {

using ui::ResultItem;
using ui::ResultItemKind;

inline std::string narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text) {
        if (c == L'\u2014')
            out.append("\xE2\x80\x94");
        else
            out.push_back(static_cast<char>(c));
    }
    return out;
}

inline std::vector<std::string> scriptOf(const std::vector<ResultItem>& items)
{
    std::map<int, std::multimap<int, const ResultItem*>> rows;
    for (const ResultItem& item : items)
        rows[item.y].emplace(item.x, &item);
    std::vector<std::string> lines;
    for (const auto& [y, row] : rows) {
        std::string line;
        int tileEnd = -1;
        for (const auto& [x, item] : row) {
            const bool touching = item->kind == ResultItemKind::Tile && x == tileEnd;
            line += line.empty() || touching             ? ""
                    : item->kind == ResultItemKind::Tile ? " "
                                                         : " | ";
            switch (item->kind) {
            case ResultItemKind::Tile: line += tileName(item->picture); break;
            case ResultItemKind::CentredText:
                line.append("[").append(narrow(item->text)).append("]");
                break;
            case ResultItemKind::FanLink:
                line.append("<").append(narrow(item->text)).append(">");
                break;
            case ResultItemKind::Separator: line += "----"; break;
            default: line += narrow(item->text); break;
            }
            tileEnd = item->kind == ResultItemKind::Tile ? x + item->width : -1;
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace fanwright::test
