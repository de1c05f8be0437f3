#!/usr/bin/env bash
# Builds everything and runs every test, headless. Fails when any test fails.
# Then builds the tests again with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# them once more (all but those that run the embedded browser, whose own code trips the
# sanitizer). VELTARO_SKIP_SANITIZE=1 skips that second pass for a quick local run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"

if [ "${VELTARO_SKIP_SANITIZE:-0}" != "1" ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTARO_SANITIZE=ON >/dev/null
  cmake --build build-asan -j"$(nproc)"
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE webengine
fi
