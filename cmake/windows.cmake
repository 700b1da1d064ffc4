# Windows tree: vlcfg.exe and the tests that run it, or the real API, under Wine.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# No DLLs beyond the system's: the runtime libraries are linked in.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

add_library(vlcfg_core STATIC ${VLCFG_CORE_SOURCES})
target_include_directories(vlcfg_core PUBLIC src res)
vlcfg_warnings(vlcfg_core)

# The tool's Win32 side. Literals become Shift-JIS; they reach the platform
# through the narrow text calls, or the wide ones where the system's code page
# is not 932 (src/frame/platform_text.cpp).
add_library(vlcfg_win STATIC
  src/frame/messages.cpp
  src/frame/platform_text.cpp
  src/frame/program_paths_win.cpp
  src/frame/version_gate_win.cpp
  src/frame/locks_win.cpp
  src/settings/settings_file.cpp
  src/dialog/settings_dialog.cpp
)
target_link_libraries(vlcfg_win PUBLIC vlcfg_core)
target_compile_options(vlcfg_win PRIVATE -fexec-charset=CP932)
target_compile_definitions(vlcfg_win PUBLIC WINVER=0x0501 _WIN32_WINNT=0x0501)
vlcfg_warnings(vlcfg_win)

# COMCTL32 exports InitCommonControls by ordinal 17 only.
set(comctl32_import ${CMAKE_CURRENT_BINARY_DIR}/libcomctl32_ordinal.a)
add_custom_command(
  OUTPUT ${comctl32_import}
  COMMAND ${VLCFG_DLLTOOL} -d ${CMAKE_CURRENT_SOURCE_DIR}/cmake/comctl32_ordinal.def -l ${comctl32_import}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/comctl32_ordinal.def
  COMMENT "Import library for COMCTL32 by ordinal")
add_custom_target(comctl32_ordinal DEPENDS ${comctl32_import})

set(icon ${CMAKE_CURRENT_BINARY_DIR}/res/vlcfg.ico)
add_custom_command(
  OUTPUT ${icon}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/res
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/res/make_icon.py ${icon}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/res/make_icon.py
  COMMENT "Drawing the icon")
configure_file(res/version.h.in ${CMAKE_CURRENT_BINARY_DIR}/res/version.h @ONLY)
set_source_files_properties(res/vlcfg.rc PROPERTIES
  OBJECT_DEPENDS "${icon};${CMAKE_CURRENT_SOURCE_DIR}/res/vlcfg.manifest;${CMAKE_CURRENT_SOURCE_DIR}/res/resource.h")

add_executable(vlcfg WIN32 src/frame/winmain.cpp res/vlcfg.rc)
target_link_options(vlcfg PRIVATE -s)
target_include_directories(vlcfg PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/res)
target_link_libraries(vlcfg PRIVATE vlcfg_win ${comctl32_import})
add_dependencies(vlcfg comctl32_ordinal)
target_compile_options(vlcfg PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fexec-charset=CP932>)
vlcfg_warnings(vlcfg)

include(cmake/wine_tests.cmake)
include(cmake/bench.cmake)
include(cmake/package.cmake)
