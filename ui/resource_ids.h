// Ids of Fanwright's resources and controls. Plain #defines: the resource compiler reads this too.
// The numbers are fixed: tests and outside tools find controls by them.
//   1          string: the program's name
//   100-299    bitmaps, icons, cursors and dialog templates
//   1000-1099  controls; each dialog numbers its own, so a number may recur between windows
//   2000-2099  system menu items, multiples of 16 (the system keeps the low four bits)
#pragma once

// --- Strings -------------------------------------------------------------------------------
#define IDS_PROGRAM_NAME 1

// --- Bitmaps -------------------------------------------------------------------------------
#define IDB_TILE_MASK 103        // 43 x 53, 1 bit: the outline shared by every large tile
#define IDB_TILE_FIRST 109       // 109 + i: large tile picture i (43 x 53), i = 0..35
#define IDB_TILE_LAST 144
#define IDB_BANNER 161           // 300 x 60, the main window's banner (edit mode)
#define IDB_BANNER_MASK 162
#define IDB_SMALL_TILE_FIRST 173 // 173 + t: small picture of TileId t (20 x 25), t = 0..34
#define IDB_SMALL_TILE_LAST 207
#define IDB_ABOUT_BANNER 217     // 300 x 80, the About dialog's banner

// --- Icons ---------------------------------------------------------------------------------
#define IDI_FANWRIGHT 157        // the program
#define IDI_SETTINGS_PAGE 158    // the settings page's picture
#define IDI_SAVE 159             // save to log, a hand to save
#define IDI_SAVE_GREY 168        // save to log, greyed
#define IDI_TOOLS 160            // settings button
#define IDI_RIGHT 171            // result: right answer
#define IDI_WRONG 172            // result: wrong answer or invalid hand
#define IDI_PLAIN 211            // result: no answer to judge

// --- Cursors -------------------------------------------------------------------------------
#define IDC_CURSOR_ADD 163       // arrow with a plus sign
#define IDC_CURSOR_REMOVE 166    // arrow with a minus sign
#define IDC_CURSOR_ARROW 213     // plain arrow
#define IDC_CURSOR_LINK 218      // pointing hand, hot spot 6,2

// --- Dialog templates ----------------------------------------------------------------------
#define IDD_RESULT 220           // the result window: empty, filled in code
#define IDD_SETTINGS_PAGE 221    // property page "Random hand"
#define IDD_SAVE_HAND 222        // "Save hand to log-file"
#define IDD_ABOUT 216            // "About Fanwright"
#define IDD_FAN_REFERENCE 223    // the fan reference: empty, filled in code

// --- System menu items ---------------------------------------------------------------------
#define IDM_WHY_THIS_SCORE 2000  // the result window's: opens the explanation
#define IDM_FAN_REFERENCE 2016   // the main window's: opens the fan reference

// --- Main window controls ------------------------------------------------------------------
#define IDC_WALL 1001
#define IDC_DISCARD 1002
#define IDC_LAST_TILE_IN_GAME 1003
#define IDC_LAST_TILE_OF_KIND 1004
#define IDC_REPLACEMENT_TILE 1005
#define IDC_ROBBING_THE_KONG 1006
#define IDC_CHECK 1009           // "&Check" / "&Calculate"
#define IDC_ADD_CHOW 1010
#define IDC_ADD_PUNG 1011
#define IDC_ADD_MELDED_KONG 1012
#define IDC_ADD_CONCEALED_KONG 1013
#define IDC_ADD_CONCEALED_TILE 1014
#define IDC_ADD_WINNING_TILE 1015
#define IDC_PREVALENT_PREVIOUS 1016
#define IDC_PREVALENT_NEXT 1017
#define IDC_SEAT_PREVIOUS 1020
#define IDC_SEAT_NEXT 1021
#define IDC_PREVALENT_LABEL 1025
#define IDC_SEAT_LABEL 1026
#define IDC_NEXT 1027            // "&New" / "&Next"
#define IDC_CLEAR 1028
#define IDC_SAVE 1029
#define IDC_SETTINGS 1031
#define IDC_MODE 1032
#define IDC_POINTS 1033
#define IDC_POINTS_SPIN 1034
#define IDC_STATUS 1035
#define IDC_DECLARED_LABEL 1036
#define IDC_CONCEALED_LABEL 1037
#define IDC_WINNING_LABEL 1038
#define IDC_ADD_BACKGROUND 1039
#define IDC_ADD_GROUP 1040
#define IDC_PREVALENT_BOX 1041
#define IDC_SEAT_BOX 1042
#define IDC_BANNER 1044

// --- Settings page "Random hand" -----------------------------------------------------------
#define IDC_SETTINGS_MELDED_SLIDER 1024
#define IDC_SETTINGS_CHOW 1026
#define IDC_SETTINGS_CHOW_SPIN 1027
#define IDC_SETTINGS_PUNG 1028
#define IDC_SETTINGS_PUNG_SPIN 1029
#define IDC_SETTINGS_KONG 1030
#define IDC_SETTINGS_KONG_SPIN 1031
#define IDC_SETTINGS_TITLE 1032
#define IDC_SETTINGS_MELDED_LABEL 1033
#define IDC_SETTINGS_SPECIAL_HANDS 1034
#define IDC_SETTINGS_SPECIAL_FANS 1035
#define IDC_SETTINGS_MINIMUM 1036

// --- "Save hand to log-file" (its buttons are the standard IDOK and IDCANCEL) ---------------
#define IDC_SAVE_COMMENT 1020

// --- "About Fanwright" (OK is the standard IDOK) -------------------------------------------
#define IDC_ABOUT_BANNER 1046
#define IDC_ABOUT_MAIL 1039
#define IDC_ABOUT_WEB 1040

// --- The fan reference (created in code) ---------------------------------------------------
#define IDC_REFERENCE_LIST 1001     // the 81 fans: No, Name, Points
#define IDC_REFERENCE_NAME 1002
#define IDC_REFERENCE_POINTS 1003
#define IDC_REFERENCE_RULE 1004
#define IDC_REFERENCE_EXAMPLE 1005  // "Example:"; the pictures are painted under it
#define IDC_REFERENCE_WON 1006
#define IDC_REFERENCE_SCORES 1007
#define IDC_REFERENCE_NEVER_LABEL 1008
#define IDC_REFERENCE_NEVER 1009    // the fans never counted beside it
