kalvo_add_fuzzer(fuzz_xmodem ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_xmodem.cpp survey_link)
