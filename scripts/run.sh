#!/usr/bin/env bash
# Builds the Windows tree and starts fanwright.exe under Wine, in a Wine virtual desktop (which
# draws the window frames itself, so no window manager is needed). Installs whatever is missing
# first. Uses your own Wine prefix (WINEPREFIX, or ~/.wine) so that settings persist.
#
# With no display ($DISPLAY unset), or with --headless, it runs the program on a private Xvfb,
# saves a screenshot once the window is up, closes the program and exits.
#
#   scripts/run.sh [--headless] [--screenshot FILE.png]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build_dir="$FANWRIGHT_ROOT/build/windows"
desktop="fanwright,1024x768"
headless=false
[[ -z "${DISPLAY:-}" ]] && headless=true
screenshot="$build_dir/fanwright-screenshot.png"

while (($# > 0)); do
    case "$1" in
        --headless) headless=true ;;
        --screenshot) screenshot="$(realpath -m "${2:?--screenshot needs a file name}")"; shift ;;
        *) die "unknown argument: $1 (use --headless, --screenshot FILE.png)" ;;
    esac
    shift
done

# The program's top-level window is an X window of the virtual desktop, named by its title.
window_is_up() {
    xwininfo -root -tree 2>/dev/null | grep -qE '"Fanwright[^"]*": \("fanwright.exe"'
}

wait_for_window() {
    local tries
    for ((tries = 0; tries < 120; tries++)); do
        window_is_up && return 0
        kill -0 "$1" 2>/dev/null || die "fanwright.exe ended before its window came up"
        sleep 0.5
    done
    die "no Fanwright window after 60 seconds"
}

# Asks the program to close as a person would (taskkill without /F sends WM_CLOSE); taskkill must
# run on the same Wine desktop to see the window. Waits for the desktop to go.
close_program() {  # PID of the desktop
    (cd "$build_dir" && "$WINE_RUN" explorer /desktop="$desktop" taskkill /IM fanwright.exe) >/dev/null 2>&1 || true
    local tries
    for ((tries = 0; tries < 40; tries++)); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.5
    done
    echo "the program did not close; stopping it" >&2
    kill "$1" 2>/dev/null || true
}

run_headless() {
    start_xvfb "${desktop#*,}"  # the screen as large as the Wine desktop
    "$WINE_RUN" explorer /desktop="$desktop" fanwright.exe >/dev/null 2>&1 &
    local desktop_pid=$!
    wait_for_window "$desktop_pid"
    sleep 2  # let it paint
    mkdir -p "$(dirname "$screenshot")"
    screen_grab -window root "$screenshot"
    echo "Screenshot of the running program: $screenshot"
    close_program "$desktop_pid"
    wait "$desktop_pid" 2>/dev/null || true
}

main() {
    cd "$FANWRIGHT_ROOT"
    bash scripts/setup.sh
    say "Building the Windows tree"
    configure_and_build windows fanwright
    use_wine_prefix "${WINEPREFIX:-$HOME/.wine}"
    # Started from the build directory, where the program may write its log file.
    cd "$build_dir"
    if $headless; then
        say "Starting fanwright.exe on a private display (no \$DISPLAY)"
        run_headless
    else
        say "Starting fanwright.exe"
        "$WINE_RUN" explorer /desktop="$desktop" fanwright.exe
    fi
}

main
