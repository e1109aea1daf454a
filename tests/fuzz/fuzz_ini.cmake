kalvo_add_fuzzer(fuzz_ini ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_ini.cpp common)
