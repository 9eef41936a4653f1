# Cross build for 64-bit Windows with Debian's mingw-w64 (POSIX threads) against a Qt built for
# it (scripts/build-windows.sh unpacks or builds one). Pass -DZAVO_QT_MINGW_DIR=<qt5-mingw64>.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# try_compile() projects see only what is listed here.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZAVO_QT_MINGW_DIR)
if(NOT ZAVO_QT_MINGW_DIR)
    set(ZAVO_QT_MINGW_DIR $ENV{ZAVO_QT_MINGW_DIR})
endif()
if(NOT ZAVO_QT_MINGW_DIR)
    message(FATAL_ERROR "Set ZAVO_QT_MINGW_DIR to the Qt built for mingw-w64 (scripts/build-windows.sh does)")
endif()
list(PREPEND CMAKE_PREFIX_PATH ${ZAVO_QT_MINGW_DIR})

# Target libraries and headers come from the mingw sysroot and that Qt; programs (moc, uic, rcc,
# lrelease) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ZAVO_QT_MINGW_DIR})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# The Windows Qt has no Linguist tools: lrelease is the host's, as is qtbase_zh_CN.qm.
if(NOT Qt5LinguistTools_DIR AND EXISTS /usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools)
    set(Qt5LinguistTools_DIR /usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools)
endif()
