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
state=$tree/wine-bench
trap 'tests/wine/wine-env.sh stop "$state"' EXIT
tests/wine/wine-env.sh start "$state"
machine="$(wine --version), $(nproc) cores ($(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1))."
bench/run.sh "$state" "$tree" "$tree/bench-game" "$runs" 2 "$machine"
cp "$tree/bench-game/report.md" "$tree/bench-report.md"
