#!/bin/sh
# The whole `brumelle-cli weather` process, from its start to its exit, for
# the example year (8760 hours, its cells printed). The target is under 100 ms.
# Usage: sh bench/weather.sh [path/to/brumelle-cli] [runs]
set -eu
cd "$(dirname "$0")/.."
exe=${1:-build/release/src/cli/brumelle-cli}
runs=${2:-10}
epw=data/weather/chicago.epw
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
i=0
while [ $i -lt "$runs" ]; do
  i=$((i + 1))
  start=$(date +%s%N)
  "$exe" weather "$epw" --locale fr_FR >"$out/weather.txt" 2>/dev/null
  end=$(date +%s%N)
  echo "run $i: $(( (end - start) / 1000000 )) ms, $(wc -l <"$out/weather.txt") lines"
done
