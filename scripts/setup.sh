#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, when it is missing:
# CMake and Ninja, GoogleTest sources, the MinGW-w64 i686 and x86_64 cross compilers, Wine
# (32-bit and 64-bit: wine32 installs on a host that cannot run it, and is then not used),
# Xvfb, the Japanese fonts that the dialog's labels need, and the X tools that find the
# dialog on the virtual display (scripts/screenshot-settings.sh); Google Benchmark and
# ripgrep for the benchmarks; clang with libFuzzer and its symbolizer for the fuzz targets
# (fuzz/run.sh), clang-tidy and cppcheck for scripts/analyze.sh.
set -euo pipefail

packages=(cmake ninja-build g++ googletest python3
          g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
          g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine32:i386 wine64 xvfb xauth imagemagick fonts-ipafont-gothic locales
          x11-utils libbenchmark-dev ripgrep
          clang libclang-rt-14-dev llvm clang-tidy cppcheck)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

# Wine names files through the host's locale: Japanese file names need ja_JP.UTF-8 itself.
locale -a 2>/dev/null | grep -qx 'ja_JP.utf8' || $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
