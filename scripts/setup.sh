#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian 12 machine.
# Every step is skipped when its result is already there, so running it again is cheap.
set -euo pipefail

need_packages=(
  g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev cmake make
  wine wine32:i386 wine64
  xvfb xauth imagemagick xdotool
  fonts-wqy-microhei googletest python3 locales
)

missing=()
for p in "${need_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""; [[ $(id -u) -eq 0 ]] || SUDO="sudo"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine reads the code page from the locale; glibc only warns when the locale is missing,
# but generating it keeps every run quiet.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  SUDO=""; [[ $(id -u) -eq 0 ]] || SUDO="sudo"
  echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
