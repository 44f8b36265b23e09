#!/usr/bin/env bash
# Builds the program and runs it from the demo package under Wine. Without a display it runs on
# Xvfb, saves a screenshot of its window to <build>/screenshot.png and ends it.
# Arguments are passed to the program (for example -i or -u).
# The package is build/win's (the shipped 32-bit program); on a machine that runs 64-bit code only
# it is build/win64's, the same sources built for x86_64 (scripts/wine-env.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
source scripts/wine-env.sh
installui_say_wine_build
toolchain=cmake/mingw-i686.cmake
[ "$INSTALLUI_WIN_ARCH" = x86_64 ] && toolchain=cmake/mingw-x86_64.cmake
build=$INSTALLUI_WIN_BUILD
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$toolchain >/dev/null
cmake --build "$build" --target package_folder

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
source scripts/wine-session.sh "$build"

package=$build/package
if [ $headless -eq 0 ]; then
  exec "$INSTALLUI_WINE" "$package/Application.exe" "$@"
fi

"$INSTALLUI_WINE" "$package/Application.exe" "$@" >/dev/null 2>&1 </dev/null &
app=$!
shot=$build/screenshot.png
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name '_Setup$' 2>/dev/null | head -n 1 || true)
  [ -n "$win" ] && break
  sleep 0.2
done
if [ -z "${win:-}" ]; then
  echo "run: the main window did not appear" >&2
  kill $app 2>/dev/null || true
  exit 1
fi
sleep 1.5  # let the animations and the rounded corners settle
echo "run: window \"$(xdotool getwindowname "$win")\" is shown"
import -window root -crop "$(xdotool getwindowgeometry "$win" | awk '/Geometry/ {print $2}')+$(xdotool getwindowgeometry "$win" | awk -F'[ ,]+' '/Position/ {print $3"+"$4}')" "$shot" 2>/dev/null \
  || import -window root "$shot"
echo "run: screenshot saved to $shot"
wineserver -k >/dev/null 2>&1 || true
wait $app 2>/dev/null || true
