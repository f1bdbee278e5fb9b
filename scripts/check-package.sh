#!/usr/bin/env bash
# Checks the release ZIP that a Windows build made: scripts/check-package.sh win32|win64.
# A second build from the same sources gives the same bytes (always); unpacked into a fresh
# Wine prefix, it works as a user meets it (tests/package/PackageCheck.cpp), where this host
# can run that build. Run by scripts/test.sh after the Windows builds.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
build=${1:?usage: scripts/check-package.sh win32|win64}
package="$(ls build/$build/Vorla-*-$build.zip)"
work="$PWD/build/package-check-$build"
rm -rf "$work"
mkdir -p "$work"

echo "Building the $build package a second time, in another folder"
cmake --preset "$build" -B "$work/build" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$work/build" --target zip >/dev/null
cmp "$package" "$work/build/$(basename "$package")"
echo "Same bytes: $(basename "$package"), $(stat -c %s "$package") bytes"

if [ "$build" = win32 ] && ! host_runs_32bit; then
  echo "32-bit package built, not run: this host cannot execute 32-bit code"
  exit 0
fi

# Unpacked as Japanese Windows reads the names: code page 932 (no UTF-8 flag).
python3 - "$package" "$work/unpacked" <<'PYTHON'
import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as archive:
    for info in archive.infolist():
        name = info.filename if info.flag_bits & 0x800 else info.filename.encode("cp437").decode("cp932")
        path = os.path.join(sys.argv[2], name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as file:
            file.write(archive.read(info))
        print(f"  {info.file_size:>8}  {name}")
PYTHON

use_wine "$build" "$work/prefix"
prepare_wine_prefix
unpacked="Z:${work//\//\\}\\unpacked"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" env VORLA_PACKAGE_DIR="$unpacked" \
  cmake/wine-run.sh "$build" "build/$build/tests/package_check.exe" || status=$?
wineserver -k || true
exit "$status"
