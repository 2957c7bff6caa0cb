#!/bin/sh
# Start-up of the program under Xvfb: the time from the process start to its
# main window shown and painted (its caption "Sans titre - ..." is set at the
# first showing, which paints the chart), and the resident memory then and
# two seconds later. Usage: sh bench/startup.sh [path/to/brumelle] [runs]
set -eu
exe=${1:-build/release/src/app/brumelle}
runs=${2:-5}
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  $SUDO apt-get install -y -qq xvfb xdotool >/dev/null
fi
display=:77
Xvfb $display -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
runtime=$(mktemp -d)
chmod 700 "$runtime"
i=0
while [ $i -lt "$runs" ]; do
  i=$((i + 1))
  start=$(date +%s%N)
  DISPLAY=$display XDG_RUNTIME_DIR=$runtime "$exe" >/dev/null 2>&1 &
  pid=$!
  # Polled every 5 ms (xdotool's own --sync waits half a second between looks).
  until DISPLAY=$display xdotool search --onlyvisible --name "Sans titre - Brumelle par Orvane" >/dev/null 2>&1; do
    sleep 0.005
  done
  shown=$(date +%s%N)
  rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  sleep 2
  rss2=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  kill -TERM $pid
  wait $pid 2>/dev/null || true
  echo "run $i: shown after $(( (shown - start) / 1000000 )) ms, resident $((rss / 1024)) MiB, $((rss2 / 1024)) MiB two seconds later"
done
rm -rf "$runtime"
