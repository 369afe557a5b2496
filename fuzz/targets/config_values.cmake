quelda_add_fuzzer(NAME config_values SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ConfigValuesFuzzer.cpp LIBS audio_settings)
