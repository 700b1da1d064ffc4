#!/usr/bin/env bash
# One short round of the benchmark in the tests' Wine environment, so the
# driver and the report keep working: every program must reach its dialog,
# end with 0 after Cancel and appear in the table.
#
#   smoke-test.sh STATE_DIR BUILD_TREE
set -euo pipefail

state=$1 tree=$2
game=$tree/bench-smoke
"$(dirname "$0")/run.sh" "$state" "$tree" "$game" 2 0
[ "$(grep -c '^run ' "$game/runs.txt")" -eq 6 ] || { echo "expected 2 runs of each of 3 programs"; exit 1; }
