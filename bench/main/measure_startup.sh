#!/usr/bin/env bash
# Start-up time (process start to the first question's text set in the page) and peak
# memory of the whole process tree, the web view's helper processes included, offscreen.
#   bench/main/measure_startup.sh [build-dir] [runs] [hold-seconds]
# With hold-seconds the program is not stopped at the first question but kept running that
# long (the information panel's page loads a second after start), then ended.
# Works on a copy of the runnable tree's data, so no learner's counters change.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
RUNS=${2:-5}
HOLD=${3:-0}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$BUILD/run/veltdata" "$home/"
export VELTARO_HOME=$home VELTARO_STARTUP_PROBE=1 QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu"
export XDG_RUNTIME_DIR=$home/xdg && mkdir -m 0700 "$XDG_RUNTIME_DIR"
# A state record with the defaults, so no first-start message waits for a click.
rm -f "$home/veltdata/sys.dat"
/usr/bin/python3 scripts/write-state.py "$home/veltdata/sys.dat"

# Sum over a process and all its descendants of VmRSS (shared pages counted in every
# process) and of Pss (shared pages split between their users), in KiB: "rss pss".
tree_memory_kb() {
  local pids=$1 all=$1 next
  while [ -n "$pids" ]; do
    next=$(for p in $pids; do cat /proc/$p/task/*/children 2>/dev/null; done | tr '\n' ' ')
    all="$all $next"; pids=$(echo $next)
  done
  for p in $all; do
    awk '/^VmRSS/ {print "rss", $2}' /proc/$p/status 2>/dev/null || true
    awk '/^Pss:/ {print "pss", $2}' /proc/$p/smaps_rollup 2>/dev/null || true
  done | awk '$1 == "rss" {r += $2} $1 == "pss" {p += $2} END {print r + 0, p + 0}'
}

[ "$HOLD" -gt 0 ] && unset VELTARO_STARTUP_PROBE
for i in $(seq "$RUNS"); do
  "$BUILD/run/veltaro" >"$home/out.txt" 2>/dev/null & pid=$!
  [ "$HOLD" -gt 0 ] && (sleep "$HOLD"; kill $pid) &
  peak=0; peakPss=0
  # Until the program has ended (an ended child stays a zombie until it is waited for).
  while grep -qv '^State:.*Z' <(grep '^State:' /proc/$pid/status 2>/dev/null); do
    read -r rss pss < <(tree_memory_kb $pid || echo 0 0)
    if [ "$rss" -gt "$peak" ]; then peak=$rss; fi
    if [ "$pss" -gt "$peakPss" ]; then peakPss=$pss; fi
    sleep 0.02
  done
  wait $pid || true
  echo "run $i: $(cat "$home/out.txt" | tr -d '\n'); peak tree RSS $((peak / 1024)) MiB, PSS $((peakPss / 1024)) MiB"
done
