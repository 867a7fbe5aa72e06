# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# so that std::thread and Qt's threads share one model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

# Libraries and headers come from the MinGW root and from Qt for Windows
# (-DWINDOWS_QT=PREFIX, the folder tools/build-windows-qt prints); programs
# run on the build machine.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WINDOWS_QT)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${WINDOWS_QT})
set(CMAKE_PREFIX_PATH ${WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
