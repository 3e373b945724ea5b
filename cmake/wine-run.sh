#!/usr/bin/env bash
# Runs a Windows program under Wine: the emulator of the Windows tree (CMAKE_CROSSCOMPILING_EMULATOR)
# and the launcher used by scripts/.
#
#   wine-run.sh PROGRAM.exe [ARGS...]   run it, exit with its exit status
#   wine-run.sh --prepare               only create the Wine prefix and install its fonts
#
# The prefix is FANWRIGHT_WINEPREFIX, by default build/wine-prefix in the source tree, so that
# tests never touch the user's own Wine settings (the caller's WINEPREFIX is ignored on purpose).
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${FANWRIGHT_WINEPREFIX:-$source_dir/build/wine-prefix}"
export WINEARCH=win64
export WINEDEBUG="${FANWRIGHT_WINEDEBUG:--all}"
# No .NET (Mono) or HTML (Gecko) engine: without this, creating or updating a prefix stops at a
# dialog offering to download them, which nobody answers under Xvfb.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

fonts_dir="$WINEPREFIX/drive_c/windows/Fonts"

# The build's own prefixes (not a user's) leave their windows unmanaged: on Xvfb there is no
# window manager, and Wine would wait two seconds for one each time a window is hidden.
unmanaged_marker="$WINEPREFIX/.fanwright-unmanaged"
wants_unmanaged() { [[ "$WINEPREFIX" == "$source_dir/build/"* && ! -f "$unmanaged_marker" ]]; }

# Creates the prefix once (some seconds) and copies Wine's own fonts into it: Debian's Wine does
# not find Marlett and MS Sans Serif in /usr/share/wine/fonts, and without them captions,
# close boxes and dialog text are drawn wrongly. A lock keeps parallel tests from racing here.
prepare_prefix() {
    [[ -f "$WINEPREFIX/system.reg" && -f "$fonts_dir/marlett.ttf" ]] && ! wants_unmanaged && return 0
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
            echo "wine-run: creating the Wine prefix $WINEPREFIX" >&2
            wineboot --init >/dev/null 2>&1 </dev/null || true
            wineserver -w
        fi
        if [[ ! -f "$fonts_dir/marlett.ttf" ]]; then
            mkdir -p "$fonts_dir"
            cp /usr/share/wine/fonts/* "$fonts_dir/"
        fi
        if wants_unmanaged; then
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
                >/dev/null 2>&1 </dev/null && touch "$unmanaged_marker"
        fi
    ) 9>"$WINEPREFIX/.fanwright.lock"
    [[ -f "$WINEPREFIX/system.reg" ]] || { echo "wine-run: could not create $WINEPREFIX" >&2; exit 1; }
}

# Starts the prefix's wineserver, kept for some seconds after its last program, with Wine's own
# background programs (services, explorer) attached to /dev/null: started by a test instead, they
# would hold ctest's output pipe open, and ctest waits for them. A running server (started by
# scripts/test.sh, or by the previous test) answers with status 2, and there is nothing to do.
warm_up() {
    local status=0
    wineserver -p"${FANWRIGHT_WINESERVER_LINGER:-10}" </dev/null >/dev/null 2>&1 || status=$?
    if [[ $status -eq 0 ]]; then
        wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    fi
}

if [[ $# -eq 0 ]]; then
    echo "usage: $0 PROGRAM.exe [ARGS...] | --prepare" >&2
    exit 2
fi
prepare_prefix
[[ "$1" == --prepare ]] && exit 0
warm_up
exec wine "$@"
