#!/usr/bin/env bash
# Creates the Wine prefix of a build tree once: <build>/wine, 32-bit capable, with no window
# manager waits (Managed=N) and no Mono/Gecko installer prompts.
set -euo pipefail
build=${1:?usage: wine-prefix.sh <build dir>}
export WINEPREFIX="$(cd "$build" && pwd)/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.installui-ready-3" ]; then
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  wineboot -u >/dev/null 2>&1 || true
  wineserver -w
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # The Chinese face of the settings, as a Chinese Windows has it, drawn with the CJK font we
  # install. (Replacing more faces changes the metrics of Wine's dialog font for every language.)
  LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "宋体" /t REG_SZ /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.installui-ready-3"
fi
