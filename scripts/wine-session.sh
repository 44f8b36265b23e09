# Sourced by the run and test scripts: a display (Xvfb when there is none) and one persistent
# wineserver for the build tree's prefix, both ended when the calling script exits. Wine runs with
# the loader that scripts/wine-env.sh chose for this machine.
# Usage: source scripts/wine-session.sh <build dir>

wine_session_build=${1:?usage: source wine-session.sh <build dir>}
[ -n "${INSTALLUI_WINE:-}" ] || source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
bash "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh" "$wine_session_build"
export WINEPREFIX="$(cd "$wine_session_build" && pwd)/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINELOADER="$INSTALLUI_WINE"

wine_session_xvfb=""
if [ -z "${DISPLAY:-}" ] || [ "${INSTALLUI_OWN_DISPLAY:-}" = 1 ]; then
  for n in $(seq 90 140); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    wine_session_xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    break
  done
fi

# One wineserver for the whole run; its services must not hold our output pipes open.
wineserver -p >/dev/null 2>&1 </dev/null || true  # already running for this prefix is fine
"$INSTALLUI_WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true

wine_session_end() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$wine_session_xvfb" ] && kill "$wine_session_xvfb" 2>/dev/null
  return 0
}
trap wine_session_end EXIT
