// Every text of the user interface, in one place, one section per window.
#pragma once

#include "ui/version.h"

namespace fanwright::ui::text {

inline constexpr const wchar_t* WindowTitle = L"Fanwright version " FANWRIGHT_VERSION_WIDE;

// --- Main window: captions, tooltips, status texts -----------------------------------------

// Changing captions and status texts, set by the trainer.
inline constexpr const wchar_t* NewButton = L"&New";
inline constexpr const wchar_t* NextButton = L"&Next";
inline constexpr const wchar_t* CheckButton = L"&Check";
inline constexpr const wchar_t* CalculateButton = L"&Calculate";
inline constexpr const wchar_t* EditModeButton = L"Edit &Mode >>";
inline constexpr const wchar_t* TestModeButton = L"Test &Mode <<";
inline constexpr const wchar_t* StatusWelcome = L"Welcome to Fanwright!";
inline constexpr const wchar_t* StatusEnterPoints =
    L"Enter the number of points, then press the \"Check\" button.";
inline constexpr const wchar_t* StatusPressNext =
    L"Press the \"Next\" button to generate next random hand.";
inline constexpr const wchar_t* StatusConstructHand = L"You can construct any arbitrary hand here.";
inline constexpr const wchar_t* StatusDefineSituation =
    L"Define winning tile type and winds (if neccessary)";
inline constexpr const wchar_t* ScoreFormat = L"Score %d:%d";  // right answers, wrong answers


// --- Result window -------------------------------------------------------------------------



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
