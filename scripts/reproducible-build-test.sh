#!/usr/bin/env bash
# Builds vlcfg.exe and the player package twice from this checkout, each in a
# new build tree at a path of its own and under a different time zone and
# umask, and checks that both builds give the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."

trees=(build/reproducible/first build/reproducible-second/tree)
zones=(UTC Asia/Tokyo)
masks=(022 077)
for i in 0 1; do
  rm -rf "${trees[$i]}"
  (
    umask "${masks[$i]}"
    export TZ=${zones[$i]}
    cmake --preset windows -B "${trees[$i]}" >/dev/null
    cmake --build "${trees[$i]}" --target player_package >/dev/null
  )
done

status=0
package=$(cd "${trees[0]}" && echo package/vlcfg-*.zip)
for file in vlcfg.exe "$package"; do
  a=${trees[0]}/$file b=${trees[1]}/$file
  if cmp -s "$a" "$b"; then
    echo "reproducible: $file $(sha256sum "$a" | cut -c1-16)… in both builds"
  else
    echo "reproducible: $file differs between $a and $b" >&2
    status=1
  fi
done
exit "$status"
