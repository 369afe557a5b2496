quelda_add_fuzzer(NAME link_reports SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/LinkReportsFuzzer.cpp
    LIBS keyboard_link sim_keyboard)
