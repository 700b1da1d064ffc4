#!/usr/bin/env bash
# Sets up the machine, builds vlcfg.exe and the benchmark's programs, and
# measures under Wine: time from CreateProcess to a dialog ready for input,
# peak working set, file and section sizes against a bare dialog program,
# and whether the tool's own code calls a heap allocator.
#
#   scripts/bench.sh [RUNS]     RUNS interleaved runs per program (25)
#
# The table goes to standard output and build/windows/bench-report.md.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-25}

./scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target vlcfg bare_dialog dialog_only time_to_dialog

tree=build/windows
game=$tree/bench-game
state=$tree/wine-bench
rm -rf "$game"
mkdir -p "$game"
cp "$tree/vlcfg.exe" "$tree/bare_dialog.exe" "$tree/dialog_only.exe" "$game/"

trap 'tests/wine/wine-env.sh stop "$state"' EXIT
tests/wine/wine-env.sh start "$state"
# Wine maps drive Z: to the Linux root.
windows_game=$(realpath "$game")
windows_game="Z:${windows_game//\//\\}"
tests/wine/wine-env.sh run "$state" --timeout $((60 + runs * 10)) "$tree/time_to_dialog.exe" --runs "$runs" \
  "bare_dialog=$windows_game\\bare_dialog.exe" \
  "dialog_only=$windows_game\\dialog_only.exe" \
  "vlcfg=$windows_game\\vlcfg.exe" >"$tree/bench-runs.txt"

machine="$(wine --version), $(nproc) cores ($(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1))."
python3 bench/report.py --inputs "$tree/bench-inputs.json" --runs "$tree/bench-runs.txt" \
  --machine "$machine" --out "$tree/bench-report.md"
