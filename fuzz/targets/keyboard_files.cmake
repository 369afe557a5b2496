quelda_add_fuzzer(NAME profile_file SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ProfileFileFuzzer.cpp LIBS keyboard_model)
quelda_add_fuzzer(NAME settings_file SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/SettingsFileFuzzer.cpp LIBS keyboard_model)
quelda_add_fuzzer(NAME macro_library SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/MacroLibraryFuzzer.cpp LIBS keyboard_model)
quelda_add_fuzzer(NAME macro_key SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/MacroKeyFuzzer.cpp LIBS keyboard_model)
