# Cross-build for 32-bit Windows with MinGW-w64 from Debian
# (g++-mingw-w64-i686-win32): tarvex.dll for 32-bit hosts, tarvex.exe.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(TARVEX_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVEX_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TARVEX_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${TARVEX_MINGW_PREFIX}-windres)

# Double arithmetic in SSE2 registers, as on x86-64: the x87 unit's extended
# precision would change the last digits of the results.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

# The C and C++ runtimes linked in: each file runs with nothing beside it;
# symbols stripped.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -s")

set(CMAKE_FIND_ROOT_PATH /usr/${TARVEX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
