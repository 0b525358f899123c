#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the normal build and once
# in a build with the address and undefined-behaviour sanitizers. Both halves run even when
# the first has failing tests; the command fails if either had.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
status=0
scripts/build.sh build
ctest --test-dir build --output-on-failure -j"$(nproc)" || status=$?
scripts/build.sh build-asan -DTASKVANE_SANITIZE=ON -DTASKVANE_BUILD_GUI=OFF \
  -DTASKVANE_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure -j"$(nproc)" ||
  status=$?
exit "$status"
