#!/usr/bin/env bash
# Rebuilds bench/hands.txt, the fixed pool of hands the scoring benchmarks run over, from
# seeded runs of the generator: concealed and melded hands, kongs, flags, special hands.
# Usage: bench/make-pool.sh path/to/fanwright-cli
set -euo pipefail
cli=${1:?usage: bench/make-pool.sh path/to/fanwright-cli}
out="$(dirname "$0")/hands.txt"
{
  "$cli" generate --seed 101 --count 4000
  "$cli" generate --seed 102 --count 1500 --melding 0
  "$cli" generate --seed 103 --count 1500 --melding 10
  "$cli" generate --seed 104 --count 500 --chow 0 --pung 0
  "$cli" generate --seed 105 --count 1000 --chow 20 --pung 40
  "$cli" generate --seed 106 --count 1500 --melding 0 --special 3
  "$cli" generate --seed 107 --count 500 --flags 3
  "$cli" generate --seed 108 --count 500 --min 8
  # The generator never deals a knitted straight; these were written by a small script.
  cat "$(dirname "$0")/knitted-straights.txt"
} > "$out"
wc -l "$out"
