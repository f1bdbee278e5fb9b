#!/usr/bin/env bash
# Every test: builds the host tests (plain and with sanitizers) and the Windows programs,
# then runs the unit tests on the host, each fuzz target for a short time, the static
# analysis, the end-to-end tests under Wine, and checks the release package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/wine-env.sh

for preset in host host-asan win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

ctest --preset host
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset host-asan
# A short run of every fuzz target (fuzz/run.sh; longer runs: docs/RELIABILITY.md).
fuzz/run.sh 15 2
scripts/analyze.sh

prepare_wine_prefix
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win32
wineserver -k || true
scripts/check-package.sh
