#!/usr/bin/env bash
# Sets up the machine, builds vlcfg.exe and packs the player package,
# build/windows/package/vlcfg-<version>.zip: vlcfg.exe and the player's guide
# in Japanese and English.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake --preset windows >/dev/null
# Packed anew, so the entries carry the time of the current commit.
rm -rf build/windows/package
cmake --build --preset windows --target player_package
ctest --test-dir build/windows -R '^player_package_contents$' --output-on-failure >/dev/null
echo "vlcfg: $(ls build/windows/package/vlcfg-*.zip)"
