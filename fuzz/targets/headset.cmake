quelda_add_fuzzer(NAME headset_reports SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/HeadsetReportsFuzzer.cpp
    LIBS audio_device sim_audiosdk_link)
quelda_add_fuzzer(NAME equalizer_image SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/EqualizerImageFuzzer.cpp LIBS audio_device)
quelda_add_fuzzer(NAME device_ids SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/DeviceIdsFuzzer.cpp LIBS audio_device)
