#!/usr/bin/env bash
# Every test: builds the host tests (plain and with sanitizers) and the Windows programs of
# both word sizes, then runs the unit tests on the host, each fuzz target for a short time,
# the static analysis, the end-to-end tests under Wine, and checks the release packages. The
# 64-bit Windows tier runs on every host; the 32-bit one where the host executes 32-bit code
# (VORLA_64BIT_ONLY=1 tries the 64-bit-only road on any host).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/wine-env.sh

for preset in host host-asan win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

ctest --preset host
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset host-asan
# A short run of every fuzz target (fuzz/run.sh; longer runs: docs/RELIABILITY.md).
fuzz/run.sh 15 2
scripts/analyze.sh

builds=(win64)
if host_runs_32bit; then
  builds=(win32 win64)
else
  echo "32-bit programs built, not run: this host cannot execute 32-bit code"
  # Their size and imports are checked all the same.
  ctest --preset win32 -R '^executables$'
fi
for build in "${builds[@]}"; do
  use_wine "$build"
  prepare_wine_prefix
  xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset "$build"
  wineserver -k || true
done
for build in win32 win64; do scripts/check-package.sh "$build"; done
