# Tests of the Windows build: GoogleTest from Debian's sources (package libgtest-dev), nothing downloaded, and the
# test programs run through Wine when cross-compiling.
set(QUARL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build the Windows tests with")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUARL_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${CMAKE_BINARY_DIR}/wine-prefix)
endif()
foreach(library gtest gtest_main)
    if(NOT TARGET GTest::${library})
        add_library(GTest::${library} ALIAS ${library})
    endif()
endforeach()
