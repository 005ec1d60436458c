# What `cmake --install` puts beside the program, and the Debian package CPack makes of it all.
# Included from the top-level CMakeLists.txt, after the program's own install rule.

set(EXISOSI_APP_ID org.exisosi.exisosi)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${EXISOSI_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${EXISOSI_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon, in the hicolor theme under the application's id, as the desktop entry names it: the
# drawing for any size, and the PNGs rendered from the drawings (scripts/update-icons.sh, which
# also makes the Windows icon) for the sizes menus and panels ask for.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/exisosi.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${EXISOSI_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${size}x${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${EXISOSI_APP_ID}.png)
endforeach()

# The manual page and the changelog are installed gzipped, as Debian keeps them; gzip -n leaves
# the name and time out of the header, so the same source always gives the same file. They are
# made as the build is configured (installing builds nothing, see below), and again whenever
# their sources change.
find_program(EXISOSI_GZIP gzip REQUIRED)
function(exisosi_gzip source target)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  execute_process(COMMAND ${EXISOSI_GZIP} -9 -n -c ${source} OUTPUT_FILE ${target}
    COMMAND_ERROR_IS_FATAL ANY)
endfunction()
set(EXISOSI_PACKAGING_BINARY_DIR ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${EXISOSI_PACKAGING_BINARY_DIR})
exisosi_gzip(${CMAKE_CURRENT_LIST_DIR}/exisosi.1 ${EXISOSI_PACKAGING_BINARY_DIR}/exisosi.1.gz)
exisosi_gzip(${CMAKE_CURRENT_LIST_DIR}/changelog ${EXISOSI_PACKAGING_BINARY_DIR}/changelog.gz)
install(FILES ${EXISOSI_PACKAGING_BINARY_DIR}/exisosi.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The copyright file and the changelog (a native package: changelog.gz, not
# changelog.Debian.gz) are where Debian looks for them.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${EXISOSI_PACKAGING_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# lintian --pedantic finds nothing to say of the package today. Should a tag ever be kept on
# purpose, it goes in packaging/lintian-overrides with its reason, and is installed from there.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME exisosi)
endif()

# Installing and packaging take the build as it stands and never rebuild it first (build, then
# install): a package made while tests run must not relink the programs under test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME exisosi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Whoever builds the package names themselves here, as `Name <address>`:
#   cmake -DEXISOSI_MAINTAINER="Ada Builder <ada@example.net>" ...
set(EXISOSI_MAINTAINER "exisosi developers <exisosi@example.org>" CACHE STRING
  "The Debian package's Maintainer, as Name <address>")
if(NOT EXISOSI_MAINTAINER MATCHES "^[^<>@]*[^<>@ ] <[^<>@ ]+@[^<>@ ]+\\.[^<>@ ]+>$")
  message(FATAL_ERROR "EXISOSI_MAINTAINER must read 'Name <address>', not '${EXISOSI_MAINTAINER}'")
endif()
set(CPACK_PACKAGE_CONTACT "${EXISOSI_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${EXISOSI_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clock correction against a sundial for every day of the year")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A Greek-language desktop tool that shows, for a place's longitude and a time"
  "zone, the clock correction of every day of the year: how far the zone's clock"
  "is ahead of a sundial there; as a year diagram or a month's table.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries come from the program's own links (dpkg-shlibdeps); the captions need the
# substitute font, which nothing links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# In a Wayland session the program is a Wayland client where Qt's plugin is there, else XWayland's.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
