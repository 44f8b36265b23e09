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
# Only where the 32-bit Wine loader cannot run (or INSTALLUI_FORCE_64=1): the 64-bit test build.
packages_64=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

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
  $SUDO locale-gen >/dev/null
}

updated=0
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    updated=0
  fi
  if [ $updated -eq 0 ]; then
    $SUDO apt-get update -qq
    updated=1
  fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
}

install_missing "${packages[@]}"
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
[ "$INSTALLUI_WIN_ARCH" = x86_64 ] && install_missing "${packages_64[@]}"
ensure_locales
