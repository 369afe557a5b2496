quelda_add_fuzzer(NAME ini_file SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/IniFileFuzzer.cpp LIBS audio_settings)
