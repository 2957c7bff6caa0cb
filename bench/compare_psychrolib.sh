#!/bin/sh
# Times one cursor readout (BM_ReadoutOnePointerMove) and PsychroLib 1.1.1 in
# JavaScript doing the same work at the same point, one after the other in
# the same run, and prints both processor times side by side.
# Needs Node.js and npm (PsychroLib is installed from the npm registry into
# bench/psychrolib/node_modules, which is not committed).
# Usage: sh bench/compare_psychrolib.sh [BUILD_DIR]   (default build/bench, Release, core only)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRUMELLE_WITH_QT=OFF >/dev/null
cmake --build "$build" -j2 --target brumelle_bench >/dev/null
if [ ! -d bench/psychrolib/node_modules/psychrolib ]; then
  (cd bench/psychrolib && npm install --no-audit --no-fund --no-package-lock >/dev/null)
fi

# Median processor time of five repetitions, in microseconds.
brumelle=$("$build/bench/brumelle_bench" --benchmark_filter='^BM_ReadoutOnePointerMove$' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  awk '$1 == "BM_ReadoutOnePointerMove_median" { print $4 }')
text=$(node bench/psychrolib/readout.js --text)
psychrolib=$(echo "$text" | tail -1)
echo "PsychroLib JS: $(echo "$text" | head -1)"
echo "one readout, processor time: Brumelle $brumelle us, PsychroLib JS $psychrolib us" \
  "(ratio $(awk -v a="$brumelle" -v b="$psychrolib" 'BEGIN { printf "%.2f", a / b }'))"
