# The Windows program's resources: its icon, made at build time from the PNGs in packaging/icons,
# and its version resource, from the project's one version.

# rotorix_add_windows_resources(TARGET): builds the icon and the version resource into TARGET.
function(rotorix_add_windows_resources target)
  find_program(ROTORIX_ICOTOOL icotool REQUIRED)
  set(icons ${PROJECT_SOURCE_DIR}/packaging/icons)
  set(rotorix_ico ${CMAKE_CURRENT_BINARY_DIR}/rotorix.ico)
  # The small sizes as bitmaps, which every part of Windows reads; 256 pixels as PNG, as Windows
  # expects it and at a fraction of the size.
  add_custom_command(OUTPUT ${rotorix_ico}
    COMMAND ${ROTORIX_ICOTOOL} --create --output=${rotorix_ico}
      ${icons}/rotorix-16.png ${icons}/rotorix-32.png ${icons}/rotorix-48.png ${icons}/rotorix-128.png
      --raw=${icons}/rotorix-256.png
    DEPENDS ${icons}/rotorix-16.png ${icons}/rotorix-32.png ${icons}/rotorix-48.png
      ${icons}/rotorix-128.png ${icons}/rotorix-256.png
    COMMENT "Making the program's icon")

  # The file-version text writes the minor version in two digits: 1.2 is "1.02".
  set(minor ${PROJECT_VERSION_MINOR})
  if(minor LESS 10)
    set(minor 0${minor})
  endif()
  set(rotorix_file_version_text ${PROJECT_VERSION_MAJOR}.${minor})
  string(SUBSTRING ${ROTORIX_RELEASE_DATE} 0 4 rotorix_release_year)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/rotorix.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/rotorix.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${rotorix_ico})
  target_sources(${target} PRIVATE ${rc} ${rotorix_ico})
  set(ROTORIX_ICO ${rotorix_ico} CACHE INTERNAL "The program's icon for Windows")
endfunction()
