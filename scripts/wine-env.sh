# Sourced by the run and test scripts: which Windows build runs under Wine on this machine.
#
# The shipped program is 32-bit (build/win). Some machines run 64-bit code only: there the
# 32-bit Wine loader cannot start ("Exec format error"), so the same sources are also built for
# x86_64 (build/win64) and every Windows and end-to-end test runs on that build instead.
# INSTALLUI_FORCE_64=1 takes the 64-bit path on any machine, to try it.
#
# Sets:
#   INSTALLUI_WIN_ARCH   i686 or x86_64, the build whose programs run
#   INSTALLUI_WIN_BUILD  build/win or build/win64 (relative to the repository)
#   INSTALLUI_WINE       the Wine loader for that build; every Wine call goes through it
#   WINELOADER           the same, so Wine starts its own helper processes with it too

installui_runs_32bit() {
  # Try the loader itself: the CPU may well support 32-bit code that the kernel refuses.
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

installui_choose_wine_build() {
  if [ "${INSTALLUI_FORCE_64:-}" = 1 ]; then
    INSTALLUI_WIN_ARCH=x86_64
    installui_wine_reason="INSTALLUI_FORCE_64=1 asks for it"
  elif installui_runs_32bit; then
    INSTALLUI_WIN_ARCH=i686
    installui_wine_reason="this machine runs 32-bit code"
  else
    INSTALLUI_WIN_ARCH=x86_64
    installui_wine_reason="this machine runs 64-bit code only (the 32-bit Wine loader cannot start)"
  fi
  if [ "$INSTALLUI_WIN_ARCH" = i686 ]; then
    INSTALLUI_WIN_BUILD=build/win
    INSTALLUI_WINE=/usr/lib/wine/wine
  else
    INSTALLUI_WIN_BUILD=build/win64
    INSTALLUI_WINE=/usr/lib/wine/wine64
    export WINEARCH=win64  # a prefix of its own, made by the 64-bit loader
  fi
  export INSTALLUI_WIN_ARCH INSTALLUI_WIN_BUILD INSTALLUI_WINE
  export WINELOADER=$INSTALLUI_WINE
}

# Says once which build runs and why.
installui_say_wine_build() {
  echo "wine: running the $INSTALLUI_WIN_ARCH build ($INSTALLUI_WIN_BUILD) with $INSTALLUI_WINE: $installui_wine_reason"
}

installui_choose_wine_build
