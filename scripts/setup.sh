#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386 wine64
  xvfb xauth xdotool imagemagick python3-pil locales
  fonts-wqy-microhei
)

# Locales the language tests start Wine under (the system locale follows LC_ALL).
ensure_locales() {
  local wanted=(en_US.UTF-8 zh_CN.UTF-8 zh_TW.UTF-8 de_DE.UTF-8) need=0 l
  for l in "${wanted[@]}"; do
    locale -a 2>/dev/null | grep -qix "$(echo "$l" | sed 's/UTF-8/utf8/')" || need=1
  done
  [ $need -eq 1 ] || return 0
  for l in "${wanted[@]}"; do
    grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" >> /etc/locale.gen
  done
  locale-gen >/dev/null
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  ensure_locales
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
ensure_locales
