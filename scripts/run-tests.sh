#!/usr/bin/env bash
# Builds everything and runs every test, headless. Fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)"
