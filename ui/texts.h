// Every text of the user interface, in one place, one section per window.
#pragma once

#include "ui/version.h"

namespace fanwright::ui::text {

inline constexpr const wchar_t* WindowTitle = L"Fanwright version " FANWRIGHT_VERSION_WIDE;

// --- Main window: captions, tooltips, status texts -----------------------------------------



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
