#!/usr/bin/env bash
# cppcheck on all of the tool's code; clang-tidy (.clang-tidy) on the
# platform-free code through the host tree's compile database, and on the
# Win32 code for the MinGW target with the cross compiler's own C++ headers.
# Fails on any finding.
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

mingw_cxx_includes=()
while read -r dir; do
  mingw_cxx_includes+=(-isystem "$dir")
done < <(echo | i686-w64-mingw32-g++-posix -xc++ -E -v - 2>&1 |
  sed -n '/#include <...> search starts here/,/End of search/p' | sed -n 's|^ \(/.*c++.*\)$|\1|p')
status=0
output=$(clang-tidy --quiet \
  src/settings/settings_file.cpp src/dialog/settings_dialog.cpp src/frame/winmain.cpp \
  src/frame/locks_win.cpp src/frame/program_paths_win.cpp src/frame/version_gate_win.cpp \
  src/frame/messages.cpp src/frame/platform_text.cpp -- \
  --target=i686-w64-mingw32 -std=c++17 "${mingw_cxx_includes[@]}" -Isrc -Ires \
  -DWINVER=0x0501 -D_WIN32_WINNT=0x0501 2>&1) || status=$?
grep -v -E '^[0-9]+ warnings? generated\.$' <<<"$output" || true
[ "$status" -eq 0 ] || { echo "static analysis: clang-tidy found problems in the Win32 code"; exit 1; }
echo "static analysis: cppcheck and clang-tidy found nothing"
