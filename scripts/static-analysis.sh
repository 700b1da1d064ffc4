#!/usr/bin/env bash
# cppcheck on all of the tool's code, clang-tidy (.clang-tidy) on its
# platform-free code through the host tree's compile database. Fails on any
# finding.
set -euo pipefail
cd "$(dirname "$0")/.."

cppcheck --enable=warning,style,performance,portability --std=c++17 --language=c++ \
  -I src -I res --suppress=missingIncludeSystem --inline-suppr --error-exitcode=1 -q -D_WIN32 src

cmake --preset host -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
# Findings are errors (WarningsAsErrors); the counts of suppressed
# system-header warnings are left out of the output.
status=0
output=$(clang-tidy -p build/host --quiet \
  src/frame/sjis.cpp src/frame/program_paths.cpp src/frame/version_table.cpp \
  src/settings/settings_record.cpp src/dialog/settings_binding.cpp 2>&1) || status=$?
grep -v -E '^[0-9]+ warnings? generated\.$' <<<"$output" || true
[ "$status" -eq 0 ] || { echo "static analysis: clang-tidy found problems"; exit 1; }
echo "static analysis: cppcheck and clang-tidy found nothing"
