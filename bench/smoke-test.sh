#!/usr/bin/env bash
# One short round of the benchmark in the tests' Wine environment, so the
# driver and the report keep working: every program must reach its dialog,
# end with 0 after Cancel and appear in the table.
#
#   smoke-test.sh STATE_DIR BUILD_TREE
set -euo pipefail

state=$1 tree=$2
here=$(cd "$(dirname "$0")" && pwd)
game=$tree/bench-smoke
rm -rf "$game"
mkdir -p "$game"
cp "$tree/vlcfg.exe" "$tree/bare_dialog.exe" "$tree/dialog_only.exe" "$game/"
windows_game=$(realpath "$game")
windows_game="Z:${windows_game//\//\\}"

"$here/../tests/wine/wine-env.sh" run "$state" --timeout 100 "$tree/time_to_dialog.exe" --runs 2 --warmup 0 \
  "bare_dialog=$windows_game\\bare_dialog.exe" \
  "dialog_only=$windows_game\\dialog_only.exe" \
  "vlcfg=$windows_game\\vlcfg.exe" >"$game/runs.txt"
python3 "$here/report.py" --inputs "$tree/bench-inputs.json" --runs "$game/runs.txt" >"$game/report.md"
cat "$game/report.md"
[ "$(grep -c '^run ' "$game/runs.txt")" -eq 6 ] || { echo "expected 2 runs of each of 3 programs"; exit 1; }
