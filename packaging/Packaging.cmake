# The Debian package: `cpack -G DEB` in the build folder makes pelmora_<version>_<arch>.deb with
# the executable in /usr/games and the game folder in /usr/share/games/pelmora (install rules in
# src/app/), plus the AppStream metainfo, the man page, the copyright file and the changelog.
if(PELMORA_CORE_ONLY)
  return()
endif()

set(PELMORA_HOMEPAGE https://pelmora.example.org/)
set(PELMORA_MAINTAINER "Pelmora developers <team@pelmora.example.org>")
set(packaging ${CMAKE_CURRENT_LIST_DIR})

# Debian wants the man page and the changelog compressed, without a time stamp in the gzip
# header so that the package is the same from build to build.
set(man_gz ${CMAKE_BINARY_DIR}/packaging/pelmora.6.gz)
set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${man_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND sh -c "gzip -9n -c '${packaging}/pelmora.6' > '${man_gz}'"
  DEPENDS ${packaging}/pelmora.6 VERBATIM)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND sh -c "gzip -9n -c '${packaging}/changelog' > '${changelog_gz}'"
  DEPENDS ${packaging}/changelog VERBATIM)
add_custom_target(pelmora_packaging_files ALL DEPENDS ${man_gz} ${changelog_gz})

install(FILES ${packaging}/org.example.pelmora.metainfo.xml DESTINATION share/metainfo)
install(FILES ${man_gz} DESTINATION share/man/man6)
install(FILES ${packaging}/copyright ${changelog_gz} DESTINATION share/doc/pelmora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelmora)
set(CPACK_PACKAGE_VENDOR "Pelmora developers")
set(CPACK_PACKAGE_CONTACT "${PELMORA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of grabbing and throwing pieces, for mouse or keyboard")
# The long description, wrapped for 80-column terminals.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Pieces of eight kinds hang from the top of a ten-column field. Move under"
  "a column, click to grab its lowest run of one kind, and click again to"
  "throw the whole hand up under another column: three or more of the thrown"
  "kind at the bottom of a column vanish. Every 20 seconds the field comes"
  "one row closer. The keyboard plays as well as the mouse."
  ""
  "The game has four difficulty modes, several picture sets, music and sound"
  "effects, and a leaderboard of the ten best scores. It speaks Chinese and"
  "English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PELMORA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELMORA_MAINTAINER}")
# The libraries come from what the executable links; the GStreamer plugins keep Qt's sound from
# crashing on a machine without an audio device, and nothing links them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# Chinese text on screen, Chinese captions on the standard dialogue buttons, and Qt's own way to
# a Wayland desktop (without it the game runs there through XWayland).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Tests: the package is built once into its own folder, then checked. The window test
# tests/e2e/installed_read_only.sh runs the game from it.
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
set(PELMORA_TEST_DEB ${CMAKE_BINARY_DIR}/package-test/pelmora_${PROJECT_VERSION}_${arch}.deb)
add_test(NAME Package.build
  COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -B ${CMAKE_BINARY_DIR}/package-test)
set_tests_properties(Package.build PROPERTIES FIXTURES_SETUP pelmora_deb LABELS package TIMEOUT 300)
foreach(check contents depends desktop metainfo lintian)
  add_test(NAME Package.${check} COMMAND bash ${packaging}/check_package.sh ${check} ${PELMORA_TEST_DEB})
  set_tests_properties(Package.${check} PROPERTIES FIXTURES_REQUIRED pelmora_deb LABELS package TIMEOUT 120)
endforeach()
