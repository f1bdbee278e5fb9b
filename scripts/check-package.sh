#!/usr/bin/env bash
# Checks the release ZIP that the Windows build made: a second build from the same sources
# gives the same bytes; unpacked into a fresh Wine prefix, it works as a user meets it
# (tests/package/PackageCheck.cpp). Run by scripts/test.sh after the Windows build.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
package="$(ls build/win32/Vorla-*-win32.zip)"
work="$PWD/build/package-check"
rm -rf "$work"
mkdir -p "$work"

echo "Building the package a second time, in another folder"
cmake --preset win32 -B "$work/build" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$work/build" --target zip >/dev/null
cmp "$package" "$work/build/$(basename "$package")"
echo "Same bytes: $(basename "$package"), $(stat -c %s "$package") bytes"

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

export WINEPREFIX="$work/prefix"
prepare_wine_prefix
unpacked="Z:${work//\//\\}\\unpacked"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" env VORLA_PACKAGE_DIR="$unpacked" \
  cmake/wine-run.sh build/win32/tests/package_check.exe || status=$?
wineserver -k || true
exit "$status"
