#!/usr/bin/env bash
# Builds everything and runs every test: host unit tests and fuzzers, then the Windows tests and
# the end-to-end tests under Wine (on Xvfb when there is no display).
#
# The Windows tests run on the 32-bit build (build/win) where this machine runs 32-bit code, and
# on a 64-bit build of the same sources (build/win64) where it does not; there the 32-bit program
# is still built and checked by what needs no running (scripts/wine-env.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
source scripts/wine-env.sh
installui_say_wine_build

configure_windows() {  # <build dir> <toolchain>
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$2.cmake" >/dev/null
  cmake --build "$1"
}

cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/host
configure_windows build/win i686
[ "$INSTALLUI_WIN_ARCH" = x86_64 ] && configure_windows build/win64 x86_64

ctest --test-dir build/host --output-on-failure
if [ "$INSTALLUI_WIN_ARCH" = x86_64 ]; then
  # The shipped 32-bit program, checked without running it.
  ctest --test-dir build/win --output-on-failure -L static
fi

INSTALLUI_OWN_DISPLAY=1
source scripts/wine-session.sh "$INSTALLUI_WIN_BUILD"
ctest --test-dir "$INSTALLUI_WIN_BUILD" --output-on-failure --timeout 600
