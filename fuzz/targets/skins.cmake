quelda_add_fuzzer(NAME language_table SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LanguageTableFuzzer.cpp LIBS audio_settings)
quelda_add_fuzzer(NAME skin_setting SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/SkinSettingFuzzer.cpp LIBS audio_settings)
quelda_add_fuzzer(NAME region_file SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/RegionFileFuzzer.cpp LIBS audio_settings)
