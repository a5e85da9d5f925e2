# Compiles the core for the page to WebAssembly with Debian's clang and lld (packages clang, lld, wasi-libc,
# libc++-dev-wasm32, libclang-rt-dev-wasm32). The module is a reactor: it has no main, its static constructors run
# from _initialize, and the page calls the functions it exports.
# CMake 3.25 knows no WASI platform; the settings below are all it needs.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

find_program(QUARL_WASM_CLANG NAMES clang++ REQUIRED)
set(CMAKE_CXX_COMPILER ${QUARL_WASM_CLANG})
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -fno-rtti")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -nostdlib++ -lc++ -lc++abi -mexec-model=reactor -Wl,--no-entry")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
