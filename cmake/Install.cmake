# Installs the program as a Linux desktop program (binary, menu entry, AppStream
# metadata, icons, man page) and packs it as a Debian package with CPack:
#   cmake --build build --target package  ->  kelvaro_<version>_amd64.deb
include(GNUInstallDirs)

# The version the program reports is the one the package carries.
target_compile_definitions(kelvaro PRIVATE KELVARO_VERSION="${PROJECT_VERSION}")

set(kelvaro_packaging ${CMAKE_SOURCE_DIR}/packaging)
set(kelvaro_id org.kelvaro.Kelvaro)

install(TARGETS kelvaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${kelvaro_packaging}/${kelvaro_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${kelvaro_packaging}/${kelvaro_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${kelvaro_packaging}/icons/kelvaro.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNG sizes are drawn from the SVG once and kept beside it:
#   rsvg-convert -w N -h N kelvaro.svg -o kelvaro-N.png
foreach(size 16 32 48 64 128 256)
  install(FILES ${kelvaro_packaging}/icons/kelvaro-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME kelvaro.png)
endforeach()

# Debian keeps man pages gzipped, without a time stamp so builds compare equal.
configure_file(${kelvaro_packaging}/kelvaro.1.in ${CMAKE_BINARY_DIR}/kelvaro.1 @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/kelvaro.1.gz
  COMMAND gzip -9n -c ${CMAKE_BINARY_DIR}/kelvaro.1 > ${CMAKE_BINARY_DIR}/kelvaro.1.gz
  DEPENDS ${CMAKE_BINARY_DIR}/kelvaro.1)
add_custom_target(kelvaro_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/kelvaro.1.gz)
add_dependencies(kelvaro kelvaro_manpage)
install(FILES ${CMAKE_BINARY_DIR}/kelvaro.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${kelvaro_packaging}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Kelvaro <kelvaro@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "nursing temperature chart (电子体温单) of a hospital ward")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvaro keeps the nursing temperature chart of hospital in-patients: the
ward's patients, each day's vital signs in six four-hour slots, and the
chart one week per page on screen and on paper. It works on a local SQLite
file or on a shared PostgreSQL server.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the linker sees come from dpkg-shlibdeps; what Qt loads at run
# time, the chart's CJK faces, Qt's Chinese texts and printing are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, libqt6sql6-psql, fonts-wqy-microhei | fonts-noto-cjk, fonts-arphic-uming | fonts-noto-cjk, qt6-translations-l10n, cups-client")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-odbc, tdsodbc")
set(CPACK_STRIP_FILES ON)
include(CPack)
