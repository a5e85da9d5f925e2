# Cross-compiles the Windows program with Debian's MinGW-w64 (package g++-mingw-w64-x86-64-posix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUARL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUARL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUARL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUARL_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUARL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime and the thread library linked in, so that each .exe needs only Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
