# Helpers that give every test and benchmark the same shape.

# zantoby_test(<name> LABEL <subsystem> SOURCES <files...> LIBS <targets...> [X11])
# One test executable is one CTest test. X11 marks a test that needs a display.
function(zantoby_test name)
    cmake_parse_arguments(ARG "X11" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set(labels ${ARG_LABEL})
    if(ARG_X11)
        list(APPEND labels x11)
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}"
        ENVIRONMENT "ZANTOBY_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
endfunction()

# zantoby_bench(<name> SOURCES <files...> LIBS <targets...>)
# Benchmarks land in <build>/benchmarks, where `make bench` runs every one.
function(zantoby_bench name)
    if(NOT ZANTOBY_BENCH)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/benchmarks)
endfunction()
