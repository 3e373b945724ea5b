#!/usr/bin/env bash
# Fuzzes the log-code reader (and the scoring and explaining of what it accepts) for a bounded time under the
# address and undefined-behaviour sanitizers, in the tree of the fuzz preset.
#
#   scripts/fuzz.sh [SECONDS]      default 30
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$FANWRIGHT_ROOT"

seconds=${1:-30}
build="$FANWRIGHT_ROOT/build/fuzz"

configure_and_build fuzz log_code_fuzz

# Start from real hand codes so that the fuzzer reaches the scorer at once.
corpus="$build/corpus"
mkdir -p "$corpus"
n=0
while IFS= read -r line; do
    [[ -n "$line" ]] || continue
    n=$((n + 1))
    printf '%s' "$line" >"$corpus/seed-$n"
done <tests/fuzz/seeds.txt

cd "$build"
./tests/fuzz/log_code_fuzz -max_total_time="$seconds" -max_len=256 -timeout=10 \
    -print_final_stats=1 "$corpus"
