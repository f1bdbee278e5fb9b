# Sourced by the scripts: private Wine prefixes under build/, set up as a Japanese Windows
# (code page 932), without the downloads a fresh prefix would ask for. One prefix per word
# size: "win32" runs the 32-bit programs, "win64" the 64-bit ones. use_wine ARCH chooses.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEDEBUG=-all
# The locale is handed to Wine's processes only (env), as the host need not have it.
export VORLA_WINE_LOCALE=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Whether this host executes 32-bit x86 code: some x86-64 kernels refuse it outright
# (IA-32 emulation off), and then wine32 cannot start. VORLA_64BIT_ONLY=1 acts as if it
# could not, so that the 64-bit-only road can be tried on any host.
host_runs_32bit() {
  [ "${VORLA_64BIT_ONLY:-0}" != 1 ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# use_wine ARCH [PREFIX]: the Wine of that word size and its prefix (build/wineprefix-ARCH
# unless given). Debian's wine and wineboot wrappers pick wine32 whenever it is installed,
# even where it cannot run, so the 64-bit loader is called by its own path.
use_wine() {
  export WINEARCH=$1 WINEPREFIX="${2:-$root/build/wineprefix-$1}"
  if [ "$1" = win64 ]; then
    export WINELOADER=/usr/lib/wine/wine64
    vorla_wine=/usr/lib/wine/wine64
  else
    unset WINELOADER
    vorla_wine=/usr/lib/wine/wine
  fi
}

# Runs a program of the chosen Wine as a Japanese Windows.
wine_ja() { env LC_ALL="$VORLA_WINE_LOCALE" "$vorla_wine" "$@"; }

prepare_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the $WINEARCH Wine prefix (about 20 s, once)"
    mkdir -p "$WINEPREFIX"
    wine_ja wineboot.exe -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  show_dialogs_as_on_windows
}

# The settings dialog's font "MS UI Gothic" drawn with IPA P Gothic (fonts-ipafont-gothic),
# whose Japanese labels fit their controls; and windows framed and captioned by Wine
# itself, as no window manager runs on the virtual display. Set once per prefix.
show_dialogs_as_on_windows() {
  grep -q '"MS UI Gothic"="IPAPGothic"' "$WINEPREFIX/user.reg" 2>/dev/null && return
  wine_ja reg.exe add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f >/dev/null 2>&1
  wine_ja reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
}

use_wine win32
