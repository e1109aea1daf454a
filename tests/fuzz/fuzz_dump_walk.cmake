kalvo_add_fuzzer(fuzz_dump_walk ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_dump_walk.cpp survey_dump Qt6::Core)
