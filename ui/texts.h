// Every text of the user interface, in one place, one section per window.
#pragma once

#include "ui/version.h"

namespace fanwright::ui::text {

inline constexpr const wchar_t* WindowTitle = L"Fanwright version " FANWRIGHT_VERSION_WIDE;

// --- Main window: captions, tooltips, status texts -----------------------------------------

// --- Result window -------------------------------------------------------------------------
inline constexpr const wchar_t* ResultTitlePlain = L"Result";
inline constexpr const wchar_t* ResultTitleRight = L"OK";
inline constexpr const wchar_t* ResultTitleWrong = L"ERROR!";
inline constexpr const wchar_t* ResultPoints = L"This hand has %d point(s).";
inline constexpr const wchar_t* ResultInvalid = L"Invalid hand!";
inline constexpr const wchar_t* ResultWrongPoints = L"This hand has %d (not %d) point(s).";
inline constexpr const wchar_t* ResultRight = L"Right answer!";
inline constexpr const wchar_t* ResultWaits = L"Waitings:";
inline constexpr const wchar_t* ResultStructure = L"Structure:";
inline constexpr const wchar_t* ResultFans = L"Fans:";
inline constexpr const wchar_t* ResultNumberHeading = L"No";
inline constexpr const wchar_t* ResultNameHeading = L"Name";
inline constexpr const wchar_t* ResultQuantityHeading = L"Quantity";
inline constexpr const wchar_t* ResultPointsHeading = L"Points";
inline constexpr const wchar_t* ResultTotal = L"Total";
inline constexpr const wchar_t* ResultChow = L"Chow";
inline constexpr const wchar_t* ResultPung = L"Pung";
inline constexpr const wchar_t* ResultKong = L"Kong";
inline constexpr const wchar_t* ResultKnitted = L"Knitted";
inline constexpr const wchar_t* ResultPair = L"Pair";
inline constexpr const wchar_t* ResultThirteenOrphans = L"Thirteen Orphans";
inline constexpr const wchar_t* ResultLesserHonors = L"Lesser Honors and Knitted Tiles";
inline constexpr const wchar_t* ResultGreaterHonors = L"Greater Honors and Knitted Tiles";
inline constexpr const wchar_t* ResultOk = L"OK";

// --- Settings sheet ------------------------------------------------------------------------

// --- Save hand dialog ----------------------------------------------------------------------

// --- About dialog --------------------------------------------------------------------------

// --- Placeholder window, until the trainer window replaces it -------------------------------
inline constexpr const wchar_t* PlaceholderHeading =
    L"This is Fanwright, the mahjong scoring trainer.";
inline constexpr const wchar_t* PlaceholderBody =
    L"Fanwright helps you practise scoring mahjong hands under the Chinese competition rules.\n\n"
    L"The trainer window, with its test and edit modes, comes in a later version.";
inline constexpr const wchar_t* OkButton = L"OK";

}  // namespace fanwright::ui::text
