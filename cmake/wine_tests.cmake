# Windows-side tests, run by ctest under Wine. They share one Wine
# environment per build tree (prefix, Xvfb, wineserver), set up and ended by
# ctest fixtures, so a single test can also be run on its own.
set(VLCFG_WINE_STATE ${CMAKE_CURRENT_BINARY_DIR}/wine)
set(wine_env ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/wine-env.sh)
set(fault_files ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/fault-files.sh)
set(VLCFG_FAULT_DIR ${CMAKE_CURRENT_BINARY_DIR}/fault-files)

# Wine maps drive Z: to the Linux root.
function(vlcfg_windows_path out unix_path)
  string(REPLACE "/" "\\" path "${unix_path}")
  set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()
vlcfg_windows_path(fault_dir_windows ${VLCFG_FAULT_DIR})
vlcfg_windows_path(tool_windows ${CMAKE_CURRENT_BINARY_DIR}/vlcfg.exe)

add_test(NAME wine_environment_start COMMAND ${wine_env} start ${VLCFG_WINE_STATE})
set_tests_properties(wine_environment_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
add_test(NAME wine_environment_stop COMMAND ${wine_env} stop ${VLCFG_WINE_STATE})
set_tests_properties(wine_environment_stop PROPERTIES FIXTURES_CLEANUP wine)

# Files no Windows program can make for itself: a link to /dev/full, and
# immutable files and folders (root ignores permission bits).
add_test(NAME fault_files_create COMMAND ${fault_files} create ${VLCFG_FAULT_DIR} $<TARGET_FILE:vlcfg>)
set_tests_properties(fault_files_create PROPERTIES FIXTURES_SETUP faults)
add_test(NAME fault_files_remove COMMAND ${fault_files} remove ${VLCFG_FAULT_DIR})
set_tests_properties(fault_files_remove PROPERTIES FIXTURES_CLEANUP faults)

add_library(window_probe STATIC tests/windows/window_probe.cpp tests/windows/test_files.cpp)
target_link_libraries(window_probe PUBLIC GTest::gtest)
target_include_directories(window_probe PUBLIC tests/windows)
vlcfg_warnings(window_probe)

add_executable(windows_tests
  tests/windows/settings_file_test.cpp
  tests/windows/locks_test.cpp
)
target_link_libraries(windows_tests PRIVATE vlcfg_win window_probe GTest::gtest_main)
vlcfg_warnings(windows_tests)

# LOCALE runs the program under another locale than the Japanese one, and
# tells it the code page that locale must give.
function(vlcfg_wine_test name)
  cmake_parse_arguments(arg "" "TIMEOUT;LOCALE;CODE_PAGE" "COMMAND;FIXTURES" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 110)
  endif()
  set(locale)
  if(arg_LOCALE)
    set(locale --locale ${arg_LOCALE})
  endif()
  add_test(NAME ${name}
    COMMAND ${wine_env} run ${VLCFG_WINE_STATE} --timeout ${arg_TIMEOUT} ${locale} ${arg_COMMAND})
  # ctest's own limit stays above the wrapper's, which ends the prefix's
  # processes when it is reached.
  math(EXPR ctest_timeout "${arg_TIMEOUT} + 40")
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED "wine;${arg_FIXTURES}"
    TIMEOUT ${ctest_timeout}
    ENVIRONMENT "VLCFG_FAULT_DIR=${fault_dir_windows};VLCFG_EXE=${tool_windows};VLCFG_CODE_PAGE=${arg_CODE_PAGE}")
endfunction()

vlcfg_wine_test(windows_unit_tests COMMAND $<TARGET_FILE:windows_tests> FIXTURES faults)

add_library(tool_process STATIC tests/windows/tool_process.cpp)
target_link_libraries(tool_process PUBLIC window_probe)
target_include_directories(tool_process PUBLIC res)
vlcfg_warnings(tool_process)

