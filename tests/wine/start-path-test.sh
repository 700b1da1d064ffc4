#!/usr/bin/env bash
# Starts vlcfg.exe from Linux (as `wine /path/vlcfg.exe`), which reaches
# paths longer than a Windows program can start it from, and has
# start_path_probe.exe check what it shows. Then checks the exit code and that
# no settings file was written.
#
#   start-path-test.sh STATE_DIR PROBE FAULT_DIR NAME refused|dialog
#
# The tool is the copy the fault-file fixture put in FAULT_DIR/NAME/*/ (the
# only file there).
set -euo pipefail

state=$1 probe=$2 faults=$3 name=$4 expect=$5
here=$(cd "$(dirname "$0")" && pwd)
tool=$(echo "$faults/$name"/*/*)
[ -f "$tool" ] || { echo "no tool copy at $tool"; exit 1; }
folder=$(dirname "$tool")
rm -f "$folder/vlcfg.dat"

"$here/wine-env.sh" run "$state" --timeout 60 "$tool" &
tool_pid=$!
probe_status=0
"$here/wine-env.sh" run "$state" --timeout 60 "$probe" "$expect" "$(basename "$tool")" || probe_status=$?
tool_status=0
wait "$tool_pid" || tool_status=$?

echo "Windows path: $((${#tool} + 2)) bytes; probe: $probe_status; tool exit code: $tool_status"
[ "$probe_status" -eq 0 ] || exit 1
[ "$tool_status" -eq 0 ] || { echo "the tool must end with 0"; exit 1; }
if [ "$expect" = refused ] && [ -e "$folder/vlcfg.dat" ]; then
  echo "a refused start must write no settings file"
  exit 1
fi
