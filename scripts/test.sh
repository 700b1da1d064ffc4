#!/usr/bin/env bash
# Sets up the machine, builds both trees and runs every test:
# the platform-free logic natively under ASan and UBSan, then the tool and
# the real API under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

cmake --preset host
cmake --build --preset host
cmake --preset windows
cmake --build --preset windows

status=0
./scripts/static-analysis.sh || status=1
# Two more clean builds of vlcfg.exe and the player package, compared.
./scripts/reproducible-build-test.sh || status=1
ctest --preset host -j2 || status=1
# Nothing of Wine's may outlive the run, whatever happened to the tests.
trap 'tests/wine/wine-env.sh stop build/windows/wine' EXIT
ctest --preset windows -j2 || status=1
exit "$status"
