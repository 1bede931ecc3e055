# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# Programs are linked statically (no MinGW runtime DLL needs to ship beside
# them) and the tests run under wine, CMake's emulator for this build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
# The posix thread model: std::thread and std::mutex as the C++ standard has them.
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

# Headers and libraries of the target only; programs of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
# MIRVAL_WINDOWS_PREFIX: the folder where scripts/build-windows.sh installs
# FLTK and GoogleTest built for Windows.
if(MIRVAL_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${MIRVAL_WINDOWS_PREFIX})
  list(APPEND CMAKE_PREFIX_PATH ${MIRVAL_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(MIRVAL_WINE NAMES wine wine64)
if(MIRVAL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MIRVAL_WINE})
endif()
