#!/usr/bin/env bash
# One benchmark: copies the programs of the build tree's bench-inputs.json
# into GAME, times them there with time_to_dialog.exe in the Wine
# environment STATE (already started), and writes GAME/runs.txt and the
# table, GAME/report.md, which also goes to standard output.
#
#   run.sh STATE_DIR BUILD_TREE GAME RUNS WARMUP [MACHINE_TEXT]
set -euo pipefail

state=$1 tree=$2 game=$3 runs=$4 warmup=$5 machine=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
inputs=$tree/bench-inputs.json

rm -rf "$game"
mkdir -p "$game"
# Wine maps drive Z: to the Linux root.
windows_game=$(realpath "$game")
windows_game="Z:${windows_game//\//\\}"
programs=()
while read -r name path; do
  cp "$path" "$game/"
  programs+=("$name=$windows_game\\$(basename "$path")")
done < <(python3 -c 'import json, sys
for name, path in json.load(open(sys.argv[1]))["programs"].items(): print(name, path)' "$inputs")

"$here/../tests/wine/wine-env.sh" run "$state" --timeout $((60 + runs * 10)) "$tree/time_to_dialog.exe" \
  --runs "$runs" --warmup "$warmup" "${programs[@]}" >"$game/runs.txt"
python3 "$here/report.py" --inputs "$inputs" --runs "$game/runs.txt" --machine "$machine" --out "$game/report.md"
