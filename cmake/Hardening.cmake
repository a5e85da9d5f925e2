# quarl_hardening: what Debian's own packages are built with (dpkg-buildflags with hardening=+all), for Linux
# programs, and the matching protections for the Windows program built with MinGW-w64. quarl_options passes it on
# to our own targets only. The sanitizer and fuzz presets and builds for other systems (the web page) leave it out.
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)

add_library(quarl_hardening INTERFACE)

set(QUARL_HARDENING_SUPPORTED OFF)
if((CMAKE_SYSTEM_NAME STREQUAL "Linux" OR MINGW) AND CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang)$")
    set(QUARL_HARDENING_SUPPORTED ON)
endif()
option(QUARL_HARDENING "Build with stack protector, fortified functions, full RELRO and the like" ON)
if(NOT QUARL_HARDENING OR NOT QUARL_HARDENING_SUPPORTED)
    return()
endif()

# Each flag only where the compiler knows it: -fcf-protection is for x86, stack clash probes are not on MinGW.
function(quarl_harden_with flag)
    string(MAKE_C_IDENTIFIER "QUARL_HAS${flag}" known)
    check_cxx_compiler_flag(${flag} ${known})
    if(${known})
        target_compile_options(quarl_hardening INTERFACE ${flag})
    endif()
endfunction()

# The stack protector's runtime comes with it at link time: on MinGW-w64 that is libssp, linked statically like
# the rest of the runtime, so that the program still needs only Windows' own DLLs.
target_compile_options(quarl_hardening INTERFACE -fstack-protector-strong)
target_link_options(quarl_hardening INTERFACE -fstack-protector-strong)

if(MINGW)
    # Address space layout randomisation (with 64-bit addresses where there are) and no execution of data.
    target_link_options(quarl_hardening INTERFACE -Wl,--dynamicbase,--nxcompat
                        $<$<EQUAL:${CMAKE_SIZEOF_VOID_P},8>:-Wl,--high-entropy-va>)
    return()
endif()

quarl_harden_with(-fstack-clash-protection)
quarl_harden_with(-fcf-protection)
# The switches written into the program, where they survive stripping: hardening-check sees stack clash probes only
# in functions with large frames and control-flow protection only when the C library's start files have it too.
quarl_harden_with(-frecord-gcc-switches)
# Level 3 needs __builtin_dynamic_object_size. Some compilers define a level of their own, so it is undefined
# first; it needs optimisation, so a Debug build goes without.
check_cxx_source_compiles("int main() { return __builtin_dynamic_object_size(\"\", 0) == 1 ? 0 : 1; }"
                          QUARL_HAS_DYNAMIC_OBJECT_SIZE)
if(QUARL_HAS_DYNAMIC_OBJECT_SIZE)
    set(fortify 3)
else()
    set(fortify 2)
endif()
target_compile_options(quarl_hardening INTERFACE $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=${fortify}>)
target_link_options(quarl_hardening INTERFACE -Wl,-z,relro,-z,now)
# Position-independent code in every target that links it, and so a position-independent program.
set_target_properties(quarl_hardening PROPERTIES INTERFACE_POSITION_INDEPENDENT_CODE ON)
