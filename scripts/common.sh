# Helpers shared by the scripts in this folder (sourced, not run).

FANWRIGHT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FANWRIGHT_JOBS="${FANWRIGHT_JOBS:-$(nproc)}"
WINE_RUN="$FANWRIGHT_ROOT/cmake/wine-run.sh"

say() { printf '\n==> %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Runs a command as root: directly when we are root, through sudo otherwise.
as_root() {
    if [[ $EUID -eq 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        die "need root to run: $* (install sudo or run as root)"
    fi
}

# Cleanup jobs run at exit, last registered first.
cleanup_jobs=()
at_exit() { cleanup_jobs=("$*" "${cleanup_jobs[@]}"); }
run_cleanup_jobs() {
    local job
    for job in "${cleanup_jobs[@]}"; do eval "$job" || true; done
    cleanup_jobs=()
}
trap run_cleanup_jobs EXIT
trap 'exit 130' INT TERM

# --- Building --------------------------------------------------------------------------------

configure_and_build() {  # PRESET [TARGET...]
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    local targets=()
    (($# > 0)) && targets=(--target "$@")
    cmake --build --preset "$preset" --parallel "$FANWRIGHT_JOBS" "${targets[@]}"
}

# --- ImageMagick -----------------------------------------------------------------------------

# ImageMagick by the names it is installed under: version 7's `magick` when there is one, else
# version 6's `convert` and `import`.
has_imagemagick() { command -v magick >/dev/null || command -v convert >/dev/null; }

image_convert() {
    if command -v magick >/dev/null; then magick "$@"; else convert "$@"; fi
}

# A picture of the X display or one of its windows.
screen_grab() {
    if command -v magick >/dev/null; then magick import "$@"; else import "$@"; fi
}

# --- A private X server ----------------------------------------------------------------------

# Starts Xvfb with a screen of SIZE (default 1280x1024) on a free display (it picks one and tells
# us through -displayfd) and exports DISPLAY. The server goes away when the script exits.
start_xvfb() {  # [SIZE]
    local fd_file
    fd_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    local pid=$!
    at_exit "kill $pid 2>/dev/null; wait $pid 2>/dev/null"
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        [[ -s "$fd_file" ]] && break
        kill -0 "$pid" 2>/dev/null || die "Xvfb did not start"
        sleep 0.1
    done
    [[ -s "$fd_file" ]] || die "Xvfb did not report a display"
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
    echo "Xvfb running on display $DISPLAY"
}

# --- Wine ------------------------------------------------------------------------------------

# Uses PREFIX for everything Wine started from here on, creating it and its fonts if needed.
use_wine_prefix() {  # PREFIX
    export FANWRIGHT_WINEPREFIX="$1" WINEPREFIX="$1"
    "$WINE_RUN" --prepare
}

# Keeps the prefix's wineserver and Wine's background programs running until the script ends,
# so that each program starts in a fraction of a second.
keep_wine_running() {
    wineserver -p </dev/null >/dev/null 2>&1 || true
    "$WINE_RUN" cmd /c exit </dev/null >/dev/null 2>&1 || true
    at_exit "WINEPREFIX='$WINEPREFIX' wineserver -k 2>/dev/null"
}
