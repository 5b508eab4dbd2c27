# The native build of the pure logic, under AddressSanitizer and UBSan, with
# libFuzzer targets when the compiler is clang.
include(CTest)
set(WK_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${WK_SANITIZE} -g -O1)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  # Coverage instrumentation for the fuzzers in all logic code.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
add_link_options(${WK_SANITIZE})

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

add_library(wk_logic STATIC ${WK_LOGIC_SOURCES})
target_include_directories(wk_logic PUBLIC ${CMAKE_SOURCE_DIR})

file(GLOB_RECURSE WK_LOGIC_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*/logic/*_test.cpp)
# Benchmarks print figures rather than pass or fail: a program of their own.
set(WK_LOGIC_FIGURES ${WK_LOGIC_TESTS})
list(FILTER WK_LOGIC_TESTS EXCLUDE REGEX "_benchmark_test\\.cpp$")
list(FILTER WK_LOGIC_FIGURES INCLUDE REGEX "_benchmark_test\\.cpp$")
add_executable(wk_logic_tests ${WK_LOGIC_TESTS})
target_link_libraries(wk_logic_tests PRIVATE wk_logic GTest::gtest_main)
add_test(NAME logic COMMAND wk_logic_tests)
add_executable(wk_logic_figures ${WK_LOGIC_FIGURES})
target_link_libraries(wk_logic_figures PRIVATE wk_logic GTest::gtest_main)
add_test(NAME figures COMMAND wk_logic_figures)
set_tests_properties(figures PROPERTIES LABELS figures)

set(WK_FUZZ_SECONDS 15 CACHE STRING "Seconds each fuzz target runs in the test suite")
file(GLOB WK_FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  foreach(fuzz_source ${WK_FUZZERS})
    get_filename_component(fuzz_name ${fuzz_source} NAME_WE)
    add_executable(${fuzz_name} ${fuzz_source})
    target_compile_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${fuzz_name} PRIVATE wk_logic)
    add_test(NAME fuzz/${fuzz_name} COMMAND ${fuzz_name} -max_total_time=${WK_FUZZ_SECONDS}
                                            -print_final_stats=1 -rss_limit_mb=2048)
    set_tests_properties(fuzz/${fuzz_name} PROPERTIES TIMEOUT 300)
  endforeach()
endif()

# What the headless run's recording holds (tests/bench/headless-run.sh).
add_executable(tone_recording_report ${CMAKE_SOURCE_DIR}/tools/tone_recording_report.cpp)
target_link_libraries(tone_recording_report PRIVATE wk_logic)
