#!/usr/bin/env bash
# Starts the real trainer under Xvfb and photographs 初步练习 with a choice, a true/false
# and a multi-select question, each fresh and after a wrong answer.
#   scripts/screenshots.sh [build-dir] [output-dir]
# Each run works on a copy of the runnable tree's data, so no learner's counters change.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
OUT=${2:-$BUILD/screenshots}
RUN=$BUILD/run
BANK_NAME="小车.stk"
mkdir -p "$OUT"
[ -x "$RUN/veltaro" ] && [ -f "$RUN/veltdata/$BANK_NAME" ] || { echo "build the trainer and its data first" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

# A state record with the defaults and the small-car bank, so no first-start message stands
# in front of the window.
write_state() {
  /usr/bin/python3 scripts/write-state.py "$1"
}

# shoot <name> <SQL choosing the question's ID>
shoot() {
  local name=$1 pick=$2 home
  home=$(mktemp -d)
  cp -r "$RUN/veltdata" "$home/"
  rm -f "$home/veltdata/sys.dat"
  write_state "$home/veltdata/sys.dat"
  local id
  id=$(sqlite3 "$home/veltdata/$BANK_NAME" "$pick")
  # A key that answers wrongly: A stands for A and 对, B for B, 错 and the mask of A alone.
  local right wrong=B
  right=$(sqlite3 "$home/veltdata/$BANK_NAME" "SELECT ti_daan FROM tiku WHERE ID = $id;")
  case $right in 2|5) wrong=A ;; esac
  # Preliminary practice takes the least-answered questions first: make this one the first.
  sqlite3 "$home/veltdata/$BANK_NAME" "UPDATE tiku SET gong = 5; UPDATE tiku SET gong = 0 WHERE ID = $id;"
  VELTARO_HOME="$home" xvfb-run -a -s '-screen 0 1280x800x24' bash -c "
    '$RUN/veltaro' & pid=\$!
    sleep 6
    import -window root '$OUT/$name.png'
    xdotool search --name 'Veltaro11.0' windowactivate --sync 2>/dev/null || true
    xdotool key $wrong
    sleep 1
    import -window root '$OUT/$name-answered.png'
    kill \$pid; wait \$pid 2>/dev/null || true"
  rm -rf "$home"
  echo "$OUT/$name.png $OUT/$name-answered.png (question $id)"
}

shoot choice "SELECT ID FROM tiku WHERE daanleixing = 1 AND ti_daan <= 4 AND trim(img) <> '' LIMIT 1;"
shoot truefalse "SELECT ID FROM tiku WHERE daanleixing = 2 LIMIT 1;"
shoot multi "SELECT ID FROM tiku WHERE daanleixing = 3 LIMIT 1;"
