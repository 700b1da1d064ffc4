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
