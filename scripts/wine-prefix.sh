#!/usr/bin/env bash
# Creates the Wine prefix of a build tree once: <build>/wine, for the loader of the chosen Windows
# build (scripts/wine-env.sh), with no window manager waits (Managed=N) and no Mono/Gecko
# installer prompts.
set -euo pipefail
build=${1:?usage: wine-prefix.sh <build dir>}
[ -n "${INSTALLUI_WINE:-}" ] || source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
export WINEPREFIX="$(cd "$build" && pwd)/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINELOADER="$INSTALLUI_WINE"
if [ ! -f "$WINEPREFIX/.installui-ready-3" ]; then
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  "$INSTALLUI_WINE" wineboot.exe -u >/dev/null 2>&1 || true
  wineserver -w
  "$INSTALLUI_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # The Chinese face of the settings, as a Chinese Windows has it, drawn with the CJK font we
  # install. (Replacing more faces changes the metrics of Wine's dialog font for every language.)
  LC_ALL=C.UTF-8 "$INSTALLUI_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "宋体" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.installui-ready-3"
fi
