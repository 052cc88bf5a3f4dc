# Cross-builds the 64-bit Windows program with Debian's MinGW-w64
# (g++-mingw-w64-x86-64-posix, binutils-mingw-w64-x86-64); tests run under
# Wine's 64-bit half in a 64-bit prefix. Doubles are SSE2 doubles by default.
#   cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLET x86_64-w64-mingw32)

include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
