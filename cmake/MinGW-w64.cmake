# Cross-builds the kit for 64-bit Windows with Debian's MinGW-w64 (the posix
# thread model, which C++'s std::thread and std::mutex need).
#
#   cmake -S . -B build-windows -G Ninja \
#       -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake \
#       -DORVANTA_WINDOWS_PREFIX=~/.cache/orvanta-windows/prefix
#
# ORVANTA_WINDOWS_PREFIX holds what packaging/windows/build cross-built: Qt,
# Hunspell, libgettextpo and GoogleTest. Libraries and packages are looked up
# there and in MinGW's own folder only, never among the build machine's Linux
# ones; Qt's host tools (moc, rcc, uic) come from the build machine's Qt of
# the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANTA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANTA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANTA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANTA_MINGW_TRIPLE}-windres)

if(NOT ORVANTA_WINDOWS_PREFIX)
    set(ORVANTA_WINDOWS_PREFIX "$ENV{HOME}/.cache/orvanta-windows/prefix")
endif()
set(ORVANTA_WINDOWS_PREFIX "${ORVANTA_WINDOWS_PREFIX}" CACHE PATH "The cross-built Qt, Hunspell, libgettextpo and GoogleTest")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVANTA_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANTA_MINGW_TRIPLE} ${ORVANTA_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${ORVANTA_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# The build's own programs and the tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/wine-run)

# pkg-config (Hunspell) reads the prefix's .pc files only, never the build
# machine's.
set(ENV{PKG_CONFIG_LIBDIR} ${ORVANTA_WINDOWS_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# The build machine's rcc compresses resources with zstd, which the
# cross-built Qt has no code to read.
set(CMAKE_AUTORCC_OPTIONS --no-zstd)
