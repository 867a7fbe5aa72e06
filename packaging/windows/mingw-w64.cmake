# SPDX-FileCopyrightText: 2026 Nevrik
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiling for Windows with Debian's MinGW-w64 (posix threads, so that
# std::thread and Qt's threads share one model), for the architecture
# -DWINDOWS_ARCH=x86_64 or x86 that packaging/windows/ARCH.arch describes.
set(CMAKE_SYSTEM_NAME Windows)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WINDOWS_ARCH WINDOWS_QT)

# TRIPLE, ARCH_FLAGS and the rest, as NAME=value lines (the shell scripts source the same file).
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/${WINDOWS_ARCH}.arch arch_lines REGEX "^[A-Z_]+=")
foreach(line IN LISTS arch_lines)
  string(REGEX MATCH "^([A-Z_]+)=\"?([^\"]*)\"?$" _ "${line}")
  set(WINDOWS_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
if(NOT WINDOWS_TRIPLE)
  message(FATAL_ERROR "WINDOWS_ARCH must name an architecture of packaging/windows: x86_64 or x86")
endif()
string(REGEX MATCH "^[^-]*" CMAKE_SYSTEM_PROCESSOR ${WINDOWS_TRIPLE})

set(CMAKE_C_COMPILER ${WINDOWS_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WINDOWS_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${WINDOWS_TRIPLE}-windres)
set(CMAKE_C_FLAGS_INIT "${WINDOWS_ARCH_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${WINDOWS_ARCH_FLAGS}")

# Libraries and headers come from the MinGW root and from Qt for Windows
# (-DWINDOWS_QT=PREFIX, the folder tools/build-windows-qt prints); programs
# run on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${WINDOWS_TRIPLE} ${WINDOWS_QT})
set(CMAKE_PREFIX_PATH ${WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
