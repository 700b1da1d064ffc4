#!/usr/bin/env bash
# Sets up the machine, builds vlcfg.exe and starts it on a demo game folder
# (build/windows/demo-game) under Wine. On $DISPLAY when one is set; without
# one, under Xvfb, where it takes a screenshot of the dialog
# (build/windows/demo-screenshot.png) and closes it again.
#
#   scripts/run-demo.sh [LOCALE]   LOCALE: the player's locale, ja_JP.UTF-8
#                                  (code page 932) unless another is named,
#                                  such as en_US.UTF-8
set -euo pipefail
cd "$(dirname "$0")/.."
locale=(--locale "${1:-ja_JP.UTF-8}")

./scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target vlcfg demo_capture

game=build/windows/demo-game
state=build/windows/wine-demo
mkdir -p "$game"
cp build/windows/vlcfg.exe "$game/vlcfg.exe"

if [ -n "${DISPLAY:-}" ]; then
  trap 'tests/wine/wine-env.sh stop "$state"' EXIT
  VLCFG_DISPLAY=$DISPLAY tests/wine/wine-env.sh start "$state"
  echo "vlcfg: the settings dialog is open; its file is $game/vlcfg.dat"
  VLCFG_DISPLAY=$DISPLAY tests/wine/wine-env.sh run "$state" --timeout 86400 "${locale[@]}" "$game/vlcfg.exe"
else
  trap 'tests/wine/wine-env.sh stop "$state"' EXIT
  tests/wine/wine-env.sh start "$state"
  shot=build/windows/demo-screenshot
  # Wine maps drive Z: to the Linux root.
  windows_game=$(realpath "$game")
  windows_game="Z:${windows_game//\//\\}"
  tests/wine/wine-env.sh run "$state" --timeout 60 "${locale[@]}" build/windows/demo_capture.exe \
    "$windows_game\\vlcfg.exe" "$shot.bmp"
  convert "$shot.bmp" "$shot.png"
  rm -f "$shot.bmp"
  echo "vlcfg: no display, so the dialog was drawn under Xvfb: $shot.png"
  echo "vlcfg: the demo game's settings file is $game/vlcfg.dat"
fi
