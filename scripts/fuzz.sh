#!/bin/sh
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, the core only) in build/fuzz, then runs each
# for SECONDS (default 60) on a copy of its seed corpus, the committed
# corpus staying as it is. The inputs saved under tests/fuzz/regressions/
# run first as extra seeds. Prints each target's executions per second and
# exits 1 when any target finds a crash, a sanitizer report, a leak or a
# timeout; the input is kept under build/fuzz/run/<target>/.
#
#   sh scripts/fuzz.sh [SECONDS]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/fuzz

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DBRUMELLE_WITH_QT=OFF -DBRUMELLE_BENCH=OFF -DBRUMELLE_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_targets

# target, longest input in bytes, seconds one input may take, dictionary
targets="
fuzz_numbers 512 10 numbers
fuzz_ini 4096 10 ini
fuzz_document 4096 30 document
fuzz_preferences 4096 20 preferences
fuzz_readout 64 10 -
fuzz_weather 4096 10 weather
"

failed=""
summary=""
echo "$targets" | {
  while read -r target maxlen timeout dict; do
    [ -n "$target" ] || continue
    work="$build/run/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp tests/fuzz/corpus/"$target"/* "$work/corpus/"
    set -- "$work/corpus"
    regressions="tests/fuzz/regressions/$target"
    if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
      set -- "$@" "$regressions"
    fi
    if [ "$dict" != "-" ]; then
      set -- "$@" -dict="tests/fuzz/dict/$dict.dict"
    fi
    echo "== $target (${seconds} s)"
    status=0
    UBSAN_OPTIONS=print_stacktrace=1 "$build/tests/fuzz/$target" "$@" \
      -max_total_time="$seconds" -max_len="$maxlen" -timeout="$timeout" -rss_limit_mb=2048 \
      -artifact_prefix="$work/artifacts/" -print_final_stats=1 >"$work/log" 2>&1 || status=$?
    execs=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -n 1)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    if [ "$status" -ne 0 ]; then
      # The check or sanitizer report, the stack top and where the input is.
      grep -E -A 12 '^==== fuzz check failed|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' \
        "$work/log" | head -n 40 || true
      grep -E '^INFO: Seed:' "$work/log" || true
      for input in "$work"/artifacts/*; do
        [ -f "$input" ] || continue
        echo "input $input ($(wc -c <"$input") bytes), base64:"
        head -c 8192 "$input" | base64 -w 0
        echo
      done
      echo "$target FAILED (exit $status); log: $work/log"
      failed="$failed $target"
      summary="$summary$(printf '%-18s %8s exec/s  %10s runs  FAILED' "$target" "${execs:-?}" "${runs:-?}")
"
    else
      summary="$summary$(printf '%-18s %8s exec/s  %10s runs' "$target" "${execs:-?}" "${runs:-?}")
"
    fi
  done
  echo "== fuzz summary"
  printf '%s' "$summary"
  if [ -n "$failed" ]; then
    echo "crashes found by:$failed"
    exit 1
  fi
}
