# cmake -DPROGRAM=... -DARGS="a;b" -DGOLDEN=... [-DUPDATE=1] -P compare_output.cmake
# Runs PROGRAM and compares its standard output with the GOLDEN file.
execute_process(COMMAND ${PROGRAM} ${ARGS} OUTPUT_VARIABLE actual RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} exited with ${status}")
endif()
if(UPDATE OR "$ENV{KALVO_UPDATE_GOLDEN}" STREQUAL "1")
    file(WRITE ${GOLDEN} "${actual}")
    return()
endif()
file(READ ${GOLDEN} expected)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "output of ${PROGRAM} differs from ${GOLDEN}:\n${actual}")
endif()
