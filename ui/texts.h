// Every text of the user interface, in one place, one section per window.
#pragma once

#include "ui/version.h"

namespace fanwright::ui::text {

inline constexpr const wchar_t* WindowTitle = L"Fanwright version " FANWRIGHT_VERSION_WIDE;

// --- Main window: captions, tooltips, status texts -----------------------------------------

// --- Result window -------------------------------------------------------------------------

// --- Settings sheet ------------------------------------------------------------------------
// The page's labels are in its template (resources/dialogs.rc); these are filled in by code.

// The two frequency lists, indices 0..3 as stored in freqSpecial and freqFlags.
inline constexpr const wchar_t* FrequencyLevels[] = {L"Never", L"Rare", L"Sometimes", L"Often"};

inline constexpr const wchar_t* TitleFontFace = L"MS Sans Serif";
inline constexpr const wchar_t* MeldedSliderTip = L"Frequency of melded/concealed tiles/sets";
inline constexpr const wchar_t* ChowTip = L"Frequency of chows in percents";
inline constexpr const wchar_t* PungTip = L"Frequency of pungs in percents";
inline constexpr const wchar_t* KongTip = L"Frequency of kongs in percents";
inline constexpr const wchar_t* SpecialHandsTip =
    L"Define frequency of special, not-regular hands (Seven Pairs, Thirteen Orphans, "
    L"Greater/Lesser Honors and Knitted Tiles)";
inline constexpr const wchar_t* SpecialFansTip =
    L"Define frequency of special fans (Last Tile in Game, Last Tile of its Kind, "
    L"Replacement Tile, Robbing the Kong)";
inline constexpr const wchar_t* MinimumTip = L"Generate hand with minimum of 8 points mahjong";

// --- Save hand dialog ----------------------------------------------------------------------
// Every text is in its template (resources/dialogs.rc).

// --- About dialog --------------------------------------------------------------------------
// The name, version and both addresses are in its template; the mail link's caption is the
// bare address, opened as a mail URL.
inline constexpr const wchar_t* MailUrlScheme = L"mailto:";
inline constexpr const wchar_t* ShellOpenVerb = L"open";

// --- Placeholder window, until the trainer window replaces it -------------------------------
inline constexpr const wchar_t* PlaceholderHeading =
    L"This is Fanwright, the mahjong scoring trainer.";
inline constexpr const wchar_t* PlaceholderBody =
    L"Fanwright helps you practise scoring mahjong hands under the Chinese competition rules.\n\n"
    L"The trainer window, with its test and edit modes, comes in a later version.";
inline constexpr const wchar_t* OkButton = L"OK";

}  // namespace fanwright::ui::text
