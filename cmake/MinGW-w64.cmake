# Cross-compiles the Windows program with Debian's MinGW-w64; the toolchain file of each processor sets
# QUARL_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR, then includes this one.
set(CMAKE_SYSTEM_NAME Windows)

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
