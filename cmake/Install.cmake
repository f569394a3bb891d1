# Installation: the program, quendra-cli, what the program reads at run time (the wheel data
# files and the example systems, copied into the user's data folder at the first start) and
# the desktop integration; `scripts/package` makes a Debian package of it with CPack.
include(GNUInstallDirs)
# scripts/package builds what it installs; the install step does not build the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

install(TARGETS quendra quendra-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(QUENDRA_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/quendra)
install(FILES ${QUENDRA_OUTPUT_DIR}/EIGENPR.VER ${QUENDRA_OUTPUT_DIR}/EIGENPRA.VER
        DESTINATION ${QUENDRA_SHARE_DIR})
if(EXISTS ${PROJECT_SOURCE_DIR}/resources/SYSTEM)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/SYSTEM/ DESTINATION ${QUENDRA_SHARE_DIR}/SYSTEM
          FILES_MATCHING PATTERN "*.SYF")
endif()
install(FILES packaging/quendra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/quendra.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/io.github.quendra.Quendra.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quendra)
set(CPACK_PACKAGE_VENDOR "Quendra")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Play, simulate and analyse roulette and test betting systems")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quendra)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quendra developers <quendra@users.noreply.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt libraries and the rest, found from the executables' links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs in German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
include(CPack)
