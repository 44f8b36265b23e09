#!/usr/bin/env bash
# Creates the Wine prefix of a build tree once: <build>/wine, 32-bit capable, with no window
# manager waits (Managed=N) and no Mono/Gecko installer prompts.
set -euo pipefail
build=${1:?usage: wine-prefix.sh <build dir>}
export WINEPREFIX="$(cd "$build" && pwd)/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.installui-ready" ]; then
  rm -rf "$WINEPREFIX"
  wineboot -u >/dev/null 2>&1 || true
  wineserver -w
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.installui-ready"
fi
