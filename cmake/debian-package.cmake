# The program installed under /usr with its desktop entry, metadata and icons, packed by `cpack`
# into rotorix_VERSION_ARCH.deb; dpkg-shlibdeps finds the libraries it depends on.
configure_file(packaging/${ROTORIX_APP_ID}.metainfo.xml.in ${ROTORIX_APP_ID}.metainfo.xml @ONLY)

include(GNUInstallDirs)
install(TARGETS rotorix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
install(FILES packaging/${ROTORIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ROTORIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 128 256)
  install(FILES packaging/icons/rotorix-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${ROTORIX_APP_ID}.png)
endforeach()
install(FILES packaging/icons/rotorix.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ROTORIX_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rotorix)
set(CPACK_PACKAGE_DESCRIPTION "Glow fuel and two-stroke pre-mix volumes, gear ratio and head speed, battery charge time, and metric-US unit conversion, in one small window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ROTORIX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The layout was measured in Liberation Sans; a wider fallback font would cut captions off.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
