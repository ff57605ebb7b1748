# Helpers that give every test and benchmark the same shape.

# zantoby_test(<name> LABEL <subsystem> SOURCES <files...> LIBS <targets...> [X11])
# One test executable is one CTest test. X11 marks a test that needs a display.
function(zantoby_test name)
    if(NOT ZANTOBY_TESTS)
        return()
    endif()
    cmake_parse_arguments(ARG "X11" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/run-test.sh $<TARGET_FILE:${name}>)
    set(labels ${ARG_LABEL})
    if(ARG_X11)
        list(APPEND labels x11)
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}"
        ENVIRONMENT "ZANTOBY_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/tests/data;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan-suppressions.txt")
    if(ARG_X11)
        # GTK keeps memory to the end, so leaks are not checked; screenshots and other
        # artifacts a window test keeps go to ZANTOBY_TEST_OUTPUT in the build tree.
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
            "ASAN_OPTIONS=detect_leaks=0"
            "ZANTOBY_TEST_OUTPUT=${CMAKE_BINARY_DIR}/test-output")
        # Where our users are: a Japanese desktop, with GTK's default input module for it (XIM,
        # with no input method server unless a test starts one).
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT_MODIFICATION
            "LANG=set:ja_JP.UTF-8" "LC_ALL=unset:" "LANGUAGE=unset:" "GTK_IM_MODULE=unset:"
            "XMODIFIERS=unset:")
        # Window tests share one virtual display; one at a time, so that no window covers
        # another's screenshot or takes its focus.
        set_property(TEST ${name} PROPERTY RESOURCE_LOCK virtual-display)
    endif()
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

# zantoby_fuzz(<name> LABEL <subsystem> SOURCES <files...> LIBS <targets...> [SEEDS <folders...>])
# A fuzz target (LLVMFuzzerTestOneInput) over one reader of outside input. Its seeds and the
# inputs of its findings lie in tests/fuzz/<name>/, its dictionary, where the format has
# keywords, in tests/fuzz/<name>.dict; SEEDS names folders of the program's own files that
# seed it as they stand. The test build replays every input there as one test; the fuzz build
# links AFL++'s driver and lists the target in <build>/fuzzers for scripts/run-fuzzers.
function(zantoby_fuzz name)
    cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS;SEEDS" ${ARGN})
    set(inputs ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/${name} ${ARG_SEEDS})
    if(ZANTOBY_FUZZ)
        add_executable(fuzz_${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/fuzz/AflEdgeMap.cpp)
        target_link_libraries(fuzz_${name} PRIVATE ${ARG_LIBS} ${ZANTOBY_AFL_LIBS})
        set_target_properties(fuzz_${name} PROPERTIES OUTPUT_NAME ${name}
                              RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
        set(dict ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/${name}.dict)
        if(NOT EXISTS ${dict})
            set(dict "")
        endif()
        # The dictionary's line (empty without one), then the seed folders.
        list(JOIN inputs "\n" folders)
        file(WRITE ${CMAKE_BINARY_DIR}/fuzzers/${name}.inputs "${dict}\n${folders}\n")
        add_dependencies(fuzzers fuzz_${name})
    elseif(ZANTOBY_TESTS)
        add_executable(fuzz_${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/fuzz/ReplayDriver.cpp)
        target_link_libraries(fuzz_${name} PRIVATE ${ARG_LIBS})
        add_test(NAME fuzz_${name} COMMAND fuzz_${name} ${inputs})
        set_tests_properties(fuzz_${name} PROPERTIES LABELS "${ARG_LABEL};fuzz"
            ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan-suppressions.txt")
    endif()
endfunction()

# zantoby_folder_tests(LABEL <subsystem> [DIR <folder>] LIBS <targets...>)
# Every <DIR>/*Test.cpp becomes one test executable; <DIR>/support/*.cpp are shared helpers.
# A file whose name ends in WindowTest.cpp needs a display.
function(zantoby_folder_tests)
    if(NOT ZANTOBY_TESTS)
        return()
    endif()
    cmake_parse_arguments(ARG "" "LABEL;DIR" "LIBS" ${ARGN})
    if(NOT ARG_DIR)
        set(ARG_DIR tests)
    endif()
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR}/*Test.cpp)
    file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR}/support/*.cpp)
    foreach(test ${tests})
        get_filename_component(stem ${test} NAME_WE)
        set(x11)
        if(stem MATCHES "WindowTest$")
            set(x11 X11)
        endif()
        zantoby_test(${ARG_LABEL}_${stem} ${x11} LABEL ${ARG_LABEL}
            SOURCES ${test} ${support} LIBS ${ARG_LIBS})
    endforeach()
endfunction()
