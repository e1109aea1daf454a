kalvo_add_fuzzer(fuzz_import ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_import.cpp kalvo_store)
