#!/usr/bin/env bash
# Start-up time (process start to the first question's text set in the page) and peak
# memory of the whole process tree, the web view's helper processes included, offscreen.
#   bench/main/measure_startup.sh [build-dir] [runs]
# Works on a copy of the runnable tree's data, so no learner's counters change.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
RUNS=${2:-5}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$BUILD/run/veltdata" "$home/"
export VELTARO_HOME=$home VELTARO_STARTUP_PROBE=1 QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu"
export XDG_RUNTIME_DIR=$home/xdg && mkdir -m 0700 "$XDG_RUNTIME_DIR"
# The first start writes the state file; measure the starts after it.
"$BUILD/run/veltaro" >/dev/null 2>&1 || true

tree_rss_kb() { # sum of VmRSS over a process and all its descendants
  local pids=$1 all=$1 next
  while [ -n "$pids" ]; do
    next=$(for p in $pids; do cat /proc/$p/task/*/children 2>/dev/null; done | tr '\n' ' ')
    all="$all $next"; pids=$(echo $next)
  done
  for p in $all; do awk '/^VmRSS/ {print $2}' /proc/$p/status 2>/dev/null; done | awk '{s+=$1} END {print s+0}'
}

for i in $(seq "$RUNS"); do
  "$BUILD/run/veltaro" >"$home/out.txt" 2>/dev/null & pid=$!
  peak=0
  while kill -0 $pid 2>/dev/null; do
    rss=$(tree_rss_kb $pid); [ "$rss" -gt "$peak" ] && peak=$rss
    sleep 0.02
  done
  echo "run $i: $(cat "$home/out.txt" | tr -d '\n'); peak tree RSS $((peak / 1024)) MiB"
done
