// The main window's child controls, its status bar and its tooltips, made by its WM_CREATE in
// fixed client pixels: the creation order is also the tab order and the grouping.
#pragma once

#include "ui/resource_ids.h"
#include "ui/tile_images.h"

#include <windows.h>

namespace fanwright::ui {

// Shown in edit mode only.
inline constexpr int EditModeControls[] = {IDC_ADD_BACKGROUND,
                                           IDC_ADD_GROUP,
                                           IDC_ADD_CHOW,
                                           IDC_ADD_PUNG,
                                           IDC_ADD_MELDED_KONG,
                                           IDC_ADD_CONCEALED_KONG,
                                           IDC_ADD_CONCEALED_TILE,
                                           IDC_ADD_WINNING_TILE,
                                           IDC_CLEAR,
                                           IDC_BANNER};

// Every control of the table with its font, the up-down's base and range, the empty points
// field, the icons of the save and settings buttons, blank wind boxes and the banner.
void createControls(HWND parent, const TileImages& images);

// Creates the status bar once to learn its height, grows the window by that height (half of it
// upwards, so that it stays centred), and creates it again docked below the controls, with its
// three parts. Returns the status bar.
HWND createStatusBar(HWND parent);

// The tooltip control with its nine tips; it lives as long as `parent`, its owner.
HWND createTooltips(HWND parent);

}  // namespace fanwright::ui
