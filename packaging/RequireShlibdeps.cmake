# Read by cpack before it builds the package. Without dpkg-shlibdeps CPack would quietly leave out the libraries
# the program links (Qt among them), and the package would install but not start on a machine without them.
# Only a file that may be run counts as found.
cmake_policy(SET CMP0109 NEW)
find_program(SHLIBDEPS_EXECUTABLE dpkg-shlibdeps)
if(NOT SHLIBDEPS_EXECUTABLE)
    message(FATAL_ERROR "dpkg-shlibdeps is missing, so the package's dependencies cannot be computed; "
                        "install dpkg-dev and run cpack again")
endif()
