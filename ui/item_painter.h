// Paints laid-out items with GDI as the result window shows them with its controls: texts in
// their fonts, the small tile pictures, etched lines; fan links in the About dialog's link look.
#pragma once

#include "ui/result_layout.h"

#include <windows.h>

#include <vector>

namespace fanwright::ui {

HFONT fontFor(FontRole role);

// Paints the items that meet `clip`, each moved by (dx, dy).
void paintItems(HDC dc, const std::vector<ResultItem>& items, int dx, int dy, const RECT& clip);

}  // namespace fanwright::ui
