include(GoogleTest)
find_package(GTest QUIET)
if(NOT GTest_FOUND)
    # Debian's libgtest-dev ships the sources too; build them when no package config is there.
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()

# One test executable per tested folder:
#   quelda_add_test(NAME keyboard_model_tests SOURCES a.cpp b.cpp LIBS keyboard_model)
function(quelda_add_test)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    quelda_warnings(${T_NAME})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main Threads::Threads)
    target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${T_NAME} PRIVATE
        QUELDA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        QUELDA_FIXTURES_DIR="${CMAKE_SOURCE_DIR}/tests/fixtures")
    # Labelled with the executable's name, so a run can pick suites (make tsan).
    gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${T_NAME})
endfunction()
