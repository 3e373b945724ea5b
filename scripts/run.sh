#!/usr/bin/env bash
# Builds the Windows tree and starts fanwright.exe under Wine, in a Wine virtual desktop (which
# draws the window frames itself, so no window manager is needed). Installs whatever is missing
# first. Uses your own Wine prefix (WINEPREFIX, or ~/.wine) so that settings persist.
#
# With no display ($DISPLAY unset), or with --headless, it runs the program on a private Xvfb,
# saves a screenshot once the window is up, closes the program and exits.
#
# With --web it builds the trainer page instead, serves build/web/ on a local port with Python's
# http.server and prints the address; with no display (or --headless) it takes a screenshot of
# the page in headless Chromium, prints where, and stops the server.
#
#   scripts/run.sh [--web] [--headless] [--screenshot FILE.png]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build_dir="$FANWRIGHT_ROOT/build/windows"
desktop="fanwright,1024x768"
headless=false
[[ -z "${DISPLAY:-}" ]] && headless=true
web=false
screenshot=""

while (($# > 0)); do
    case "$1" in
        --web) web=true ;;
        --headless) headless=true ;;
        --screenshot) screenshot="$(realpath -m "${2:?--screenshot needs a file name}")"; shift ;;
        *) die "unknown argument: $1 (use --web, --headless, --screenshot FILE.png)" ;;
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

# A free port on 127.0.0.1, as the system hands one out.
free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

wait_for_server() {  # URL PID
    local tries
    for ((tries = 0; tries < 50; tries++)); do
        python3 -c "import urllib.request, sys; urllib.request.urlopen(sys.argv[1], timeout=1)" "$1" \
            2>/dev/null && return 0
        kill -0 "$2" 2>/dev/null || die "the web server ended before it answered"
        sleep 0.1
    done
    die "no answer from $1"
}

# build/web/ served as it is; Python's http.server says application/wasm for the module.
run_web() {
    say "Building the page (the web tree)"
    configure_and_build web
    local port url
    port=$(free_port)
    url="http://127.0.0.1:$port/"
    python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web >/dev/null 2>&1 &
    local server=$!
    at_exit "kill $server 2>/dev/null; wait $server 2>/dev/null"
    wait_for_server "$url" "$server"
    if ! $headless; then
        echo "Fanwright's page: $url (Ctrl+C stops the server)"
        wait "$server"
        return
    fi
    echo "Fanwright's page is served at $url; taking a screenshot in headless Chromium"
    local shot=${screenshot:-$FANWRIGHT_ROOT/build/web-screenshot.png} profile
    profile=$(mktemp -d)
    at_exit "rm -rf '$profile'"
    chromium --headless=new --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" --hide-scrollbars --window-size=1280,800 \
        --virtual-time-budget=5000 --screenshot="$shot" "$url" >/dev/null 2>&1 ||
        die "Chromium could not take the screenshot"
    echo "Screenshot of the page: $shot"
}

main() {
    cd "$FANWRIGHT_ROOT"
    bash scripts/setup.sh
    if $web; then
        run_web
        return
    fi
    screenshot=${screenshot:-$build_dir/fanwright-screenshot.png}
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
