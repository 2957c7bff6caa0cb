#!/bin/sh
# Times opening a weather file (BM_ReadEpwAndCountCells: the bytes read from
# disk, the hours read, their cells counted) and pandas merely reading the
# same file (pandas.read_csv(path, skiprows=8, header=None), timed around that
# call alone), one after the other in the same run, the best of several runs
# each, and prints both times and their ratio. Target: 0.25 or less.
# Needs python3-pandas from Debian, installed here with apt-get when missing.
# Usage: sh bench/compare_pandas.sh [BUILD_DIR]   (default build/bench, Release, core only)
#        BRUMELLE_EPW=FILE.epw sh bench/compare_pandas.sh   (default data/weather/chicago.epw)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/bench}
epw=$(realpath "${BRUMELLE_EPW:-data/weather/chicago.epw}")
runs=7
# Debian's interpreter, the one python3-pandas is for, even when another python3 comes first on PATH.
py=/usr/bin/python3
[ -x "$py" ] || py=python3

if ! "$py" -c 'import pandas' 2>/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3-pandas >/dev/null
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRUMELLE_WITH_QT=OFF >/dev/null
cmake --build "$build" -j2 --target brumelle_bench >/dev/null

# Real time of each repetition, in milliseconds (CSV: name,iterations,real_time,...); the best one.
brumelle=$(BRUMELLE_EPW="$epw" "$build/bench/brumelle_bench" --benchmark_filter='^BM_ReadEpwAndCountCells$' \
  --benchmark_repetitions="$runs" --benchmark_format=csv 2>/dev/null |
  awk -F, '$1 == "\"BM_ReadEpwAndCountCells\"" && (best == "" || $3 < best) { best = $3 } END { printf "%.3f", best }')
pandas=$("$py" - "$epw" "$runs" <<'PY'
import sys, time
import pandas
path, runs = sys.argv[1], int(sys.argv[2])
best = None
for _ in range(runs):
    start = time.perf_counter()
    pandas.read_csv(path, skiprows=8, header=None)
    elapsed = time.perf_counter() - start
    best = elapsed if best is None else min(best, elapsed)
print(f"{best * 1000:.3f}")
PY
)
echo "file: $epw ($(wc -c <"$epw") bytes), pandas $("$py" -c 'import pandas; print(pandas.__version__)')"
echo "best of $runs, real time: Brumelle read + cells $brumelle ms, pandas.read_csv $pandas ms" \
  "(ratio $(awk -v a="$brumelle" -v b="$pandas" 'BEGIN { printf "%.3f", a / b }'), target 0.25 or less)"
