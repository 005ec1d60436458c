# What `cmake --install` puts beside the program, and the Debian package CPack makes of it all.
# Included from the top-level CMakeLists.txt, after the program's own install rule.

set(EXISOSI_APP_ID org.exisosi.exisosi)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${EXISOSI_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${EXISOSI_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Installing and packaging take the build as it stands and never rebuild it first (build, then
# install): a package made while tests run must not relink the programs under test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME exisosi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "exisosi developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clock correction against a sundial for every day of the year")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "For a longitude and a time zone the program shows how far the zone's clock is"
  "ahead of a sundial at that place on every day of the year, as a year diagram"
  "or as a table of one month's days. The window is in Greek.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries come from the program's own links (dpkg-shlibdeps); the captions need the
# substitute font, which nothing links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
