#!/usr/bin/env bash
# Builds everything and runs every test: host unit tests and fuzzers, then the Windows tests and
# the end-to-end tests under Wine (on Xvfb when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/host
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win

ctest --test-dir build/host --output-on-failure

INSTALLUI_OWN_DISPLAY=1
source scripts/wine-session.sh build/win
ctest --test-dir build/win --output-on-failure --timeout 600
