#!/usr/bin/env bash
# Runs a Windows test program under Wine as a Japanese Windows (code page 932):
#   wine-run.sh win32|win64 PROGRAM [ARGUMENT...]
# in the private prefix of that word size, which scripts/wine-env.sh prepares; a prefix
# given in WINEPREFIX for the same word size is used instead (the package check's own).
arch=$1
shift
given_prefix=${WINEPREFIX:-}
given_arch=${WINEARCH:-}
source "$(dirname "$0")/../scripts/wine-env.sh"
if [ -n "$given_prefix" ] && [ "$given_arch" = "$arch" ]; then use_wine "$arch" "$given_prefix"; else use_wine "$arch"; fi
# Universal time, so that file times read back are the ones written.
export TZ=UTC LC_ALL="$VORLA_WINE_LOCALE"
exec "$vorla_wine" "$@"
