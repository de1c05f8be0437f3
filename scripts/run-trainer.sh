#!/usr/bin/env bash
# Builds everything and starts the trainer from its runnable tree.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
if [ "$(id -u)" -eq 0 ]; then
  # Chromium's sandbox refuses to run as root; the question view needs this then.
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec ./build/run/veltaro "$@"
