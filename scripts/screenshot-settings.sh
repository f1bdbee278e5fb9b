#!/usr/bin/env bash
# Saves a picture of the settings dialog as a user sees it, for a person to look at:
# build/screenshots/settings-dialog.png. Builds the Windows programs, puts VLOption.exe
# and Vorla.exe into a folder of their own, starts VLOption.exe under Wine (as a Japanese
# Windows) on a virtual display, waits for its dialog and takes the picture.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
source scripts/wine-env.sh
build=win64
host_runs_32bit && build=win32
cmake --preset "$build" >/dev/null
cmake --build --preset "$build"
use_wine "$build"
prepare_wine_prefix

out="$PWD/build/screenshots"
program="$out/program"
rm -rf "$program"
mkdir -p "$program"
cp build/$build/bin/VLOption.exe build/$build/bin/Vorla.exe "$program/"

# Runs on the virtual display: the program, the wait for its window, the picture.
take_picture() {
  local exe="$1" picture="$2" pid
  env LC_ALL="$VORLA_WINE_LOCALE" "$vorla_wine" "$exe" &
  pid=$!
  for _ in $(seq 150); do
    xwininfo -root -tree | grep -q 'Vorla' && break
    sleep 0.2
  done
  sleep 1  # the dialog paints itself
  import -window root "$picture.full.png"
  kill "$pid"
  wait "$pid" || true
  # The dialog alone on the black screen, with a margin.
  convert "$picture.full.png" -trim -bordercolor black -border 12 "$picture"
  rm "$picture.full.png"
}
xvfb-run -a -s "-screen 0 640x480x24" env vorla_wine="$vorla_wine" \
  bash -c "$(declare -f take_picture)"'; take_picture "$0" "$1"' \
  "$program/VLOption.exe" "$out/settings-dialog.png" 2> >(grep -v '^X connection to' >&2)
echo "wrote $out/settings-dialog.png"
