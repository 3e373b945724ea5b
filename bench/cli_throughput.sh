#!/usr/bin/env bash
# fanwright-cli score and explain as a whole process: hands a second over a file of generated
# hands (seed 1), with --json and as text reports, the best of three runs of each, by the wall
# clock and by the processor time used (user + system), which a busy machine disturbs less.
#
#   bench/cli_throughput.sh [PATH-TO-FANWRIGHT-CLI] [HANDS]     defaults: the native tree, 200000
set -euo pipefail
cli=${1:-build/native/tools/fanwright-cli}
hands=${2:-200000}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cli" generate --count "$hands" --seed 1 >"$tmp/hands.txt"
# Milliseconds of wall clock and of processor time of one run, from bash's own timer.
timed_run() {  # COMMAND ARGS...
    local TIMEFORMAT='%R %U %S' times
    times=$({ time "$cli" "$@" <"$tmp/hands.txt" >/dev/null; } 2>&1)
    read -r wall user system <<<"$times"
    echo "$(ms "$wall") $(($(ms "$user") + $(ms "$system")))"
}
ms() { local s=${1%.*} f=${1#*.}; echo $((10#$s * 1000 + 10#${f:0:3})); }

rate() { echo $((hands * 1000 / ($1 > 0 ? $1 : 1))); }

for command in score explain; do
    for mode in --json text; do
        args=("$command")
        [[ $mode == text ]] || args+=("$mode")
        best_wall=0 best_cpu=0
        for _ in 1 2 3; do
            read -r wall cpu <<<"$(timed_run "${args[@]}")"
            ((best_wall == 0 || wall < best_wall)) && best_wall=$wall
            ((best_cpu == 0 || cpu < best_cpu)) && best_cpu=$cpu
        done
        printf '%-7s %-6s %d hands: wall %5d ms, %7d hands/s; processor %5d ms, %7d hands/s\n' \
            "$command" "$mode" "$hands" "$best_wall" "$(rate "$best_wall")" "$best_cpu" \
            "$(rate "$best_cpu")"
    done
done
