#!/bin/sh
# Checks that the saturation pressure of the core shows the same texts as its
# former powl formulation: the readout over dense pixel grids at several
# pressures, every canvas call of the chart, the six calculators and the AHU
# sizing over thousands of random inputs, and the accuracy table of the help.
# Usage: scripts/compare_texts.sh [BUILD_DIR]   (default build/texts, Release)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/texts}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBRUMELLE_WITH_QT=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" \
  --target brumelle_display_texts brumelle_display_texts_powl brumelle_accuracy brumelle_accuracy_powl
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
status=0
for section in readout chart calculators sizing; do
  "$build/bench/texts/brumelle_display_texts_powl" "$section" >"$out/before" 2>/dev/null &
  "$build/bench/texts/brumelle_display_texts" "$section" >"$out/after" 2>"$out/count"
  wait $!
  if cmp -s "$out/before" "$out/after"; then
    echo "$section: same texts ($(cat "$out/count" | sed 's/.*: //'), $(wc -l <"$out/after") lines)"
  else
    echo "$section: TEXTS DIFFER"
    diff "$out/before" "$out/after" | head -20
    status=1
  fi
done
"$build/bench/texts/brumelle_accuracy_powl" >"$out/before"
"$build/bench/accuracy/brumelle_accuracy" >"$out/after"
if cmp -s "$out/before" "$out/after"; then
  echo "accuracy table: same texts ($(wc -l <"$out/after") lines)"
else
  echo "accuracy table: TEXTS DIFFER"
  diff "$out/before" "$out/after" | head -20
  status=1
fi
exit $status
