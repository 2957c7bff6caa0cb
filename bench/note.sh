#!/bin/sh
# The whole `brumelle-cli note` process, from its start to its exit, for a
# document with a result in every calculation and the AHU sizing drawn
# (the winter study of the fuzzing corpus). The target is under 300 ms.
# Usage: sh bench/note.sh [path/to/brumelle-cli] [runs]
set -eu
cd "$(dirname "$0")/.."
exe=${1:-build/release/src/cli/brumelle-cli}
runs=${2:-10}
document=tests/fuzz/corpus/fuzz_document/winter_mixing.ini
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
i=0
while [ $i -lt "$runs" ]; do
  i=$((i + 1))
  start=$(date +%s%N)
  "$exe" note "$document" -o "$out/note.pdf" --locale fr_FR 2>/dev/null
  end=$(date +%s%N)
  echo "run $i: $(( (end - start) / 1000000 )) ms, $(wc -c <"$out/note.pdf") bytes"
done
