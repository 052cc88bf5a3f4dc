# Cross-builds the 32-bit Windows program with Debian's MinGW-w64
# (g++-mingw-w64-i686-posix, binutils-mingw-w64-i686); tests run under Wine.
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_TRIPLET i686-w64-mingw32)

# Double precision from process start. The i686 default is x87 arithmetic
# with 64-bit significands: SSE2 keeps every double a double (and turns on
# -mstackrealign, as Windows aligns callback stacks to 4 bytes only).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
