#!/usr/bin/env bash
# Renders every picture under docs/ from the program's own windows: the Windows tree's
# screenshot_scenes.exe drives the real main window inside a Wine desktop on a private Xvfb (both
# modes, the result window, the save dialog, the settings sheet, the About dialog, the explanation
# window and the fan reference) and saves each state; ImageMagick turns them into PNG.
#
#   scripts/screenshots.sh [OUTPUT_DIR]     default: docs/
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

out_dir="$(realpath -m "${1:-$FANWRIGHT_ROOT/docs}")"
desktop="fw,1024x768"
scenes=(test-mode result-right-answer result-wrong-answer settings-sheet save-hand-dialog
        edit-mode edit-complete result-kong about-dialog explanation fan-reference)

main() {
    cd "$FANWRIGHT_ROOT"
    bash scripts/setup.sh
    say "Building the Windows tree"
    configure_and_build windows screenshot_scenes
    start_xvfb "${desktop#*,}"
    use_wine_prefix "$FANWRIGHT_ROOT/build/wine-prefix"
    keep_wine_running

    local work
    work="$(mktemp -d)"
    at_exit "rm -rf '$work'"
    say "Rendering the scenes"
    (cd "$work" && timeout 120 "$WINE_RUN" explorer /desktop="$desktop" \
        "$FANWRIGHT_ROOT/build/windows/tools/screenshots/screenshot_scenes.exe") </dev/null >/dev/null 2>&1 || true

    mkdir -p "$out_dir"
    local scene
    for scene in "${scenes[@]}"; do
        [[ -s "$work/$scene.bmp" ]] || die "no picture of $scene"
        image_convert "$work/$scene.bmp" -strip "$out_dir/$scene.png"
        echo "$out_dir/$scene.png"
    done
}

main
