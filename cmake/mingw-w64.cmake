# What both Windows cross-builds share, included by cmake/mingw-i686.cmake and
# cmake/mingw-x86_64.cmake after they name MINGW_TRIPLET: Debian's MinGW-w64
# compilers with POSIX threads, its headers and libraries, and Wine to run
# the results.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CRT_fp8.o makes the start-up code set the x87 unit, still used inside the
# C library, to 53 bits as Windows programs expect, where MinGW's default
# CRT_fp10.o leaves 64.
execute_process(COMMAND ${CMAKE_C_COMPILER} -print-file-name=CRT_fp8.o
                OUTPUT_VARIABLE MINGW_CRT_FP8 OUTPUT_STRIP_TRAILING_WHITESPACE)
# Static C and C++ run-times: the .exe runs without MinGW's DLLs beside it.
# A DLL exports all its functions, but keeps to itself the run-time pieces
# that ld does not filter out by itself, which would clash with the .exe's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static ${MINGW_CRT_FP8}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--exclude-libs=libgcc_eh.a:libwinpthread.a")

# Lets ctest run the test programs, and CMake any it must run, under Wine;
# the prefix decides which half of Wine runs them.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
