#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's own prefix.
# Usage: wine-run.sh <wine loader> <program> [arguments]
# The loader is the build's own (32-bit for the i686 build, 64-bit for the x86_64 one): Debian's
# `wine` wrapper would pick the 32-bit loader whenever it is installed, even where it cannot run.
# WINEPREFIX may be set by the caller; otherwise it is <build>/wine above the program.
set -u
loader=$1
shift
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$(cd "$(dirname "$1")" && pwd)
  while [ "$dir" != "/" ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  export WINEPREFIX="$dir/wine"
fi
export WINELOADER=$loader
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec "$loader" "$@"
