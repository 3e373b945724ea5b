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

// --- Main window: class name, control captions at creation and tooltips --------------------
inline constexpr const wchar_t* MainWindowClass = L"DazUrevEzi";

inline constexpr const wchar_t* DeclaredSetsLabel = L"Declared Sets";
inline constexpr const wchar_t* TilesInHandLabel = L"Tiles in Hand";
inline constexpr const wchar_t* WinningTileLabel = L"Winning Tile";
inline constexpr const wchar_t* LastTileInGameBox = L"Last Tile in &Game";
inline constexpr const wchar_t* LastTileOfKindBox = L"Last Tile of its &Kind";
inline constexpr const wchar_t* ReplacementTileBox = L"Re&placement Tile";
inline constexpr const wchar_t* RobbingTheKongBox = L"Ro&bbing the Kong";
inline constexpr const wchar_t* PrevalentWindLabel = L"&Prevalent Wind";
inline constexpr const wchar_t* SeatWindLabel = L"Sea&t Wind";
inline constexpr const wchar_t* PreviousArrow = L"3";  // Marlett's left triangle
inline constexpr const wchar_t* NextArrow = L"4";      // Marlett's right triangle
inline constexpr const wchar_t* WallRadio = L"&Wall";
inline constexpr const wchar_t* DiscardRadio = L"&Disc.";
inline constexpr const wchar_t* SpinCaption = L"Spin1";
inline constexpr const wchar_t* AddToHandGroup = L" Add to hand: ";
inline constexpr const wchar_t* ChowRadio = L"C&how";
inline constexpr const wchar_t* PungRadio = L"&Pung";
inline constexpr const wchar_t* MeldedKongRadio = L"Melded &Kong";
inline constexpr const wchar_t* ConcealedKongRadio = L"&Concealed Kong";
inline constexpr const wchar_t* ConcealedTileRadio = L"Concealed &Tile";
inline constexpr const wchar_t* WinningTileRadio = L"&Winning Tile";
inline constexpr const wchar_t* ClearButton = L"Clea&r";

inline constexpr const wchar_t* NewTip = L"Generate new random hand";
inline constexpr const wchar_t* PointsTip = L"Enter points here";
inline constexpr const wchar_t* ModeTip = L"Switch between test & edit mode";  // & shown as is
inline constexpr const wchar_t* CheckTip = L"Calculate number of points in the hand";
inline constexpr const wchar_t* SaveTip = L"Save hand to log-file";
inline constexpr const wchar_t* SettingsTip = L"Open settings dialog";
inline constexpr const wchar_t* ClearTip = L"Clear entire hand";
inline constexpr const wchar_t* AboutTip = L"About Fanwright\u2026";
inline constexpr const wchar_t* ChowTip = L"Add a Chow (click middle rank tile)";

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

// Added to the result window: its system menu item (F1 shown as the shortcut) and the ends of
// its row tips.
inline constexpr const wchar_t* WhyThisScoreItem = L"Why this score?\tF1";
inline constexpr const wchar_t* TipNotCountedBeside = L"Not counted beside it: ";
inline constexpr const wchar_t* TipNotCounted = L"Not counted:";
inline constexpr const wchar_t* TipAllCounted = L"Every fan whose rule holds is counted.";
inline constexpr const wchar_t* TipNoReading = L"This hand cannot be read into sets.";
inline constexpr const wchar_t* TipWhyThisScore = L"F1 or double-click: why this score";

// --- Explanation window --------------------------------------------------------------------
inline constexpr const wchar_t* ExplanationClass = L"FanwrightExplanation";
inline constexpr const wchar_t* ExplanationTitle = L"Why this score";
inline constexpr const wchar_t* ExplanationHint =
    L"Click a fan's name to read its rule; Ctrl+C copies this explanation as text.";
inline constexpr const wchar_t* ExplanationHand = L"Hand:";
inline constexpr const wchar_t* ExplanationReading = L"Reading %d of %d";
inline constexpr const wchar_t* ExplanationKept = L" (kept)";
inline constexpr const wchar_t* ExplanationNotCounted = L"Not counted:";
inline constexpr const wchar_t* ExplanationNoReading =
    L"No reading: the tiles make neither four sets and a pair nor a special hand.";

// How a hand was won, and its winds; the hand's declared sets by kind.
inline constexpr const wchar_t* WonOn = L"Won on ";
inline constexpr const wchar_t* WonFromWall = L", drawn from the wall";
inline constexpr const wchar_t* WonOnDiscard = L", a discard";
inline constexpr const wchar_t* WonSituations[] = {L"last tile in game", L"last tile of its kind",
                                                   L"replacement tile", L"robbing the kong"};
inline constexpr const wchar_t* WindNames[] = {L"East", L"South", L"West", L"North"};
inline constexpr const wchar_t* PrevalentWind = L"Prevalent wind ";
inline constexpr const wchar_t* SeatWind = L", seat wind ";
inline constexpr const wchar_t* HandChow = L"Chow";
inline constexpr const wchar_t* HandPung = L"Pung";
inline constexpr const wchar_t* HandMeldedKong = L"Melded Kong";
inline constexpr const wchar_t* HandConcealedKong = L"Concealed Kong";

// --- Fan reference -------------------------------------------------------------------------
inline constexpr const wchar_t* FanReferenceItem = L"Fan reference\u2026\tF1";  // main window
inline constexpr const wchar_t* ReferenceNumberColumn = L"No";
inline constexpr const wchar_t* ReferenceNameColumn = L"Name";
inline constexpr const wchar_t* ReferencePointsColumn = L"Points";
inline constexpr const wchar_t* ReferenceFanPoints = L"Fan %d of 81, %d point%ls";
inline constexpr const wchar_t* ReferenceExample = L"Example:";
inline constexpr const wchar_t* ReferenceScores = L"This example scores %d: ";
inline constexpr const wchar_t* ReferenceNoExample =
    L"No example: the hands here hold no flowers, so no hand scores this fan.";
inline constexpr const wchar_t* ReferenceNeverBeside = L"Never counted beside:";
inline constexpr const wchar_t* ReferenceNeverBesideNone = L"Never counted beside: no fan.";

// --- Settings sheet ------------------------------------------------------------------------
// The page's labels are in its template (resources/dialogs.rc); these are filled in by code.

// The two frequency lists, indices 0..3 as stored in freqSpecial and freqFlags.
inline constexpr const wchar_t* FrequencyLevels[] = {L"Never", L"Rare", L"Sometimes", L"Often"};

inline constexpr const wchar_t* TitleFontFace = L"MS Sans Serif";
inline constexpr const wchar_t* MeldedSliderTip = L"Frequency of melded/concealed tiles/sets";
inline constexpr const wchar_t* ChowShareTip = L"Frequency of chows in percents";
inline constexpr const wchar_t* PungShareTip = L"Frequency of pungs in percents";
inline constexpr const wchar_t* KongShareTip = L"Frequency of kongs in percents";
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

}  // namespace fanwright::ui::text
