# Cross-build for 64-bit Windows with MinGW-w64 from Debian
# (g++-mingw-w64-x86-64-win32): tarvex.dll for 64-bit hosts, tarvex.exe.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(TARVEX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVEX_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TARVEX_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${TARVEX_MINGW_PREFIX}-windres)

# The C and C++ runtimes linked in: each file runs with nothing beside it;
# symbols stripped.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -s")

set(CMAKE_FIND_ROOT_PATH /usr/${TARVEX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
