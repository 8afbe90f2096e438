# Runs one command and checks its exit status and output; used by CTest for
# whole-program cases.
#   cmake -DCOMMAND=prog|arg|arg -DEXPECT_EXIT=n -DEXPECT_OUTPUT=regex -P RunAndCheck.cmake
# Arguments are separated by "|" so that CTest passes the list unchanged.
string(REPLACE "|" ";" command "${COMMAND}")
execute_process(COMMAND ${command}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE output
                ERROR_VARIABLE errors)
message("${output}${errors}")
if(NOT status STREQUAL "${EXPECT_EXIT}")
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECT_EXIT}")
endif()
if(NOT "${output}${errors}" MATCHES "${EXPECT_OUTPUT}")
  message(FATAL_ERROR "output does not match: ${EXPECT_OUTPUT}")
endif()
