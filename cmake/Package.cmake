# The Debian package: `cpack -G DEB` in a build folder (scripts/package makes
# one for /usr) gives sortarium_VERSION_amd64.deb with what cmake/Install.cmake
# installs. The libraries it needs are found by dpkg-shlibdeps; the fonts are
# data, so they are named here. The window draws with its own fonts, but its
# message boxes are SDL's, drawn with the X server's fonts: xfonts-base gives
# them Cyrillic letters (without it "возрастание" comes out as Latin ones).
set(SORTARIUM_MAINTAINER "Сортарий maintainers <maintainers@sortarium.org>" CACHE STRING
  "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sortarium)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Trainer for selection sort (Сортарий)")
set(CPACK_PACKAGE_DESCRIPTION "Сортарий teaches selection sort to school pupils: a row of ten numbers is sorted by
hand or by the program, slowly enough to follow, beside the Pascal program that sorts it.
sortarium-script plays lesson scripts without a display and records them as GIFs for slides.")
set(CPACK_PACKAGE_CONTACT ${SORTARIUM_MAINTAINER})
# The compiled-in data folder and the desktop entry's Path name the install
# prefix, so the package must install exactly there.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core | fonts-liberation2, xfonts-base")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SORTARIUM_HOMEPAGE})
include(CPack)
