# The program installed under /usr with its desktop entry, metadata, icons, manual page, changelog
# and copyright file, packed by `cpack` into rotorix_VERSION_ARCH.deb; dpkg-shlibdeps finds the
# libraries it depends on.
include(GNUInstallDirs)
set(rotorix_debian ${PROJECT_SOURCE_DIR}/packaging/debian)
set(rotorix_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/rotorix)
string(SUBSTRING ${ROTORIX_RELEASE_DATE} 0 4 rotorix_release_year)

configure_file(packaging/${ROTORIX_APP_ID}.metainfo.xml.in ${ROTORIX_APP_ID}.metainfo.xml @ONLY)
configure_file(${rotorix_debian}/copyright.in copyright @ONLY)
configure_file(${rotorix_debian}/rotorix.1.in rotorix.1 @ONLY)

# A release needs its changelog entry: the newest one must name the project's version.
file(STRINGS ${rotorix_debian}/changelog rotorix_changelog_top LIMIT_COUNT 1)
if(NOT rotorix_changelog_top MATCHES "^rotorix \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog has no entry for version ${PROJECT_VERSION} at its top")
endif()

# Debian keeps both compressed, at the highest level and without a time stamp, so that the
# package is the same from build to build.
set(rotorix_gzipped)
foreach(file ${rotorix_debian}/changelog ${CMAKE_CURRENT_BINARY_DIR}/rotorix.1)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${name}.gz
    COMMAND gzip -9 --no-name --stdout ${file} > ${name}.gz
    DEPENDS ${file} VERBATIM)
  list(APPEND rotorix_gzipped ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(rotorix_package_docs ALL DEPENDS ${rotorix_gzipped})

install(TARGETS rotorix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
install(FILES packaging/${ROTORIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ROTORIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 128 256)
  install(FILES packaging/icons/rotorix-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${ROTORIX_APP_ID}.png)
endforeach()
install(FILES packaging/icons/rotorix.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ROTORIX_APP_ID}.svg)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/rotorix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/copyright
  DESTINATION ${rotorix_doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rotorix)
# The summary comes from the project's description; Debian's tools want the rest in lines of
# less than 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
Glow fuel and two-stroke pre-mix volumes, gear ratio and rotor head speed,
battery charge time, and metric-US unit conversion, in one small window.
Results follow every change at once, with the locale's number separators;
the fuel pages' results can be copied or printed.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ROTORIX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The layout was measured in Liberation Sans; a wider fallback font would cut captions off.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
