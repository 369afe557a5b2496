quelda_add_fuzzer(NAME hid_descriptor SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/HidDescriptorFuzzer.cpp LIBS platform)
