#!/usr/bin/env bash
# Fuzzes the log-code reader (and the scoring of what it accepts) for a bounded time under the
# address and undefined-behaviour sanitizers. Usage: scripts/fuzz.sh [SECONDS]  (default 30)
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFANWRIGHT_FUZZ=ON -DFANWRIGHT_TESTS=OFF \
  -DFANWRIGHT_BENCH=OFF > /dev/null
cmake --build "$build" --target log_code_fuzz

# Start from real hand codes so that the fuzzer reaches the scorer at once.
corpus="$build/corpus"
mkdir -p "$corpus"
seeds="$root/tests/fuzz/seeds.txt"
n=0
while IFS= read -r line; do
  [ -n "$line" ] || continue
  n=$((n + 1))
  printf '%s' "$line" > "$corpus/seed-$n"
done < "$seeds"

cd "$build"
./tests/fuzz/log_code_fuzz -max_total_time="$seconds" -max_len=256 -timeout=10 \
  -print_final_stats=1 "$corpus"
