# Signs a Windows program in place (Authenticode, SHA-256, with osslsigncode) when QUARL_SIGN_PFX names a PKCS#12
# file and QUARL_SIGN_PASSWORD holds its password; without them it does nothing. QUARL_SIGN_TIMESTAMP_URL, when
# set, names a time-stamp server, so that the signature stays valid after the certificate expires.
# Run as `cmake -DFILE=program.exe -P Sign.cmake`, or include it and call quarl_sign(program.exe).
function(quarl_sign file)
    if("$ENV{QUARL_SIGN_PFX}" STREQUAL "" OR NOT DEFINED ENV{QUARL_SIGN_PASSWORD})
        return()
    endif()
    set(timestamp)
    if(NOT "$ENV{QUARL_SIGN_TIMESTAMP_URL}" STREQUAL "")
        set(timestamp -ts "$ENV{QUARL_SIGN_TIMESTAMP_URL}")
    endif()
    # The password goes through a file only its owner can read, not on a command line others can see.
    set(password "${file}.password")
    file(TOUCH "${password}")
    file(CHMOD "${password}" PERMISSIONS OWNER_READ OWNER_WRITE)
    file(WRITE "${password}" "$ENV{QUARL_SIGN_PASSWORD}")
    execute_process(
        COMMAND osslsigncode sign -pkcs12 "$ENV{QUARL_SIGN_PFX}" -readpass "${password}" -h sha256
                -n QUARL-Counter ${timestamp} -in "${file}" -out "${file}.signed"
        RESULT_VARIABLE result OUTPUT_QUIET)
    file(REMOVE "${password}")
    if(NOT result EQUAL 0)
        file(REMOVE "${file}.signed")
        message(FATAL_ERROR "osslsigncode could not sign ${file}")
    endif()
    file(RENAME "${file}.signed" "${file}")
    message(STATUS "Signed ${file}")
endfunction()

if(DEFINED FILE)
    quarl_sign("${FILE}")
endif()
