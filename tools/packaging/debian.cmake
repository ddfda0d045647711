# The manual page and the Debian package (cpack -G DEB in a release build).

include(GNUInstallDirs)

# Debian ships manual pages compressed; -n keeps the archive the same from
# one build to the next.
find_program(TT_GZIP gzip REQUIRED)
configure_file(${CMAKE_SOURCE_DIR}/docs/turnip-trek.6 ${CMAKE_BINARY_DIR}/turnip-trek.6 @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/turnip-trek.6.gz
  COMMAND ${TT_GZIP} -9nkf ${CMAKE_BINARY_DIR}/turnip-trek.6
  DEPENDS ${CMAKE_BINARY_DIR}/turnip-trek.6 ${CMAKE_SOURCE_DIR}/docs/turnip-trek.6
  COMMENT "Compressing the manual page")
add_custom_target(manual_page ALL DEPENDS ${CMAKE_BINARY_DIR}/turnip-trek.6.gz)
install(FILES ${CMAKE_BINARY_DIR}/turnip-trek.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME turnip-trek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Turnip Trek 2 developers")
set(CPACK_PACKAGE_CONTACT "The Turnip Trek 2 developers <turnip-trek@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small platform game: pick a hero, pull vegetables, ride the enemy")
set(CPACK_PACKAGE_DESCRIPTION
  "Pick one of six characters and press GO!. On the play field your hero walks,\n"
  "jumps, climbs the ladder and the vine, pulls vegetables out of the ground and\n"
  "throws them, lands on the enemy and rides it, lifts it and throws it, and\n"
  "loses an energy marker at each touch of it.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TT_HOMEPAGE})
# The shared libraries are worked out from the program; the fonts it draws
# its text in and Qt's window-system plugins are loaded at run time, so no
# library tells of them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dancingscript, fonts-wine")
include(CPack)
