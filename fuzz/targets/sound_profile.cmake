quelda_add_fuzzer(NAME sound_profile SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/SoundProfileFuzzer.cpp LIBS audio_settings)
