# The player package, vlcfg-<version>.zip: vlcfg.exe and the player's guide,
# versioned from project(VERSION) like the version resource.
set(make_package ${CMAKE_CURRENT_SOURCE_DIR}/release/make_package.py)
set(guide_ja ${CMAKE_CURRENT_SOURCE_DIR}/release/guide-ja.txt)
set(guide_en ${CMAKE_CURRENT_SOURCE_DIR}/release/guide-en.txt)
set(VLCFG_PACKAGE ${CMAKE_CURRENT_BINARY_DIR}/package/vlcfg-${PROJECT_VERSION}.zip)

add_custom_command(
  OUTPUT ${VLCFG_PACKAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/package
  COMMAND ${Python3_EXECUTABLE} ${make_package} --version ${PROJECT_VERSION} --exe $<TARGET_FILE:vlcfg>
    --guide-ja ${guide_ja} --guide-en ${guide_en} --source-dir ${CMAKE_CURRENT_SOURCE_DIR} --out ${VLCFG_PACKAGE}
  DEPENDS vlcfg ${make_package} ${guide_ja} ${guide_en}
  COMMENT "Packing vlcfg-${PROJECT_VERSION}.zip")
add_custom_target(player_package ALL DEPENDS ${VLCFG_PACKAGE})

add_test(NAME player_package_contents
  COMMAND ${Python3_EXECUTABLE} ${make_package} --check --version ${PROJECT_VERSION}
    --exe $<TARGET_FILE:vlcfg> --out ${VLCFG_PACKAGE})
