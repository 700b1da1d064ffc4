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

# Some kernels run no 32-bit user code at all (i386 execve fails with "Exec
# format error"), so neither can Wine's 32-bit side. There, the kernel hands
# i386 programs to qemu's user-mode emulator. Bookworm's qemu (7.2) takes
# about 50 s to start each Wine process (its address-space search is linear);
# the one from bookworm-backports starts them in under a second. wine64 adds
# a native wineserver and 64-bit Wine services, so only the 32-bit programs
# themselves are emulated.
i386_runs() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
if ! i386_runs; then
  backports=/etc/apt/sources.list.d/vlcfg-bookworm-backports.sources
  qemu=$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || true)
  if [ -z "$qemu" ] || dpkg --compare-versions "$qemu" lt 1:8 ||
     ! dpkg-query -W -f='${Status}' wine64 2>/dev/null | grep -q 'install ok installed'; then
    if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
      printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        "${sudo_cmd[@]}" tee "$backports" >/dev/null
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends -t bookworm-backports qemu-user-static
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends wine64
  fi
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || "${sudo_cmd[@]}" mount -t binfmt_misc binfmt_misc "$binfmt"
  # F: the kernel opens the emulator now, so a stale registration (of an
  # emulator since replaced) is made anew.
  if [ -e "$binfmt/qemu-i386" ]; then echo -1 | "${sudo_cmd[@]}" tee "$binfmt/qemu-i386" >/dev/null; fi
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
    "${sudo_cmd[@]}" tee "$binfmt/register" >/dev/null
  i386_runs || { echo "setup: 32-bit programs still do not run" >&2; exit 1; }
fi

# Wine takes its ANSI code page from the locale: ja_JP.UTF-8 gives code page
# 932, the locale the tool is tested in; the others are the players' systems
# of other code pages the tests and the demo also run under (1252, 936, 949,
# 950, and hi_IN's 65001: Windows' UTF-8 option).
# Wine needs only their names for the code page, but without the locale the
# programs' Unix side falls back to ASCII.
generate=0
for name in ja_JP en_US zh_CN ko_KR zh_TW hi_IN; do
  locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$" && continue
  generate=1
  if ! grep -q "^$name.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null; then
    echo "$name.UTF-8 UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
done
if [ "$generate" -eq 1 ]; then
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
