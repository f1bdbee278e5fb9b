#!/usr/bin/env bash
# The main job: installs what is missing, builds the Windows programs, and runs Vorla.exe
# under Wine (as a Japanese Windows) on a list file, examples/sample.vlf unless another is
# given. The 32-bit build runs where the host executes 32-bit code, else the 64-bit one
# (VORLA_64BIT_ONLY=1 takes the 64-bit one on any host). A probe program stands in for the
# default browser while it runs: it records each command line it is started with, and this
# script shows them.
set -euo pipefail
cd "$(dirname "$0")/.."
list="$(realpath "${1:-examples/sample.vlf}")"

scripts/setup.sh
source scripts/wine-env.sh
if host_runs_32bit; then
  build=win32 why="this host runs 32-bit code"
else
  build=win64 why="32-bit code is not run here"
fi
cmake --preset "$build" >/dev/null
cmake --build --preset "$build"
use_wine "$build"
prepare_wine_prefix
echo "Running the $build build of Vorla.exe ($why)"

# Wine shows the host's root as drive Z:.
windows_path() { local path="Z:$1"; echo "${path//\//\\}"; }
# Without a display, a virtual one; its programs' farewell to it is no news.
[ -n "${DISPLAY:-}" ] || wine_ja() {
  xvfb-run -a env LC_ALL="$VORLA_WINE_LOCALE" "$vorla_wine" "$@" 2> >(grep -v '^X connection to' >&2)
}

work="$PWD/build/run"
mkdir -p "$work"
log="$work/opened.log"
rm -f "$log"

# The probe becomes the http protocol's "open" command; the previous one comes back at the end.
key='HKEY_CLASSES_ROOT\http\shell\open\command'
wine_ja regedit.exe /E "$(windows_path "$work/previous.reg")" "$key" >/dev/null 2>&1 || true
probe="$(windows_path "$PWD/build/$build/tests/vorla_probe.exe")"
printf 'REGEDIT4\r\n\r\n[%s]\r\n@="\\"%s\\" \\"%%1\\""\r\n' "$key" "${probe//\\/\\\\}" >"$work/probe.reg"
wine_ja regedit.exe /S "$(windows_path "$work/probe.reg")"
restore() { [ -s "$work/previous.reg" ] && wine_ja regedit.exe /S "$(windows_path "$work/previous.reg")"; wineserver -k || true; }
trap restore EXIT

echo "Running Vorla.exe on $list"
status=0
VORLA_PROBE_LOG="$(windows_path "$log")" wine_ja "build/$build/bin/Vorla.exe" "$(windows_path "$list")" || status=$?
echo "Vorla.exe ended with exit code $status"
if [ ! -s "$log" ]; then
  echo "Nothing was opened in the browser."
  exit "$status"
fi
echo "Opened in the browser (seconds after the first, and the browser's command line):"
# Each line of the log: milliseconds, the probe's file name, its command line (code page 932).
iconv -f CP932 -t UTF-8 "$log" | tr -d '\r' |
  awk -F '\t' 'NR == 1 { first = $1 } { printf "  +%5.2f s  %s\n", ($1 - first) / 1000, $3 }'
exit "$status"
