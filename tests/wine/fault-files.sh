#!/usr/bin/env bash
# Makes (or removes) the game folders of the fault tests, which a Windows
# program cannot make for itself: Wine run as root ignores permission bits, so
# read-only and unwritable are made with the immutable attribute.
#
#   fault-files.sh create DIR [TOOL] | remove DIR
#
# DIR/devfull/vlcfg.dat     a link to /dev/full: opens, and every write fails
# DIR/readonly/vlcfg.dat    128 bytes 00 01 02 ... 7f, immutable
# DIR/unwritable/           an empty immutable folder: nothing can be created
# DIR/unwritable-game/      the same with a copy of TOOL (vlcfg.exe) in it
# DIR/deep250/...           folders whose lower-cased Windows path, with its
# DIR/deep252/...           separator, is exactly 250 and 252 bytes long
# DIR/deep250-game/.../     the same two depths with a copy of TOOL in them,
# DIR/deep252-game/.../     for runs of the tool; in the deeper one the copy
#                           is renamed v.exe, so that it can still be started
#                           while vlcfg.dat beside it is too long a path
# DIR/start260/.../vlcfg.exe  copies of TOOL whose Windows path is 260 bytes
# DIR/start261/.../vlcfg.exe  (the longest the platform's path buffer holds)
#                             and 261 bytes (one more)
# DIR/startdir256/.../v       a copy of TOOL whose directory (after the drive)
#                             is 256 bytes, one more than the runtime's split
#                             holds; named v, so the path is only 259 bytes
set -euo pipefail

action=${1:?create or remove}
dir=${2:?directory}
tool=${3:-}

remove() {
  if [ -e "$dir" ]; then
    chattr -R -i "$dir" 2>/dev/null || true
    rm -rf "$dir"
  fi
}

# A folder below $1 whose Windows form Z:<path>\ is $2 bytes long.
deep_folder() {
  local base=$1 length=$2
  local name_length=$((length - 3 - ${#base} - 1))
  if [ "$name_length" -lt 1 ] || [ "$name_length" -gt 255 ]; then
    echo "fault-files: the build folder's path is too long for a $length-byte folder" >&2
    exit 1
  fi
  local name
  name=$(printf 'd%.0s' $(seq "$name_length"))
  mkdir -p "$base/$name"
  echo "$base/$name"
}

case "$action" in
  create)
    remove
    mkdir -p "$dir/devfull" "$dir/readonly" "$dir/unwritable" "$dir/deep250" "$dir/deep252"
    ln -s /dev/full "$dir/devfull/vlcfg.dat"
    python3 -c 'import sys; sys.stdout.buffer.write(bytes(range(128)))' >"$dir/readonly/vlcfg.dat"
    mkdir -p "$dir/unwritable-game"
    if [ -n "$tool" ]; then cp "$tool" "$dir/unwritable-game/vlcfg.exe"; fi
    chattr +i "$dir/readonly/vlcfg.dat" "$dir/unwritable" "$dir/unwritable-game"
    deep_folder "$dir/deep250" 250 >/dev/null
    deep_folder "$dir/deep252" 252 >/dev/null
    if [ -n "$tool" ]; then
      folder=$(deep_folder "$dir/deep250-game" 250)
      cp "$tool" "$folder/vlcfg.exe"
      folder=$(deep_folder "$dir/deep252-game" 252)
      cp "$tool" "$folder/v.exe"
      for length in 260 261; do
        # The folder takes all but the 9 bytes of "vlcfg.exe".
        folder=$(deep_folder "$dir/start$length" $((length - 9)))
        cp "$tool" "$folder/vlcfg.exe"
      done
      folder=$(deep_folder "$dir/startdir256" 258)
      cp "$tool" "$folder/v"
    fi
    ;;
  remove)
    remove
    ;;
  *)
    echo "fault-files: unknown action $action" >&2
    exit 2
    ;;
esac
