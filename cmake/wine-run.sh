#!/bin/sh
# Runs a Win32 test program under Wine as a Japanese Windows (code page 932), in the
# private prefix of the build folder. scripts/wine-env.sh prepares the prefix and display.
: "${WINEPREFIX:?run through scripts/test.sh, which sets up the Wine prefix}"
# Universal time, so that local file times read the same on every host.
export WINEDEBUG=-all LC_ALL="${VORLA_WINE_LOCALE:-ja_JP.UTF-8}" TZ=UTC
exec wine "$@"
