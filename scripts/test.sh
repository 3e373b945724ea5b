#!/usr/bin/env bash
# Builds every tree and runs every test: the native Release tree, the native tree with the
# address and undefined-behaviour sanitizers, the Windows tree (MinGW-w64) with its tests
# under Wine on a private Xvfb display, the WebAssembly module with its checks in node and the
# trainer page in headless Chromium;
# then a short fuzzing run (scripts/fuzz.sh).
# Installs whatever is missing first. Stops at the first failure, with a non-zero status.
#
#   scripts/test.sh [STAGE...]     default: all stages, in order
#
# A stage is a function stage_NAME below; to add one, write the function and list it in STAGES.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$FANWRIGHT_ROOT"

STAGES=(setup native native-sanitize windows web fuzz)

tests_passed=0
tests_failed=0
summary=()

# ctest for PRESET; its counts go into the totals of the summary.
run_ctest() {  # PRESET
    local log="build/$1/ctest-output.log" status=0
    ctest --preset "$1" --parallel "$FANWRIGHT_JOBS" 2>&1 | tee "$log" || status=$?
    local total failed
    total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n1)
    failed=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n1)
    tests_passed=$((tests_passed + ${total:-0} - ${failed:-0}))
    tests_failed=$((tests_failed + ${failed:-0}))
    return "$status"
}

stage_setup() {
    bash scripts/setup.sh
}

stage_native() {
    configure_and_build native
    run_ctest native
}

stage_native-sanitize() {
    configure_and_build native-sanitize
    run_ctest native-sanitize
}

stage_windows() {
    configure_and_build windows
    start_xvfb
    use_wine_prefix "$FANWRIGHT_ROOT/build/wine-prefix"
    keep_wine_running
    run_ctest windows
    check_release_zip
    run_cleanup_jobs  # stop Wine and Xvfb now, not at the end of all stages
}

# The release zip holds both programs, the README and the licence, and its fanwright.exe starts
# from a fresh folder: it creates its log file there at start-up.
check_release_zip() {
    configure_and_build windows package >/dev/null
    local zip
    zip=$(release_zip build/windows)
    [[ -f "$zip" ]] || die "no $zip after building the package"
    local listing
    listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
    [[ "$listing" == "LICENSE README.md fanwright-cli.exe fanwright.exe " ]] ||
        die "$zip holds: $listing"
    local folder
    folder=$(mktemp -d)
    at_exit "rm -rf '$folder'"
    unzip -q "$zip" -d "$folder"
    (cd "$folder" && "$WINE_RUN" fanwright.exe </dev/null >/dev/null 2>&1) &
    local program=$! tries
    for ((tries = 0; tries < 100; tries++)); do
        [[ -f "$folder/Fanwright.log" ]] && break
        sleep 0.2
    done
    kill "$program" 2>/dev/null || true
    WINEPREFIX="$FANWRIGHT_WINEPREFIX" wineserver -k 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    [[ -f "$folder/Fanwright.log" ]] || die "the zip's fanwright.exe did not start"
    echo "release: $(basename "$zip") holds $listing; its fanwright.exe starts"
}

# The zip the package target writes in BUILD_DIR, by the name CPack was configured with: that of
# the version in project(), not an older zip left in the folder.
release_zip() {  # BUILD_DIR
    local name
    name=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$1/CPackConfig.cmake")
    [[ -n "$name" ]] || die "no package name in $1/CPackConfig.cmake"
    echo "$1/$name.zip"
}

# The WebAssembly module and its JavaScript, run in node against the native command line; the
# page's own logic in node; then the page itself in Debian's Chromium, driven by playwright-core
# (installed by npm ci from web/package-lock.json), its screenshots in build/web-screenshots.
stage_web() {
    configure_and_build native fanwright-cli
    configure_and_build web
    local cli=build/native/tools/fanwright-cli
    node web/tests/identity.mjs build/web "$cli" bench/hands.txt
    node web/tests/trainer.mjs build/web "$cli"
    (cd web && npm ci --no-audit --no-fund --loglevel=error)
    node --test web/tests/page.test.mjs
    node web/tests/browser.mjs build/web "$cli" build/web-screenshots
}

stage_fuzz() {
    bash scripts/fuzz.sh
}

print_summary() {
    local line
    printf '\n==> Summary\n'
    for line in "${summary[@]}"; do printf '  %s\n' "$line"; done
    printf 'ctest: %d passed, %d failed\n' "$tests_passed" "$tests_failed"
}

# Runs one stage with errexit in force (so no `||` around it); a failure ends the script, and
# report_failure, run at exit, adds the stage to the summary.
current_stage=""
stage_start=0

run_stage() {  # NAME
    declare -F "stage_$1" >/dev/null || die "no stage '$1' (stages: ${STAGES[*]})"
    current_stage=$1
    stage_start=$SECONDS
    say "Stage $1"
    "stage_$1"
    summary+=("$(stage_line "$1" ok)")
    current_stage=""
}

stage_line() {  # NAME RESULT
    local took=$((SECONDS - stage_start))
    printf '%-16s %-7s %dm%02ds' "$1" "$2" $((took / 60)) $((took % 60))
}

report_failure() {
    [[ -n "$current_stage" ]] || return 0
    summary+=("$(stage_line "$current_stage" FAILED)")
    print_summary
}
trap 'status=$?; run_cleanup_jobs; report_failure; exit $status' EXIT

main() {
    local stages=("$@")
    ((${#stages[@]} > 0)) || stages=("${STAGES[@]}")
    [[ "${stages[0]}" == setup ]] || stages=(setup "${stages[@]}")
    local stage
    for stage in "${stages[@]}"; do run_stage "$stage"; done
    stage_start=0
    summary+=("$(stage_line total "")")
    print_summary
}

main "$@"
