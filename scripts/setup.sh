#!/usr/bin/env bash
# Installs what building and testing vlcfg needs on Debian 12, as root.
# Idempotent: when everything is present it returns at once.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest python3
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 xvfb xauth x11-utils
  locales fonts-ipafont-gothic fonts-wine
  imagemagick
  clang libclang-rt-14-dev clang-tidy cppcheck
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page from the locale: ja_JP.UTF-8 gives code page
# 932, the locale the tool is tested in; the others are the players' systems
# of other code pages the tests and the demo also run under (1252, 936, 949).
# Wine needs only their names for the code page, but without the locale the
# programs' Unix side falls back to ASCII.
generate=0
for name in ja_JP en_US zh_CN ko_KR; do
  locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$" && continue
  generate=1
  if ! grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null; then
    echo "$name.UTF-8 UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
done
if [ "$generate" -eq 1 ]; then
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
