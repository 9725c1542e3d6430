# The Windows program as it is handed out: installed with the Qt libraries and plugins it loads and
# the MinGW runtime beside it, packed by `cpack` into an installer (NSIS) and a zip.

# Everything in one folder: Windows finds a program's libraries beside it, Qt its plugins below it.
install(TARGETS rotorix RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)
# The compiler's runtime, which the program and Qt import; Windows' own libraries every Windows has.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
    OUTPUT_VARIABLE runtime OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${runtime} DESTINATION .)
endforeach()
# Only the program is stripped by the install rule itself; the libraries come with their symbol
# tables (the compiler's runtime is two thirds symbols), which nobody at a Windows desktop needs.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE libraries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${libraries} COMMAND_ERROR_IS_FATAL ANY)
  endif()
")
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME ${ROTORIX_PRODUCT})
set(CPACK_PACKAGE_FILE_NAME ${ROTORIX_PRODUCT}-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${ROTORIX_PRODUCT})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${ROTORIX_PRODUCT})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME ${ROTORIX_PRODUCT})
set(CPACK_NSIS_PACKAGE_NAME ${ROTORIX_PRODUCT})
set(CPACK_PACKAGE_EXECUTABLES rotorix ${ROTORIX_PRODUCT})
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MUI_ICON ${ROTORIX_ICO})
set(CPACK_NSIS_MUI_UNIICON ${ROTORIX_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME rotorix.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${ROTORIX_HOMEPAGE})
set(CPACK_NSIS_CONTACT ${CPACK_PACKAGE_CONTACT})
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The program leaves its print file beside itself; the uninstaller takes it too, and the current
# user's copy where the program folder was not writable, so that nothing stays behind.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [=[
  Delete "$INSTDIR\prlog.txt"
  ReadEnvStr $0 LOCALAPPDATA
  StrCmp $0 "" +4
    Delete "$0\Rotorix\cache\prlog.txt"
    RMDir "$0\Rotorix\cache"
    RMDir "$0\Rotorix"
]=])

# CPack's own installer script with two changes. A 64-bit installer, which runs where 32-bit
# programs cannot (Wine without its 32-bit part), installs into the 64-bit program folder and needs
# no 32-bit Windows layer. The uninstaller also takes the maker's registry key once it is empty,
# so that nothing is left behind.
set(rotorix_vendor_key [[DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@"]])
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in rotorix_nsis_template)
# After the first line, which holds the byte-order mark.
string(FIND "${rotorix_nsis_template}" "\n" rotorix_first_line_end)
math(EXPR rotorix_first_line_end "${rotorix_first_line_end} + 1")
string(SUBSTRING "${rotorix_nsis_template}" 0 ${rotorix_first_line_end} rotorix_first_line)
string(SUBSTRING "${rotorix_nsis_template}" ${rotorix_first_line_end} -1 rotorix_nsis_template)
string(PREPEND rotorix_nsis_template "${rotorix_first_line}Target amd64-unicode\n")
string(FIND "${rotorix_nsis_template}" "${rotorix_vendor_key}" rotorix_found)
if(rotorix_found EQUAL -1)
  message(FATAL_ERROR "CPack's NSIS template no longer removes the maker's registry key as expected")
endif()
string(REPLACE "${rotorix_vendor_key}"
  "${rotorix_vendor_key}\n  DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\""
  rotorix_nsis_template "${rotorix_nsis_template}")
file(WRITE ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in "${rotorix_nsis_template}")
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis)
