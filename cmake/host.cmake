# Host tree: the platform-free logic and its unit tests, native g++.
if(VLCFG_SANITIZE)
  set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${sanitize})
  add_link_options(${sanitize})
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

add_library(vlcfg_core STATIC ${VLCFG_CORE_SOURCES})
target_include_directories(vlcfg_core PUBLIC src res)
vlcfg_warnings(vlcfg_core)

add_executable(host_tests
  tests/host/sjis_test.cpp
  tests/host/program_paths_test.cpp
  tests/host/settings_record_test.cpp
  tests/host/settings_binding_test.cpp
  tests/host/version_table_test.cpp
)
target_link_libraries(host_tests PRIVATE vlcfg_core GTest::gtest_main)
vlcfg_warnings(host_tests)

include(GoogleTest)
gtest_discover_tests(host_tests DISCOVERY_TIMEOUT 30)

# Fuzz targets, built with clang's libFuzzer beside the g++ tree. A short
# bounded run of each is part of the tests; tests/fuzz/README.md tells how
# to run them longer.
find_program(VLCFG_CLANGXX clang++)
if(VLCFG_CLANGXX)
  set(fuzz_sources ${CMAKE_CURRENT_SOURCE_DIR}/src/frame/sjis.cpp ${CMAKE_CURRENT_SOURCE_DIR}/src/frame/program_paths.cpp)
  set(VLCFG_FUZZ_SECONDS 30 CACHE STRING "Length of each fuzz target's run in the tests")
  foreach(target sjis paths)
    set(binary ${CMAKE_CURRENT_BINARY_DIR}/${target}_fuzz)
    add_custom_command(
      OUTPUT ${binary}
      COMMAND ${VLCFG_CLANGXX} -std=c++17 -g -O1 -Wall -Wextra -fsanitize=fuzzer,address,undefined
              -fno-sanitize-recover=all -I${CMAKE_CURRENT_SOURCE_DIR}/src
              ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/${target}_fuzz.cpp ${fuzz_sources} -o ${binary}
      DEPENDS tests/fuzz/${target}_fuzz.cpp ${fuzz_sources} src/frame/sjis.h src/frame/program_paths.h
      COMMENT "Building the ${target} fuzz target")
    add_custom_target(build_${target}_fuzz ALL DEPENDS ${binary})
    set(work ${CMAKE_CURRENT_BINARY_DIR}/fuzz-corpus/${target})
    add_test(NAME fuzz_${target}
      COMMAND sh -c "mkdir -p '${work}' && '${binary}' -max_total_time=${VLCFG_FUZZ_SECONDS} -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 '${work}' '${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/corpus/${target}'")
    set_tests_properties(fuzz_${target} PROPERTIES TIMEOUT 120)
  endforeach()
endif()
