#!/bin/sh
# Checks that the working tree shows exactly the texts of a base revision: the
# readout over dense pixel grids at several pressures, every canvas call of the
# chart, the six calculators and the AHU sizing over thousands of random
# inputs, and the accuracy table of the help, compared byte for byte.
#
# Usage: scripts/compare_texts.sh [BASE_REV]
#   BASE_REV  any commit, branch or tag (HEAD~3, main, a sha); by default the
#             commit of main that the current branch started from.
#
# Each side builds its own bench/texts and bench/accuracy programs against its
# own core (Release, core only): the base in a temporary git worktree, the
# working tree as it stands, uncommitted changes included, in build/texts.
set -eu
cd "$(dirname "$0")/.."
base=${1:-$(git merge-base HEAD main)}
sha=$(git rev-parse --verify --quiet "$base^{commit}") || {
  echo "compare_texts.sh: no such revision: $base" >&2
  exit 2
}
build=build/texts
tmp=$(mktemp -d)
cleanup() {
  git worktree remove --force "$tmp/base" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

programs() { # SOURCE_DIR BUILD_DIR
  cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DBRUMELLE_WITH_QT=OFF >/dev/null
  cmake --build "$2" -j2 --target brumelle_display_texts brumelle_accuracy >/dev/null
}
echo "base: $(git log -1 --format='%h %s' "$sha")"
git worktree add --detach --quiet "$tmp/base" "$sha"
programs "$tmp/base" "$tmp/build"
programs . "$build"

out=$tmp/out
mkdir "$out"
status=0
compare() { # NAME: compares $out/before and $out/after
  if cmp -s "$out/before" "$out/after"; then
    echo "$1: same texts ($2$(wc -l <"$out/after") lines)"
  else
    echo "$1: TEXTS DIFFER"
    diff "$out/before" "$out/after" | head -20
    status=1
  fi
}
# Both sides at once: the machine has two cores.
for section in readout chart calculators sizing; do
  "$tmp/build/bench/texts/brumelle_display_texts" "$section" >"$out/before" 2>"$out/before.count" &
  "$build/bench/texts/brumelle_display_texts" "$section" >"$out/after" 2>"$out/after.count" || status=1
  wait $! || status=1
  compare "$section" "$(sed 's/.*: //' "$out/after.count"), "
done
"$tmp/build/bench/accuracy/brumelle_accuracy" >"$out/before" || status=1
"$build/bench/accuracy/brumelle_accuracy" >"$out/after" || status=1
compare "accuracy table" ""
exit $status
