# The benchmark's programs, built the way vlcfg.exe is (same toolchain,
# flags, resources and manifest), and the driver that times them under Wine.
# scripts/bench.sh runs them.
function(vlcfg_bench_program name source)
  add_executable(${name} WIN32 ${source} res/vlcfg.rc)
  target_link_options(${name} PRIVATE -s)
  target_include_directories(${name} PRIVATE res ${CMAKE_CURRENT_BINARY_DIR}/res)
  target_compile_definitions(${name} PRIVATE WINVER=0x0501 _WIN32_WINNT=0x0501)
  target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=CP932>)
  vlcfg_warnings(${name})
endfunction()

# The yardstick: nothing but DialogBoxParamA.
vlcfg_bench_program(bare_dialog bench/bare_dialog.cpp)
# The bare program with the tool's dialog procedure.
vlcfg_bench_program(dialog_only bench/dialog_only.cpp)
target_link_libraries(dialog_only PRIVATE vlcfg_win)

add_executable(time_to_dialog bench/time_to_dialog.cpp)
target_link_libraries(time_to_dialog PRIVATE vlcfg_win psapi)
target_compile_options(time_to_dialog PRIVATE -fexec-charset=CP932)
vlcfg_warnings(time_to_dialog)

# The tool's own code calls no heap allocator; the check is first shown to
# recognise every allocator it looks for.
set(heap_check ${CMAKE_CURRENT_SOURCE_DIR}/bench/heap_check.py)
set(tool_objects "$<TARGET_OBJECTS:vlcfg_core>;$<TARGET_OBJECTS:vlcfg_win>;$<TARGET_OBJECTS:vlcfg>")
add_library(allocation_probe OBJECT tests/windows/allocation_probe.cpp)
add_test(NAME heap_check_recognises_allocators
  COMMAND ${Python3_EXECUTABLE} ${heap_check} --nm ${CMAKE_NM}
    --must-find malloc,calloc,realloc,_strdup,_Znaj,_Znwj,HeapAlloc,LocalAlloc,GlobalAlloc,VirtualAlloc,fopen,__cxa_allocate_exception
    $<TARGET_OBJECTS:allocation_probe>
  COMMAND_EXPAND_LISTS)
add_test(NAME tool_logic_allocates_nothing
  COMMAND ${Python3_EXECUTABLE} ${heap_check} --nm ${CMAKE_NM}
    "${tool_objects}"
  COMMAND_EXPAND_LISTS)

# What the benchmark and its report need to know of this tree.
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/bench-inputs.json CONTENT "{
  \"nm\": \"${CMAKE_NM}\",
  \"tool\": \"vlcfg\",
  \"bare\": \"bare_dialog\",
  \"limit\": \"dialog_only\",
  \"programs\": {
    \"bare_dialog\": \"$<TARGET_FILE:bare_dialog>\",
    \"dialog_only\": \"$<TARGET_FILE:dialog_only>\",
    \"vlcfg\": \"$<TARGET_FILE:vlcfg>\"
  },
  \"tool_objects\": [\"$<JOIN:${tool_objects},\"$<COMMA>\">\"]
}
")

add_test(NAME benchmark_smoke
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/bench/smoke-test.sh ${VLCFG_WINE_STATE} ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(benchmark_smoke PROPERTIES
  FIXTURES_REQUIRED wine RESOURCE_LOCK vlcfg_runs TIMEOUT 150)
