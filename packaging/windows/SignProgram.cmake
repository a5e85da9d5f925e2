# CPack runs this on the staged files before it packs them: the program in the zip and in the installer is signed.
include(${CMAKE_CURRENT_LIST_DIR}/Sign.cmake)
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/*.exe")
foreach(program IN LISTS programs)
    quarl_sign("${program}")
endforeach()
