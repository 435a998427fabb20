# Cross-compiles for 64-bit Windows with MinGW-w64 (Debian's posix-thread
# compilers), and runs what it builds under Wine, so CTest can run the tests:
#   cmake -S . -B build-windows -DDEFWRIGHT_CORE_ONLY=ON \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in: the .exe runs on its own,
# under Wine or on a Windows machine, without their DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Wine keeps its Windows folder inside the build folder, never in the user's
# home; it stays quiet, needs no display, and skips offering to download
# Mono and Gecko, which console programs never use.
set(CMAKE_CROSSCOMPILING_EMULATOR
    env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY= wine)
