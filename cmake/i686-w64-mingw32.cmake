# The 32-bit Windows program (package g++-mingw-w64-i686-posix).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUARL_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW-w64.cmake)
