// Ids of Fanwright's resources and controls. Plain #defines: the resource compiler reads this too.
//   1-99     resources (icons, manifest)
//   1000+    controls of the placeholder window
#pragma once

#define IDI_FANWRIGHT 1

#define IDC_PLACEHOLDER_ICON 1001
#define IDC_PLACEHOLDER_HEADING 1002
#define IDC_PLACEHOLDER_TEXT 1003
// The window's button is the standard IDOK, so that Enter presses it.
