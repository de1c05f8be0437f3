#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything into build/.
# The runnable tree ends up in build/run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
