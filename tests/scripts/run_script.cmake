# Plays one script through quorvel-sim and compares its answers with the expected lines.
execute_process(COMMAND ${SIM} script ${SCRIPT} --seed 1
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "quorvel-sim exited with ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
    file(WRITE ${ACTUAL} "${actual}")
    message(FATAL_ERROR "answers differ from ${EXPECTED}; see ${ACTUAL}")
endif()
