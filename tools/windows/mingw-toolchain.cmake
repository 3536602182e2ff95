# Cross compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# The Qt cross build keeps a copy of this file in its install prefix, so both
# the Qt build and Lullara's build find Qt beside it, wherever that prefix lies.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_lullara_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_lullara_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_lullara_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_lullara_mingw}-windres)

# Inside a Qt install this file sits in <prefix>/lib/cmake/; elsewhere the
# Qt prefix, if any, comes from LULLARA_QT_PREFIX.
get_filename_component(_lullara_here_prefix "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${_lullara_mingw})
if(EXISTS "${_lullara_here_prefix}/lib/cmake/Qt6")
  list(APPEND CMAKE_FIND_ROOT_PATH "${_lullara_here_prefix}")
elseif(DEFINED LULLARA_QT_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH "${LULLARA_QT_PREFIX}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
