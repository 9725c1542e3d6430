# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread and Qt need). Used for Qt itself (scripts/lib/qt-windows.sh) and for the program
# (preset windows).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(rotorix_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${rotorix_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${rotorix_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${rotorix_mingw}-windres)

# Headers, libraries and packages come from the MinGW tree and the Qt built for it (the prefix
# that scripts/lib/qt-windows.sh prints, given as ROTORIX_QT_WINDOWS), never from this machine's
# own; programs (moc, rcc, makensis) from this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${rotorix_mingw} ${ROTORIX_QT_WINDOWS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
