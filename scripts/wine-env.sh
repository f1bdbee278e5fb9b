# Sourced by the scripts: a private 32-bit Wine prefix under build/, set up as a Japanese
# Windows (code page 932), without the downloads a fresh prefix would ask for.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="$root/build/wineprefix"
export WINEARCH=win32 WINEDEBUG=-all
# The locale is handed to Wine's processes only (env), as the host need not have it.
export VORLA_WINE_LOCALE=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

prepare_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix (about 20 s, once)"
    mkdir -p "$WINEPREFIX"
    env LC_ALL="$VORLA_WINE_LOCALE" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  show_dialogs_as_on_windows
}

# The settings dialog's font "MS UI Gothic" drawn with IPA P Gothic (fonts-ipafont-gothic),
# whose Japanese labels fit their controls; and windows framed and captioned by Wine
# itself, as no window manager runs on the virtual display. Set once per prefix.
show_dialogs_as_on_windows() {
  grep -q '"MS UI Gothic"="IPAPGothic"' "$WINEPREFIX/user.reg" 2>/dev/null && return
  local wine_reg=(env LC_ALL="$VORLA_WINE_LOCALE" wine reg add)
  "${wine_reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f >/dev/null 2>&1
  "${wine_reg[@]}" 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
}
