# ostrel_add_test(<name> [DISPLAY] SOURCES <files...> LIBS <targets...>)
# One QTest executable registered with CTest, run headless with a pinned locale. DISPLAY runs
# it on the xcb platform instead, on a virtual display that tests/display/run-on-display.sh
# starts for it alone.
function(ostrel_add_test name)
    cmake_parse_arguments(T "DISPLAY" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    target_compile_definitions(${name} PRIVATE
        OSTREL_DB_TEMPLATES="${OSTREL_DB_TEMPLATES}"
        OSTREL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    set(platform offscreen)
    if(T_DISPLAY)
        set(platform xcb)
        add_test(NAME ${name}
                 COMMAND sh ${PROJECT_SOURCE_DIR}/tests/display/run-on-display.sh
                         $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES LABELS display)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=${platform};LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        TIMEOUT 300)
    if(TARGET ostrel_databases)
        add_dependencies(${name} ostrel_databases)
    endif()
endfunction()
