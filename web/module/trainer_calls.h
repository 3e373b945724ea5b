// The page's trainer in the module: one main window's session (its hand, controls, counters and
// the dealer's settings), driven by the page's clicks and read back as JSON; and the hand, the
// explanation and the settings sheet as the page shows them. Every rule is the Windows
// program's own code: ui/trainer.h drives the controls, ui/settings_rules.h the sheet.
#pragma once

#include "tools/cli/io.h"

#include <string_view>
#include <vector>

namespace fanwright::web {

// The session's whole state as the page draws it.
void writeTrainerState(cli::Writer& out);

// A person's actions; each answers with the state. A name is a control's (controlNames in
// trainer_calls.cpp); one that is not answers with {"error"}.
void clickControl(cli::Writer& out, std::string_view name);
void typePoints(cli::Writer& out, std::string_view text);
void pressEnter(cli::Writer& out, std::string_view focusName);
void clickPalette(cli::Writer& out, int tile);
void clickHandItem(cli::Writer& out, int index);
// A code to show in edit mode; a code that is not a hand answers {"error"} with the command
// line's message and changes nothing.
void loadCode(cli::Writer& out, std::string_view code);

// The six settings (melding, chow, pung, special, flags, min), forgiven as the registry's are,
// become the dealer's; answers with them. An empty value leaves its setting as it is.
void setSettings(cli::Writer& out, const std::vector<std::string_view>& values);
// The sheet after a step: melding, chow, pung, kong as shown and the share just stepped
// ("chow", "pung", "kong" or none): the shares that add up to 100 again, and the slider's label.
void settingsSheet(cli::Writer& out, const std::vector<std::string_view>& values);

// The hand of a code as the main window draws it, or {"error"}.
void writeHandDrawing(cli::Writer& out, std::string_view code);
// What the explanation says in words, for each reading its "Not counted:" lines and its note,
// the tie line, and the whole text of `fanwright-cli explain`; or {"error"}.
void writeExplanationNotes(cli::Writer& out, std::string_view code);

}  // namespace fanwright::web