add_executable(demo_capture tests/windows/demo_capture.cpp)
target_link_libraries(demo_capture PRIVATE tool_process)
vlcfg_warnings(demo_capture)

add_executable(tool_tests
  tests/windows/resources_test.cpp
  tests/windows/dialog_e2e_test.cpp
  tests/windows/startup_e2e_test.cpp
  tests/windows/hardening_e2e_test.cpp
  tests/windows/code_page_e2e_test.cpp
  tests/windows/split_agreement_test.cpp
)
target_link_libraries(tool_tests PRIVATE vlcfg_win tool_process GTest::gtest_main version)
add_dependencies(tool_tests vlcfg)
vlcfg_warnings(tool_tests)

vlcfg_wine_test(resource_tests COMMAND $<TARGET_FILE:tool_tests> --gtest_filter=Resources.*)
vlcfg_wine_test(dialog_tests COMMAND $<TARGET_FILE:tool_tests> --gtest_filter=DialogScenario.* FIXTURES faults)
vlcfg_wine_test(startup_tests COMMAND $<TARGET_FILE:tool_tests> --gtest_filter=StartupScenario.* FIXTURES faults)
# Runs of the tool share the start-up lock of the whole prefix: one test
# that starts the tool at a time.

# The sweep starts the tool 128 times: about 110 s where 32-bit code is
# emulated.
vlcfg_wine_test(hardening_tests TIMEOUT 300 COMMAND $<TARGET_FILE:tool_tests> --gtest_filter=DamagedFiles.*:FaultTable.* FIXTURES faults)
# The same texts, record, folders and locks on systems of other code pages
# (932 for comparison): Western European, Simplified Chinese, Korean,
# Traditional Chinese, and UTF-8 (Windows' UTF-8 option); and the runtime's
# path split against the tool's.
set(code_page_tests)
foreach(locale_code_page ja_JP.UTF-8:932 en_US.UTF-8:1252 zh_CN.UTF-8:936 ko_KR.UTF-8:949 zh_TW.UTF-8:950 hi_IN.UTF-8:65001)
  string(REPLACE ":" ";" pair ${locale_code_page})
  list(GET pair 0 locale)
  list(GET pair 1 code_page)
  vlcfg_wine_test(code_page_${code_page}_tests LOCALE ${locale} CODE_PAGE ${code_page}
    COMMAND $<TARGET_FILE:tool_tests> --gtest_filter=CodePage.*:SplitAgreement.* FIXTURES faults)
  list(APPEND code_page_tests code_page_${code_page}_tests)
endforeach()
set_tests_properties(dialog_tests startup_tests hardening_tests ${code_page_tests} PROPERTIES RESOURCE_LOCK vlcfg_runs)

# Start paths at the edge of the platform's path buffer: Windows programs
# cannot start such a path, so these runs start the tool from Linux.
add_executable(start_path_probe tests/windows/start_path_probe.cpp)
target_link_libraries(start_path_probe PRIVATE tool_process)
vlcfg_warnings(start_path_probe)
set(start_path_test ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/start-path-test.sh)
# The folder name, then what the tool must show.
set(start_path_runs
  start_path_260_opens_the_dialog:start260:dialog
  start_path_261_is_refused:start261:refused
  # The runtime's split empties (or cuts) the directory: the folder the tool
  # would use is not its own.
  start_path_over_long_directory_is_refused:startdir256:refused)
foreach(run ${start_path_runs})
  string(REPLACE ":" ";" run ${run})
  list(GET run 0 name)
  list(GET run 1 folder)
  list(GET run 2 expect)
  add_test(NAME ${name}
    COMMAND ${start_path_test} ${VLCFG_WINE_STATE} $<TARGET_FILE:start_path_probe> ${VLCFG_FAULT_DIR} ${folder} ${expect})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "wine;faults" RESOURCE_LOCK vlcfg_runs TIMEOUT 150)
endforeach()
