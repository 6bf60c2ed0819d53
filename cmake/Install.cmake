# What `cmake --install` puts where (GNUInstallDirs): the programs in bin/,
# the listings and the skin folders in the data folder, and what the desktop
# needs to offer the program in its menu: the entry, the icons in the
# hicolor theme, the AppStream metainfo and the manual page.

set(SORTARIUM_HOMEPAGE "https://sortarium.org" CACHE STRING "The project's web page (AppStream metainfo)")
set(SORTARIUM_APPSTREAM_ID "org.sortarium.Sortarium" CACHE STRING "The AppStream component id (reverse DNS)")
# The day this version was released, for the metainfo's release list:
# change it together with the project's VERSION.
set(SORTARIUM_RELEASE_DATE "2026-12-09")
set(SORTARIUM_DOC_DIR ${CMAKE_INSTALL_FULL_DOCDIR})

set(desktop_src ${CMAKE_SOURCE_DIR}/resources/desktop)
set(desktop_out ${CMAKE_BINARY_DIR}/desktop)
configure_file(${desktop_src}/sortarium.desktop.in ${desktop_out}/sortarium.desktop @ONLY)
configure_file(${desktop_src}/sortarium.metainfo.xml.in ${desktop_out}/${SORTARIUM_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(${desktop_src}/sortarium.1.in ${desktop_out}/sortarium.1 @ONLY)

install(TARGETS sortarium sortarium-script RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The entry starts the program in the data folder, where it finds the listings.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/listings/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sortarium)
# Every skin folder there is; a tree without any installs none.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/skins/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sortarium/skins OPTIONAL)

install(FILES ${desktop_out}/sortarium.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_out}/${SORTARIUM_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_out}/sortarium.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(size 16 32 48 128 256 512)
  install(FILES ${desktop_src}/icons/sortarium-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME sortarium.png)
endforeach()

install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/lessons/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/lessons OPTIONAL)
